#pragma once
// The operator's signs: the file signs.ini in the home, beside set.ini, a GBK ini file like the
// others. One section per sign, in the order of the list:
//
//   [大屏0]
//   名称=门厅
//   通讯方式=1            1: TCP/IP, 0: serial, as in set.ini
//   LEDIP=127.0.0.1
//   LEDPORT=8000
//   串口=/dev/ttyUSB0
//   波特率=115200
//   屏宽=320              屏宽 and 屏高 together, or neither: the size the sign should have
//   屏高=64
//
// Reading never fails: a missing, empty or unreadable file gives an empty list and a message, a
// section that cannot be used is left out and named. The file is written only when the operator
// changes the list, as a whole and atomically.

#include <QCoreApplication>
#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

struct SignEntry {
  QString name;  // unique in the list; not empty, no control characters, at most 64 characters
  bool serial = false;
  QString host;     // TCP/IP: the card's address (a name or a dotted address)
  int port = 8000;  // TCP/IP: 1 .. 65535
  QString device;   // serial: the device path
  int baud = 115200;
  QSize expectedSize;  // invalid when the list does not say

  // The global options of ledsignctl that reach this sign: --net HOST:PORT, or --serial DEVICE
  // --baud N.
  QStringList linkArguments() const;
  // "127.0.0.1:8000" or "/dev/ttyUSB0 115200", for tables and lines.
  QString linkText() const;

  bool operator==(const SignEntry&) const = default;
};

struct LoadedSignList {
  std::vector<SignEntry> signs;
  // Empty when the file was read whole; otherwise what the operator should know (a missing file,
  // an unreadable one, the sections left out), in the UI's words.
  QString message;
  bool missing = false;  // the file does not exist
};

class SignList {
  Q_DECLARE_TR_FUNCTIONS(SignList)

 public:
  static QString path(const QString& home);  // home/signs.ini
  static LoadedSignList load(const QString& home);
  // Replaces the file as a whole (atomic). Throws LedError naming the file when it cannot be
  // written, or when an entry is not valid (validate()).
  static void save(const QString& home, const std::vector<SignEntry>& signs);
  // Why `sign` cannot join `others` (a bad or taken name, an empty address, a port, baud rate
  // or size out of range), in the UI's words; empty when it can. `others` never holds `sign`.
  static QString validate(const SignEntry& sign, const std::vector<SignEntry>& others);
};
