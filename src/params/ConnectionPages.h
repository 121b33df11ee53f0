#pragma once
// The parameter dialog's pages for the sign's size, its two serial ports and its network.

#include <QGroupBox>

#include "ParamPage.h"
#include "ParamRules.h"

class QComboBox;
class QLineEdit;
class QPushButton;

// "LED宽高": tells the controller the size of its LED matrix and takes it as the sign's size.
class ScreenSizePage : public ParamPage {
  Q_OBJECT
 public:
  ScreenSizePage(Workspace& workspace, Prompt& prompt, QWidget* parent = nullptr);
  QLineEdit* Edit1;  // "屏宽"
  QLineEdit* Edit2;  // "屏高"
  QPushButton* SetButton;
  QPushButton* CancelButton;

  // Shows the sign's size as the workspace holds it.
  void fill();
  void SetButtonClick();

 Q_SIGNALS:
  // The size was set, or the operator cancelled: the dialog closes.
  void closeRequested();
};

// One serial port of the controller: the baud list can be chosen, the other three only show
// what the controller reported.
class SerialGroup : public QGroupBox {
  Q_OBJECT
 public:
  SerialGroup(const QString& title, QWidget* parent = nullptr);
  QComboBox* ComboBox1;  // "波特率"
  QComboBox* ComboBox2;  // "校验位"
  QComboBox* ComboBox3;  // "数据位"
  QComboBox* ComboBox4;  // "停止位"
  QPushButton* ReadButton;
  QPushButton* ChangeButton;

  params::SerialChoice choice() const;
  void showChoice(const params::SerialChoice& choice);
};

// "串口配置": RS232 over either library; RS485 only over the network library.
class SerialPortsPage : public ParamPage {
  Q_OBJECT
 public:
  SerialPortsPage(Workspace& workspace, Prompt& prompt, QWidget* parent = nullptr);
  SerialGroup* GroupBox1;  // "RS232"
  SerialGroup* GroupBox2;  // "RS485"

  void RS232ReadClick();
  void RS232ChangeClick();
  void RS485ReadClick();
  void RS485ChangeClick();

 private:
  void read(SerialGroup* group, bool rs485);
  void change(SerialGroup* group, bool rs485);
};

// "网络参数": the controller's address, mask, gateway and TCP port.
class NetworkPage : public ParamPage {
  Q_OBJECT
 public:
  NetworkPage(Workspace& workspace, Prompt& prompt, QWidget* parent = nullptr);
  QLineEdit* Edit1;  // "IP地址"
  QLineEdit* Edit2;  // "子网掩码"
  QLineEdit* Edit3;  // "默认网关"
  QLineEdit* Edit4;  // "端口"
  QPushButton* ReadButton;
  QPushButton* ChangeButton;

  void ReadButtonClick();
  void ChangeButtonClick();
};
