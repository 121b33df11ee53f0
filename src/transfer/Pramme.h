#pragma once

#include <QDialog>

#include "protocol/Records.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class Prompt;
class Workspace;

// "节目控制": assigns to each of the controller's six input lines an ordered list of up to 16 of
// its programs. "获取" reads the whole table, the lists edit one line, "下发" sends the table
// back with that line replaced. Modal; every link call runs on the GUI thread under a LinkWait.
class TPrammeForm : public QDialog {
  Q_OBJECT
 public:
  TPrammeForm(Workspace& workspace, Prompt& prompt, QWidget* parent = nullptr);

  // The operator's command: the connection guard, then the dialog with the heartbeat paused.
  void launch();

  QLabel* Label1;         // "IO"
  QComboBox* ComboBox1;   // the input lines "IO1" .. "IO6"
  QListWidget* ListBox1;  // all programs on the controller
  QListWidget* ListBox2;  // the programs of the chosen line
  QPushButton* Button1;   // ">>"
  QPushButton* Button2;   // "<<"
  QPushButton* Button3;   // "获取"
  QPushButton* Button4;   // "下发"

  // The table as the dialog holds it: as last read or sent, zero after each showing.
  const ProgramIoTable& table() const { return table_; }

  void FormShow();
  void ComboBox1Change();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void showLine(int line);
  void updateButtons();

  Workspace& ws_;
  Prompt& prompt_;
  ProgramIoTable table_{};
};
