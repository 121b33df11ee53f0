// The main window's link to the controller: transport, connect and disconnect, heartbeat,
// format and reboot.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <optional>

#include "ErrorReport.h"
#include "Mainface.h"

namespace {

// A blocking link call on the GUI thread shows a busy cursor.
class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

// Stops the heartbeat for the duration of an operation and starts it again afterwards.
class HeartbeatPause {
 public:
  explicit HeartbeatPause(QTimer* timer) : timer_(timer) { timer_->stop(); }
  ~HeartbeatPause() { timer_->start(); }
  HeartbeatPause(const HeartbeatPause&) = delete;
  HeartbeatPause& operator=(const HeartbeatPause&) = delete;

 private:
  QTimer* timer_;
};

}  // namespace

QString TMainForm::commSettingsPath() const {
  return QDir(home()).filePath(QStringLiteral("set.ini"));
}

ControllerLink& TMainForm::link() {
  if (!link_) throw LedError(QStringLiteral("找不到通讯库 NQ_COM_LED 和 NQ_NET_LED"));
  return *link_;
}

bool TMainForm::requireConnection() {
  if (isConnected()) return true;
  prompt_.message(this, QStringLiteral("请先连接大屏"));
  return false;
}

void TMainForm::chooseTransport(const QString& value) {
  const bool serial = value == QLatin1String("0");
  if (commSettings.serial() == serial) {
    C1->setChecked(serial);  // the item already carried the check mark
    C3->setChecked(!serial);
    return;
  }
  CommSettings::writeTransport(commSettingsPath(), value);
  commSettings.Transport = value;
  C1->setChecked(serial);
  C3->setChecked(!serial);
}

void TMainForm::C1Click() {
  runGuarded(prompt_, this, [this] { chooseTransport(QStringLiteral("0")); });
}

void TMainForm::C3Click() {
  runGuarded(prompt_, this, [this] { chooseTransport(QStringLiteral("1")); });
}

void TMainForm::S2Click() {
  if (!CommForm) return;
  CommForm->show();
  CommForm->raise();
  CommForm->activateWindow();
}

void TMainForm::SpeedButton5Click() {
  runGuarded(prompt_, this, [this] {
    ControllerLink& controller = link();
    BusyCursor busy;
    int width = 0;
    int height = 0;
    if (commSettings.serial()) {
      controller.Set_GPRS(commSettings.GprsEnabled, commSettings.TimeoutMs);
      controller.CloseSerial();
      sleep(1);
      const int opened = controller.OpenSerial(commSettings.SerialPort, commSettings.BaudRate);
      sleep(500);
      if (opened != 0) {
        prompt_.message(this, QStringLiteral("打开串口失败"));
        return;
      }
      const int r = controller.GetWidthHeight(Transport::Serial, &width, &height);
      if (r != 0) {
        prompt_.message(this, QStringLiteral("获取宽高失败 错误码:") + QString::number(r));
        return;
      }
    } else {
      const int r = controller.Connect(commSettings.ControllerIp, commSettings.ControllerPort);
      if (r != 0) {
        prompt_.message(this, QStringLiteral("连接失败 错误代码:") + QString::number(r));
        return;
      }
      if (controller.GetWidthHeight(Transport::Net, &width, &height) != 0) {
        prompt_.message(this, QStringLiteral("获取宽高失败"));
        return;
      }
    }
    connectionTail(width, height);
  });
}

void TMainForm::connectionTail(int width, int height) {
  // A sign size the picture area cannot hold is refused before anything changes.
  if (width <= 0 || height <= 0 || width > 16384 || height > 16384) {
    prompt_.message(
        this,
        QStringLiteral("获取宽高失败：控制卡报告的屏幕尺寸无效（%1 × %2）").arg(width).arg(height));
    return;
  }
  ScreenWidth = width;
  ScreenHeight = height;
  QImage black(ScreenWidth, ScreenHeight, QImage::Format_RGB32);
  black.fill(Qt::black);
  showPicture(black);
  markConnected();

  const Transport t = transport();
  ControllerProgramCount = link().ProgramNumber(t);
  if (ControllerProgramCount < 0) {
    prompt_.message(this, QStringLiteral("获取节目数失败"));
    return;
  }
  ControllerModel = link().Type(t);
  if (ControllerModel < 0) prompt_.message(this, QStringLiteral("获取LED控制卡型号失败"));
}

void TMainForm::SpeedButton4Click() {
  runGuarded(prompt_, this, [this] {
    BusyCursor busy;
    if (commSettings.serial()) {
      link().CloseSerial();
    } else {
      link().Disnect();
    }
    markDisconnected();
  });
}

void TMainForm::Timer1Timer() {
  if (commSettings.serial() || !isConnected()) return;
  runGuarded(prompt_, this, [this] {
    if (link().SendHeart() != 0) {
      markDisconnected();
      prompt_.message(this, QStringLiteral("获取心跳包失败"));
    }
  });
}

void TMainForm::G1Click() {
  runGuarded(prompt_, this, [this] {
    if (!requireConnection()) return;
    if (!prompt_.question(this, QStringLiteral("是否格式化LED大屏!"))) return;
    ControllerLink& controller = link();
    if (commSettings.serial()) {
      BusyCursor busy;
      const int r = controller.Format(Transport::Serial);
      prompt_.message(this, r == 0 ? QStringLiteral("格式化成功") : QStringLiteral("格式化失败"));
      return;
    }
    HeartbeatPause pause(Timer1);
    int r = 0;
    {
      BusyCursor busy;
      r = controller.Format(Transport::Net);
    }
    if (r == 0) {
      prompt_.message(this, QStringLiteral("格式化成功"));
    } else {
      prompt_.message(this, QStringLiteral("格式化失败"));
      markDisconnected();
    }
  });
}

void TMainForm::R1Click() {
  runGuarded(prompt_, this, [this] {
    if (!prompt_.question(this, QStringLiteral("是否重启LED大屏!"))) return;
    ControllerLink& controller = link();
    const Transport t = transport();
    std::optional<HeartbeatPause> pause;
    if (t == Transport::Net) pause.emplace(Timer1);
    int r = 0;
    {
      BusyCursor busy;
      r = controller.Reboot(t);
    }
    prompt_.message(this, r == 0 ? QStringLiteral("发送成功") : QStringLiteral("发送失败"));
    if (t == Transport::Net) markDisconnected();
  });
}
