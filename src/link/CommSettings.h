#pragma once

#include <QString>
#include <QStringList>

// How the system reaches the controller: the section "配置参数" of the home's set.ini (GBK,
// decimal text values), loaded once at start-up. Transport "0" is serial, anything else TCP/IP.
// An integer key whose text is not a decimal integer reads as its default.
struct CommSettings {
  QStringList PortNames;
  QString Transport = QStringLiteral("0");
  QString SerialPort = QStringLiteral("COM1");
  int BaudRate = 0;
  QString ControllerIp = QStringLiteral("192.168.3.117");
  int ControllerPort = 8000;
  int GprsEnabled = 0;
  int TimeoutMs = 500;

  bool serial() const { return Transport == QLatin1String("0"); }

  static CommSettings load(const QString& settingsFile);

  // Each writes its keys in one atomic replacement of the file; other sections and keys stay.
  static void writeTransport(const QString& settingsFile, const QString& transport);
  static void writeSerialPage(const QString& settingsFile, const QString& port,
                              const QString& baudText, int gprs, int timeoutMs);
  static void writeNetPage(const QString& settingsFile, const QString& ipText,
                           const QString& portText);
};

// The serial ports of this machine that have a device behind them (/dev/ttyS*, /dev/ttyUSB*,
// /dev/ttyACM*), then the device paths listed, colon-separated, in LEDSIGN_EXTRA_PORTS.
QStringList listSerialPorts(const QString& sysfsTtyDir = QStringLiteral("/sys/class/tty"));
