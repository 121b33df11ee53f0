#include "Ctl.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

#include "Home.h"
#include "HomeLock.h"
#include "LedError.h"
#include "LinkLibraries.h"
#include "ProgramStore.h"

namespace ctl {

void controllerFailed(const QString& what, int code) {
  fail(ControllerFailed,
       QCoreApplication::translate("ledsignctl", "%1,错误代码：%2").arg(what).arg(code));
}

Context::Context() : out_(stdout), err_(stderr) {}

Context::~Context() {
  if (!connected_ || !link_) return;
  if (transport() == Transport::Serial)
    link_->CloseSerial();
  else
    link_->Disnect();
}

QString Context::home() {
  if (!home_) home_ = resolveHome(QCoreApplication::applicationDirPath(), homeOverride);
  return *home_;
}

void Context::lockHome() {
  if (lock_) return;
  if (sharedHome)
    badInput(QCoreApplication::translate(
        "ledsignctl", "--shared-home：这条命令会写入节目库或设置，不能用于共享的节目库"));
  auto lock = std::make_unique<HomeLock>(home());
  if (!lock->tryLock()) fail(HomeLocked, lock->refusal());
  lock_ = std::move(lock);
}

ProgramStore& Context::store() {
  lockHome();
  if (!store_) store_ = std::make_unique<ProgramStore>(home());
  return *store_;
}

ProgramStore& Context::readStore() {
  if (!sharedHome) return store();
  if (!store_) store_ = std::make_unique<ProgramStore>(home());
  return *store_;
}

const CommSettings& Context::settings() {
  if (settings_) return *settings_;
  CommSettings s;
  // The home's settings are read only when this call does not name its link.
  if (!netOverride && !serialDevice) {
    lockHome();
    s = CommSettings::load(QDir(home()).filePath(QStringLiteral("set.ini")));
  }
  if (netOverride) {
    s.Transport = QStringLiteral("1");
    splitHostPort(*netOverride, s.ControllerIp, s.ControllerPort);
    if (s.ControllerIp.isEmpty())
      badInput(QCoreApplication::translate("ledsignctl", "--net 需要控制卡的地址"));
  }
  if (serialDevice) {
    // The home's line speed is not read when the call names its own line.
    if (!baud)
      badInput(QCoreApplication::translate("ledsignctl",
                                           "--serial 需要 --baud N（控制卡串口的波特率）"));
    s.Transport = QStringLiteral("0");
    s.SerialPort = *serialDevice;
  }
  if (baud) s.BaudRate = *baud;
  if (timeoutMs) s.TimeoutMs = *timeoutMs;
  settings_ = s;
  return *settings_;
}

ControllerLink& Context::link() {
  if (!link_) {
    // The link libraries write a fetch into the home they are told of before they load.
    exportHomeToLinkLibraries(home());
    if (timeoutMs) qputenv("NQ_LINK_TIMEOUT_MS", QByteArray::number(*timeoutMs));
    link_ = std::make_unique<LinkLibraries>(
        LinkLibraries::directoryFor(QCoreApplication::applicationDirPath()));
  }
  return *link_;
}

void Context::connect() {
  if (connected_) return;
  const CommSettings& s = settings();
  ControllerLink& l = link();
  try {
    if (s.serial()) {
      const int r = l.OpenSerial(s.SerialPort, s.BaudRate);
      if (r != 0) controllerFailed(QCoreApplication::translate("ledsignctl", "打开串口失败"), r);
      l.Set_GPRS(s.GprsEnabled, s.TimeoutMs);
    } else {
      const int r = l.Connect(s.ControllerIp, s.ControllerPort);
      if (r != 0) controllerFailed(QCoreApplication::translate("ledsignctl", "连接失败"), r);
    }
  } catch (const LedError& e) {
    badInput(e.text());  // a link library that is missing
  }
  connected_ = true;
}

void parseCommand(Context& ctx, QCommandLineParser& parser, const QStringList& args,
                  const QString& description, int minPositional, int maxPositional) {
  parser.setApplicationDescription(description);
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                QCoreApplication::translate("ledsignctl", "显示这条命令的说明。"));
  parser.addOption(help);
  if (!parser.parse(args)) badInput(parser.errorText());
  if (parser.isSet(help)) {
    // Qt names the program by its path in the usage line; the command goes after the tool's name.
    QString text = parser.helpText();
    const QString program = QCoreApplication::arguments().constFirst();
    if (const qsizetype at = text.indexOf(program); at >= 0)
      text.replace(at, program.size(), QStringLiteral("ledsignctl ") + args.value(0));
    ctx.out() << text;
    ctx.out().flush();
    throw Exit{Success, {}};
  }
  const qsizetype n = parser.positionalArguments().size();
  if (n < minPositional || (maxPositional >= 0 && n > maxPositional)) {
    badInput(QCoreApplication::translate("ledsignctl", "%1：参数个数不对，见 ledsignctl %1 --help")
                 .arg(args.value(0)));
  }
}

void splitHostPort(const QString& text, QString& host, int& port) {
  const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
  host = colon < 0 ? text : text.left(colon);
  if (colon >= 0) port = intArgument(text.mid(colon + 1), 1, 65535, "--net PORT");
}

int intArgument(const QString& text, int low, int high, const QString& what) {
  bool ok = false;
  const int v = text.toInt(&ok);
  if (!ok || v < low || v > high) {
    badInput(QCoreApplication::translate("ledsignctl", "%1 应为 %2 到 %3 之间的整数，而不是“%4”")
                 .arg(what)
                 .arg(low)
                 .arg(high)
                 .arg(text));
  }
  return v;
}

}  // namespace ctl
