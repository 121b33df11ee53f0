#pragma once

#include <QImage>
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

#include "Prompt.h"
#include "Workspace.h"

class FleetWindow;
class QAction;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QMenu;
class QScrollArea;
class QStatusBar;
class QTimer;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class TGetPramForm;
class TKernelForm;
class TLedViewForm;
class TPictureImportForm;
class TPrammeForm;
class TScreenWHForm;
class TSendPramForm;
class TUpDown;
class TWordsForm;

// The main window: shows the program list and the picked program's picture, holds the
// play-setting controls, and opens every other window. The library state lives in the workspace.
class TMainForm : public QMainWindow {
  Q_OBJECT
 public:
  TMainForm(Workspace& workspace, Prompt& prompt, QWidget* parent = nullptr);
  ~TMainForm() override;

  Workspace& workspace() { return ws_; }
  Prompt& prompt() { return prompt_; }
  ProgramStore& store() { return ws_.store(); }
  const QString& home() const { return ws_.home(); }

  // The waits of the serial connect; tests replace it to see them without waiting.
  std::function<void(int milliseconds)> sleep;

  // The other windows, created after this one and registered by the application.
  TWordsForm* WordsForm = nullptr;
  QWidget* CommForm = nullptr;
  TLedViewForm* LedViewForm = nullptr;
  TScreenWHForm* ScreenWHForm = nullptr;
  TPrammeForm* PrammeForm = nullptr;
  TGetPramForm* GetPramForm = nullptr;
  TSendPramForm* SendPramForm = nullptr;
  TKernelForm* KernelForm = nullptr;
  // Not one of the start-up windows: the main window makes and owns it.
  TPictureImportForm* PictureImportForm = nullptr;
  FleetWindow* FleetForm = nullptr;  // made on first use

  // Controls.
  QToolButton* SpeedButton5 = nullptr;  // connect
  QToolButton* SpeedButton4 = nullptr;  // disconnect
  QToolButton* SpeedButton1 = nullptr;  // new program
  QToolButton* SpeedButton2 = nullptr;  // delete program
  QToolButton* SpeedButton3 = nullptr;  // edit program
  QToolButton* SpeedButton7 = nullptr;  // load picture
  QToolButton* SpeedButton9 = nullptr;  // import any picture, converted to the LED colours
  QToolButton* SpeedButton8 = nullptr;  // preview
  QToolButton* SpeedButton6 = nullptr;  // send library
  QTreeWidget* TreeView1 = nullptr;
  QScrollArea* ScrollBox1 = nullptr;
  QLabel* Image1 = nullptr;
  QComboBox* ComboBox2 = nullptr;  // play mode
  QComboBox* ComboBox3 = nullptr;  // play speed
  QLineEdit* Edit4 = nullptr;      // dwell time
  TUpDown* UpDown3 = nullptr;
  QStatusBar* StatusBar1 = nullptr;  // panels: the connection, the picked program, spare
  QTimer* Timer1 = nullptr;          // the workspace's heartbeat, 5000 ms

  // Menu items.
  QAction* O1 = nullptr;  // 导出
  QAction* I1 = nullptr;  // 导入
  QAction* P1 = nullptr;  // 导入图片
  QAction* E1 = nullptr;  // 退出
  QAction* C1 = nullptr;  // 串口
  QAction* C3 = nullptr;  // TCP/IP
  QAction* S2 = nullptr;  // 通讯配置
  QAction* L1 = nullptr;  // 大屏参数
  QAction* N2 = nullptr;  // 获取节目
  QAction* C2 = nullptr;  // 节目控制
  QAction* G1 = nullptr;  // 格式化
  QAction* R1 = nullptr;  // 重启
  QAction* F1 = nullptr;  // 远程升级
  QAction* M1 = nullptr;  // 大屏管理

  // The picture shown in the picture area, 1:1, top-left aligned.
  void showPicture(const QImage& picture);
  const QImage& shownPicture() const { return shownPicture_; }

  // Clears the tree and adds the root and one node (with its "发布信息" child) per program.
  void RebuildProgramList();
  // The number of the program whose node is picked, -1 when no node is picked, -2 when the
  // picked node is not a program node.
  int pickedProgramNumber() const;

  // The connection state is which of the two buttons shows: connect while disconnected,
  // disconnect while connected; the buttons follow the workspace.
  bool isConnected() const { return ws_.isConnected(); }

  // Handlers.
  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton3Click();
  void SpeedButton7Click();
  void SpeedButton9Click();
  void SpeedButton8Click();
  void TreeView1Click();
  void ComboBox2Change();
  void ComboBox3Change();
  void Edit4Change();
  void E1Click();
  // The windows that talk to the controller; each checks its own preconditions.
  void SpeedButton6Click();
  void N2Click();
  void C2Click();
  void F1Click();
  void M1Click();
  void L1Click();
  // Connection.
  void SpeedButton5Click();
  void SpeedButton4Click();
  void Timer1Timer();
  void C1Click();
  void C3Click();
  void S2Click();
  void G1Click();
  void R1Click();
  void O1Click();
  void I1Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Closing the main window ends the application, even while the editor is open.
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildToolBar();
  void buildMenus();
  void buildCentre();
  QString dwellTextForNewProgram() const;
  void writeBackPlaySettings();
  void setEditingButtonsEnabled(bool enabled);
  // Picking steps of the editing actions: the picked program's number, or -1 after showing
  // `message` for a node that is not a program (or silently when nothing is picked).
  int pickProgram(const QString& message);
  void showProgram(int n);
  void chooseTransport(const QString& value);
  void showTransport();
  void showConnection(bool connected);
  void showBlackSign();
  // The connection ("已连接 TCP/IP 127.0.0.1:8000 64×32 型号2" or "未连接") in the status bar's
  // first panel, the picked program with its size in the second.
  void showStatus();
  QLabel* statusPanel(int index) const;
  void connectionTail(int width, int height);
  void openWindow(QWidget* window);

  Workspace& ws_;
  Prompt& prompt_;
  QImage shownPicture_;
  std::array<QLabel*, 3> statusPanels_{};
};

// The program number a node caption names ("节目" followed by k names k-1), or -1.
int programNumberFromCaption(const QString& caption);
