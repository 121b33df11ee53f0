#pragma once

#include <QDialog>
#include <array>

#include "LinkRunner.h"
#include "protocol/Records.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;
class Prompt;
class Workspace;

// "串口": port, baud rate, GPRS and timeout.
class SerialPage : public QWidget {
  Q_OBJECT
 public:
  explicit SerialPage(QWidget* parent = nullptr);
  QComboBox* ComboBox1;
  QComboBox* ComboBox2;
  QCheckBox* CheckBox1;
  QLineEdit* Edit3;
  QPushButton* OkButton;
  QPushButton* CancelButton;
};

// "TCP/IP": the controller's address and port.
class NetPage : public QWidget {
  Q_OBJECT
 public:
  explicit NetPage(QWidget* parent = nullptr);
  QLineEdit* Edit1;
  QLineEdit* Edit2;
  QPushButton* OkButton;
  QPushButton* CancelButton;
};

// "波特率查询": asks a port at which rate the controller answers.
class BaudQueryPage : public QWidget {
  Q_OBJECT
 public:
  explicit BaudQueryPage(QWidget* parent = nullptr);
  QComboBox* ComboBox3;
  QPushButton* QueryButton;
  QPlainTextEdit* Memo1;
};

// "IP查询": finds controllers on a network adapter.
class IpQueryPage : public QWidget {
  Q_OBJECT
 public:
  explicit IpQueryPage(QWidget* parent = nullptr);
  QComboBox* ComboBox4;
  QPushButton* QueryButton;
  QTableWidget* StringGrid1;
  // Blanks every cell and writes the header row.
  void clearGrid();
  void setCell(int row, int column, const QString& text);
};

// The communication settings window, modeless: it edits the workspace's CommSettings and the
// "配置参数" section of set.ini, and offers the two discovery tools.
class TCommForm : public QDialog {
  Q_OBJECT
 public:
  TCommForm(Workspace& workspace, Prompt& prompt, QWidget* parent = nullptr);
  ~TCommForm() override;

  QTabWidget* PageControl1;
  SerialPage* serialPage;
  NetPage* netPage;
  BaudQueryPage* baudPage;
  IpQueryPage* ipPage;

  void FormShow();
  void SerialOkClick();
  void NetOkClick();
  void BaudQueryClick();
  void IpPageShow();
  void IpQueryClick();
  void StringGrid1DblClick(int row);
  // Waits for the baud queries still running (each is bounded by the link's timeouts); their
  // answers come with the next events handled.
  void waitForQueries();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void appendBaudLine(const QString& line);

  Workspace& ws_;
  Prompt& prompt_;
  std::array<NetCardEntry, 16> cards_{};
  int cardCount_ = 0;
  // The baud queries; each press starts one.
  LinkRunner queries_;
};
