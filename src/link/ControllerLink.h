#pragma once

#include <QByteArray>
#include <QString>

#include "protocol/Records.h"

enum class Transport { Serial, Net };

// The controller link libraries as the application calls them: one method per operation, the
// libraries' own names and argument order, with the transport picking the serial or the network
// library for operations both offer. Results are the libraries' own: 0 success, a positive
// failure code, count-like queries negative on failure. A library or function that could not
// be loaded throws LedError naming it.
class ControllerLink {
 public:
  virtual ~ControllerLink() = default;

  // Serial library only.
  virtual int OpenSerial(const QString& port, int baud) = 0;
  virtual int CloseSerial() = 0;
  virtual int Set_GPRS(int gprs, int timeoutMs) = 0;
  virtual int GetBaud(const QString& port) = 0;
  virtual int UpdateFile(const QString& path) = 0;

  // Network library only.
  virtual int Connect(const QString& ip, int port) = 0;
  virtual int Disnect() = 0;
  virtual int SendHeart() = 0;
  virtual int GetNetCard(NetCardEntry* table16) = 0;
  virtual int SendArpPacket(int adapter) = 0;
  virtual int GetNetIP(NetIpEntry* table1024) = 0;
  virtual int UpdateBytes(const QByteArray& image) = 0;
  virtual int Get485Para(SerialParaRecord* para) = 0;
  virtual int Mod485Para(SerialParaRecord* para) = 0;

  // Both libraries.
  virtual int GetWidthHeight(Transport t, int* width, int* height) = 0;
  virtual int ProgramNumber(Transport t) = 0;
  virtual int Type(Transport t) = 0;
  virtual int Format(Transport t) = 0;
  virtual int Reboot(Transport t) = 0;
  virtual int ModProgram(Transport t, ProgramSendRecord* record) = 0;
  virtual int GetProgram(Transport t, int count) = 0;
  virtual int Mod_KuanGao(Transport t, ScreenSizeRecord* size) = 0;
  virtual int GetSerialPara(Transport t, SerialParaRecord* para) = 0;
  virtual int ModSerialPara(Transport t, SerialParaRecord* para) = 0;
  virtual int GetNetPara(Transport t, NetParaRecord* para) = 0;
  virtual int ModNetPara(Transport t, NetParaRecord* para) = 0;
  virtual int GetScanPara(Transport t, int* flags) = 0;
  virtual int ModScanPara(Transport t, int scanIndex, int rowDecoding, int flags) = 0;
  virtual int GetBrightnessPara(Transport t) = 0;
  virtual int ModBrightnessPara(Transport t, int level) = 0;
  virtual int GetDayNightBrightness(Transport t, DayNightRecord* levels) = 0;
  virtual int ModDayNightBrightness(Transport t, int day, int night) = 0;
  // Text reads give the library's text (GBK) decoded.
  virtual QString GetOnOffTime(Transport t) = 0;
  virtual QString GetTime(Transport t) = 0;
  virtual QString GetVersion(Transport t) = 0;
  virtual int ModOnOffTime(Transport t, int onHour, int onMinute, int offHour, int offMinute) = 0;
  virtual int ModTime(Transport t, int year, int month, int day, int hour, int minute,
                      int second) = 0;
  virtual int GetProgramIO(Transport t, ProgramIoTable* table) = 0;
  // The network library takes the input line as well; the serial one ignores it.
  virtual int ModProgramIO(Transport t, int line, ProgramIoTable* table) = 0;

  // Beyond the operations above: the bytes done and to do of the bulk transfer (send, fetch,
  // firmware) running in another thread. False when the library has no such query; callable
  // while that transfer blocks.
  virtual bool Progress(Transport t, int* done, int* total) = 0;
};
