#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

#include "CommSettings.h"
#include "GbkIni.h"
#include "TestHome.h"

namespace {

TEST(CommSettings, MissingFileAndGarbageValuesGiveTheDefaults) {
  TestHome home;
  const CommSettings none = CommSettings::load(home.file("set.ini"));
  EXPECT_EQ(none.Transport, QStringLiteral("0"));
  EXPECT_EQ(none.SerialPort, QStringLiteral("COM1"));
  EXPECT_EQ(none.BaudRate, 0);
  EXPECT_EQ(none.ControllerIp, QStringLiteral("192.168.3.117"));
  EXPECT_EQ(none.ControllerPort, 8000);
  EXPECT_EQ(none.GprsEnabled, 0);
  EXPECT_EQ(none.TimeoutMs, 500);

  // 配置参数 / LEDPORT=80x / 超时时间=12 / 波特率= (empty)
  ASSERT_TRUE(home.write("set.ini",
                         "[\xC5\xE4\xD6\xC3\xB2\xCE\xCA\xFD]\r\nLEDPORT=80x\r\n"
                         "\xB3\xAC\xCA\xB1\xCA\xB1\xBC\xE4=12\r\n\xB2\xA8\xCC\xD8\xC2\xCA=\r\n"
                         "LEDIP=127.0.0.1"));
  const CommSettings s = CommSettings::load(home.file("set.ini"));
  EXPECT_EQ(s.ControllerPort, 8000);
  EXPECT_EQ(s.TimeoutMs, 12);
  EXPECT_EQ(s.BaudRate, 0);
  EXPECT_EQ(s.ControllerIp, QStringLiteral("127.0.0.1"));
}

TEST(CommSettings, PagesWriteTheirKeysAndKeepTheRest) {
  TestHome home;
  const QString file = home.file("set.ini");
  ASSERT_TRUE(home.write("set.ini", "[other]\r\nkeep=1\r\n"));
  CommSettings::writeSerialPage(file, QStringLiteral("/dev/ttyUSB0"), QStringLiteral("115200"), 1,
                                800);
  CommSettings::writeNetPage(file, QStringLiteral("127.0.0.1"), QStringLiteral("8001"));
  CommSettings::writeTransport(file, QStringLiteral("1"));
  const CommSettings s = CommSettings::load(file);
  EXPECT_EQ(s.SerialPort, QStringLiteral("/dev/ttyUSB0"));
  EXPECT_EQ(s.BaudRate, 115200);
  EXPECT_EQ(s.GprsEnabled, 1);
  EXPECT_EQ(s.TimeoutMs, 800);
  EXPECT_EQ(s.ControllerPort, 8001);
  EXPECT_FALSE(s.serial());
  EXPECT_TRUE(
      home.read("set.ini").startsWith("[other]\r\nkeep=1\r\n[\xC5\xE4\xD6\xC3\xB2\xCE\xCA\xFD]\r\n"
                                      "\xB4\xAE\xBF\xDA=/dev/ttyUSB0\r\n"));
}

TEST(SerialPorts, ListsDevicesWithHardwareThenTheExtraPaths) {
  TestHome sys;
  auto makeTty = [&](const char* name, bool device, const char* type) {
    QDir(sys.path()).mkpath(QStringLiteral("%1").arg(name));
    if (device) {
      QDir(sys.path()).mkpath(QStringLiteral("%1/device").arg(name));
    }
    if (type) {
      ASSERT_TRUE(sys.write(QStringLiteral("%1/type").arg(name), type));
    }
  };
  makeTty("ttyS0", true, "4\n");
  makeTty("ttyS1", true, "0\n");  // an empty legacy slot
  makeTty("ttyUSB0", true, nullptr);
  makeTty("ttyACM3", false, nullptr);  // no device behind it
  makeTty("tty1", true, nullptr);      // not a serial port
  qputenv("LEDSIGN_EXTRA_PORTS", "/tmp/card-pty::/dev/ttyUSB0");
  const QStringList ports = listSerialPorts(sys.path());
  qunsetenv("LEDSIGN_EXTRA_PORTS");
  EXPECT_EQ(ports, (QStringList{"/dev/ttyS0", "/dev/ttyUSB0", "/tmp/card-pty"}));
}

}  // namespace
