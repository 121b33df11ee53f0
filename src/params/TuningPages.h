#pragma once
// The parameter dialog's pages for the display, the daily schedule and the clock.

#include <QDateTime>
#include <functional>

#include "ParamPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

// "扫描方式": how the controller drives the LED modules.
class ScanPage : public ParamPage {
  Q_OBJECT
 public:
  ScanPage(Workspace& workspace, Prompt& prompt, QWidget* parent = nullptr);
  QComboBox* ComboBox1;  // "扫描方式"
  QCheckBox* CheckBox1;  // "行译码"
  QCheckBox* CheckBox2;  // "数据信号反向"
  QComboBox* ComboBox2;  // "OE极性"
  QPushButton* ReadButton;
  QPushButton* ChangeButton;

  void ReadButtonClick();
  void ChangeButtonClick();
};

// "亮度": one brightness level 1 to 32.
class BrightnessPage : public ParamPage {
  Q_OBJECT
 public:
  BrightnessPage(Workspace& workspace, Prompt& prompt, QWidget* parent = nullptr);
  QSlider* TrackBar1;
  QLabel* Label1;  // the bar's number
  QPushButton* ReadButton;
  QPushButton* ChangeButton;

  void ReadButtonClick();
  void ChangeButtonClick();
};

// "固件版本": the controller's firmware version text.
class VersionPage : public ParamPage {
  Q_OBJECT
 public:
  VersionPage(Workspace& workspace, Prompt& prompt, QWidget* parent = nullptr);
  QLineEdit* Edit1;  // "版本信息"
  QPushButton* ReadButton;

  void ReadButtonClick();
};

// "开关时间": the daily switch-on and switch-off time.
class OnOffTimePage : public ParamPage {
  Q_OBJECT
 public:
  OnOffTimePage(Workspace& workspace, Prompt& prompt, QWidget* parent = nullptr);
  QComboBox* ComboBox1;  // switch-on hour
  QComboBox* ComboBox2;  // switch-on minute
  QComboBox* ComboBox3;  // switch-off hour
  QComboBox* ComboBox4;  // switch-off minute
  QPushButton* ReadButton;
  QPushButton* ChangeButton;

  void ReadButtonClick();
  void ChangeButtonClick();
};

// "日夜亮度": the brightness levels for day and for night.
class DayNightPage : public ParamPage {
  Q_OBJECT
 public:
  DayNightPage(Workspace& workspace, Prompt& prompt, QWidget* parent = nullptr);
  QSlider* TrackBar1;  // "白天亮度"
  QSlider* TrackBar2;  // "晚上亮度"
  QLabel* Label1;      // day bar's number
  QLabel* Label2;      // night bar's number
  QPushButton* ReadButton;
  QPushButton* ChangeButton;

  void ReadButtonClick();
  void ChangeButtonClick();
};

// "时间": the controller's clock, set from the PC's.
class ClockPage : public ParamPage {
  Q_OBJECT
 public:
  ClockPage(Workspace& workspace, Prompt& prompt, QWidget* parent = nullptr);
  QLineEdit* Edit1;  // the time display
  QPushButton* ReadButton;
  QPushButton* SetButton;  // "校时"
  // The PC's local date and time.
  std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };

  void ReadButtonClick();
  void SetButtonClick();

 protected:
  void showEvent(QShowEvent* event) override;
};
