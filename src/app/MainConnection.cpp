// The main window's link to the controller: transport, connect and disconnect, heartbeat,
// format and reboot.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <optional>

#include "ConnectionGuard.h"
#include "ErrorReport.h"
#include "LinkWait.h"
#include "Mainface.h"
#include "ProgramLimits.h"

void TMainForm::showTransport() {
  C1->setChecked(ws_.commSettings.serial());
  C3->setChecked(!ws_.commSettings.serial());
}

void TMainForm::chooseTransport(const QString& value) {
  // The menu's tick shows the stored transport, also when writing the new one failed.
  try {
    ws_.setTransport(value);
  } catch (...) {
    showTransport();
    throw;
  }
}

void TMainForm::C1Click() {
  runGuarded(prompt_, this, [this] { chooseTransport(QStringLiteral("0")); });
}

void TMainForm::C3Click() {
  runGuarded(prompt_, this, [this] { chooseTransport(QStringLiteral("1")); });
}

void TMainForm::S2Click() {
  if (CommForm) openWindow(CommForm);
}

void TMainForm::SpeedButton5Click() {
  runGuarded(prompt_, this, [this] {
    ControllerLink& controller = ws_.link();
    LinkWait wait(ws_, tr("正在连接…"));
    int width = 0;
    int height = 0;
    const CommSettings& settings = ws_.commSettings;
    if (settings.serial()) {
      controller.Set_GPRS(settings.GprsEnabled, settings.TimeoutMs);
      controller.CloseSerial();
      sleep(1);
      const int opened = controller.OpenSerial(settings.SerialPort, settings.BaudRate);
      sleep(500);
      if (opened != 0) {
        prompt_.message(this, tr("打开串口失败"));
        return;
      }
      const int r = controller.GetWidthHeight(Transport::Serial, &width, &height);
      if (r != 0) {
        prompt_.message(this, tr("获取宽高失败 错误码:%1").arg(r));
        return;
      }
    } else {
      const int r = controller.Connect(settings.ControllerIp, settings.ControllerPort);
      if (r != 0) {
        prompt_.message(this, tr("连接失败 错误代码:%1").arg(r));
        return;
      }
      if (controller.GetWidthHeight(Transport::Net, &width, &height) != 0) {
        prompt_.message(this, tr("获取宽高失败"));
        return;
      }
    }
    connectionTail(width, height);
  });
}

void TMainForm::connectionTail(int width, int height) {
  // A sign size the picture area and the store cannot hold is refused before anything changes.
  if (!Workspace::validSide(width) || !Workspace::validSide(height)) {
    prompt_.message(this, tr("获取宽高失败：控制卡报告的屏幕尺寸无效（%1 × %2），"
                             "每边应在 1 到 %3 之间")
                              .arg(width)
                              .arg(height)
                              .arg(Workspace::MaxSide));
    return;
  }
  ws_.setSignSize(width, height);
  ws_.markConnected();

  const Transport t = ws_.transport();
  ws_.ControllerProgramCount = ws_.link().ProgramNumber(t);
  if (ws_.ControllerProgramCount < 0) {
    prompt_.message(this, tr("获取节目数失败"));
    return;
  }
  ws_.ControllerModel = ws_.link().Type(t);
  showStatus();
  if (ws_.ControllerModel < 0) {
    prompt_.message(this, tr("获取LED控制卡型号失败"));
    return;
  }
  // New programs take the sign's size: one the card cannot hold even in one colour is told now,
  // not first when a send is refused.
  if (const QString limit = sizeLimitMessage(ws_.ControllerModel, 1, width, height);
      !limit.isEmpty()) {
    prompt_.message(this, tr("LED屏 %1×%2 超出控制卡的节目尺寸：%3。"
                             "新节目须改小尺寸后才能发送。")
                              .arg(width)
                              .arg(height)
                              .arg(limit));
  }
}

void TMainForm::SpeedButton4Click() {
  runGuarded(prompt_, this, [this] {
    LinkWait wait(ws_, tr("正在断开…"));
    if (ws_.commSettings.serial()) {
      ws_.link().CloseSerial();
    } else {
      ws_.link().Disnect();
    }
    ws_.markDisconnected();
  });
}

void TMainForm::Timer1Timer() {
  if (ws_.commSettings.serial() || !isConnected()) return;
  runGuarded(prompt_, this, [this] {
    if (ws_.link().SendHeart() != 0) {
      ws_.markDisconnected();
      prompt_.message(this, tr("获取心跳包失败"));
    }
  });
}

void TMainForm::G1Click() {
  runGuarded(prompt_, this, [this] {
    if (!requireConnection(ws_, prompt_, this)) return;
    if (!prompt_.question(this, tr("是否格式化LED大屏!"))) return;
    ControllerLink& controller = ws_.link();
    if (ws_.commSettings.serial()) {
      LinkWait wait(ws_, tr("正在格式化…"));
      const int r = controller.Format(Transport::Serial);
      prompt_.message(this, r == 0 ? tr("格式化成功") : tr("格式化失败"));
      return;
    }
    Workspace::HeartbeatPause pause(ws_);
    int r = 0;
    {
      LinkWait wait(ws_, tr("正在格式化…"));
      r = controller.Format(Transport::Net);
    }
    if (r == 0) {
      prompt_.message(this, tr("格式化成功"));
    } else {
      prompt_.message(this, tr("格式化失败"));
      ws_.markDisconnected();
    }
  });
}

void TMainForm::R1Click() {
  runGuarded(prompt_, this, [this] {
    if (!prompt_.question(this, tr("是否重启LED大屏!"))) return;
    ControllerLink& controller = ws_.link();
    const Transport t = ws_.transport();
    std::optional<Workspace::HeartbeatPause> pause;
    if (t == Transport::Net) pause.emplace(ws_);
    int r = 0;
    {
      LinkWait wait(ws_, tr("正在重启…"));
      r = controller.Reboot(t);
    }
    prompt_.message(this, r == 0 ? tr("发送成功") : tr("发送失败"));
    if (t == Transport::Net) ws_.markDisconnected();
  });
}
