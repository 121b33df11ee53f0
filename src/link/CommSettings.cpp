#include "CommSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "AtomicFile.h"
#include "GbkIni.h"

namespace {

const QString kSection = QStringLiteral("配置参数");
constexpr qint64 kMaxSettingsBytes = qint64{1024} * 1024;

GbkIni loadIni(const QString& path) {
  if (!QFile::exists(path)) return GbkIni::parse({});
  return GbkIni::parse(readWholeFile(path, kMaxSettingsBytes));
}

QString text(const GbkIni& ini, const QString& key, const QString& fallback) {
  const auto v = ini.value(kSection, key);
  return v ? GbkIni::fromGbk(*v) : fallback;
}

}  // namespace

CommSettings CommSettings::load(const QString& settingsFile) {
  CommSettings s;
  GbkIni ini = GbkIni::parse({});
  try {
    ini = loadIni(settingsFile);
  } catch (...) {
    return s;  // an unreadable file gives the defaults
  }
  s.Transport = text(ini, QStringLiteral("通讯方式"), s.Transport);
  s.SerialPort = text(ini, QStringLiteral("串口"), s.SerialPort);
  s.BaudRate = ini.intValue(kSection, QStringLiteral("波特率"), s.BaudRate);
  s.ControllerIp = text(ini, QStringLiteral("LEDIP"), s.ControllerIp);
  s.ControllerPort = ini.intValue(kSection, QStringLiteral("LEDPORT"), s.ControllerPort);
  s.GprsEnabled = ini.intValue(kSection, QStringLiteral("GPRS"), s.GprsEnabled);
  s.TimeoutMs = ini.intValue(kSection, QStringLiteral("超时时间"), s.TimeoutMs);
  return s;
}

void CommSettings::writeTransport(const QString& settingsFile, const QString& transport) {
  GbkIni ini = loadIni(settingsFile);
  ini.setValue(kSection, QStringLiteral("通讯方式"), GbkIni::toGbk(transport));
  writeFileAtomically(settingsFile, ini.serialize());
}

void CommSettings::writeSerialPage(const QString& settingsFile, const QString& port,
                                   const QString& baudText, int gprs, int timeoutMs) {
  GbkIni ini = loadIni(settingsFile);
  ini.setValue(kSection, QStringLiteral("串口"), GbkIni::toGbk(port));
  ini.setValue(kSection, QStringLiteral("波特率"), GbkIni::toGbk(baudText));
  ini.setValue(kSection, QStringLiteral("GPRS"), gprs);
  ini.setValue(kSection, QStringLiteral("超时时间"), timeoutMs);
  writeFileAtomically(settingsFile, ini.serialize());
}

void CommSettings::writeNetPage(const QString& settingsFile, const QString& ipText,
                                const QString& portText) {
  GbkIni ini = loadIni(settingsFile);
  ini.setValue(kSection, QStringLiteral("LEDIP"), GbkIni::toGbk(ipText));
  ini.setValue(kSection, QStringLiteral("LEDPORT"), GbkIni::toGbk(portText));
  writeFileAtomically(settingsFile, ini.serialize());
}

QStringList listSerialPorts(const QString& sysfsTtyDir) {
  QStringList ports;
  const QDir tty(sysfsTtyDir);
  const QStringList names =
      tty.entryList({QStringLiteral("ttyS*"), QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*")},
                    QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
  for (const QString& name : names) {
    const QDir dev(tty.filePath(name));
    if (!QFileInfo::exists(dev.filePath(QStringLiteral("device")))) continue;
    if (name.startsWith(QLatin1String("ttyS"))) {
      // Legacy UART slots exist whether or not a UART answers; type 0 means none.
      QFile type(dev.filePath(QStringLiteral("type")));
      if (type.open(QIODevice::ReadOnly) && type.readAll().trimmed() == "0") continue;
    }
    ports << QStringLiteral("/dev/") + name;
  }
  const QString extra = qEnvironmentVariable("LEDSIGN_EXTRA_PORTS");
  for (const QString& path : extra.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
    if (!ports.contains(path)) ports << path;
  }
  return ports;
}
