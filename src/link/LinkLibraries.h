#pragma once

#include <QCoreApplication>
#include <QLibrary>
#include <memory>

#include "ControllerLink.h"

// The ControllerLink over the two shared libraries NQ_COM_LED and NQ_NET_LED, loaded from a
// directory (see directoryFor). Every function is resolved once, when the libraries load,
// into tables typed from the libraries' header. A library or function that is missing does not
// stop the application: each call that needs it throws LedError saying which one is missing.
class LinkLibraries final : public ControllerLink {
  Q_DECLARE_TR_FUNCTIONS(LinkLibraries)

 public:
  explicit LinkLibraries(const QString& directory);
  ~LinkLibraries() override;

  // Where a program in executableDir finds the libraries: beside it (the build tree), else in an
  // installed tree's private folder (../lib/<multiarch>/ledsign from bin/).
  static QString directoryFor(const QString& executableDir);

  bool serialLoaded() const;
  bool netLoaded() const;

  int OpenSerial(const QString& port, int baud) override;
  int CloseSerial() override;
  int Set_GPRS(int gprs, int timeoutMs) override;
  int GetBaud(const QString& port) override;
  int UpdateFile(const QString& path) override;
  int Connect(const QString& ip, int port) override;
  int Disnect() override;
  int SendHeart() override;
  int GetNetCard(NetCardEntry* table16) override;
  int SendArpPacket(int adapter) override;
  int GetNetIP(NetIpEntry* table1024) override;
  int UpdateBytes(const QByteArray& image) override;
  int Get485Para(SerialParaRecord* para) override;
  int Mod485Para(SerialParaRecord* para) override;
  int GetWidthHeight(Transport t, int* width, int* height) override;
  int ProgramNumber(Transport t) override;
  int Type(Transport t) override;
  int Format(Transport t) override;
  int Reboot(Transport t) override;
  int ModProgram(Transport t, ProgramSendRecord* record) override;
  int GetProgram(Transport t, int count) override;
  int Mod_KuanGao(Transport t, ScreenSizeRecord* size) override;
  int GetSerialPara(Transport t, SerialParaRecord* para) override;
  int ModSerialPara(Transport t, SerialParaRecord* para) override;
  int GetNetPara(Transport t, NetParaRecord* para) override;
  int ModNetPara(Transport t, NetParaRecord* para) override;
  int GetScanPara(Transport t, int* flags) override;
  int ModScanPara(Transport t, int scanIndex, int rowDecoding, int flags) override;
  int GetBrightnessPara(Transport t) override;
  int ModBrightnessPara(Transport t, int level) override;
  int GetDayNightBrightness(Transport t, DayNightRecord* levels) override;
  int ModDayNightBrightness(Transport t, int day, int night) override;
  QString GetOnOffTime(Transport t) override;
  QString GetTime(Transport t) override;
  QString GetVersion(Transport t) override;
  int ModOnOffTime(Transport t, int onHour, int onMinute, int offHour, int offMinute) override;
  int ModTime(Transport t, int year, int month, int day, int hour, int minute, int second) override;
  int GetProgramIO(Transport t, ProgramIoTable* table) override;
  int ModProgramIO(Transport t, int line, ProgramIoTable* table) override;
  bool Progress(Transport t, int* done, int* total) override;

 private:
  struct Functions;

  template <typename Fn>
  Fn need(Fn fn, const QLibrary& library, const char* name) const;

  QLibrary serial_;
  QLibrary net_;
  QString serialError_;
  QString netError_;
  std::unique_ptr<Functions> fns_;
};
