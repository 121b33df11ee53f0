#include "LinkLibraries.h"

#include <QDir>
#include <QFileInfo>

#include "GbkIni.h"
#include "LedError.h"

namespace {

QByteArray gbk(const QString& text) { return GbkIni::toGbk(text); }
QString fromGbk(const char* text) { return text ? GbkIni::fromGbk(QByteArray(text)) : QString(); }

}  // namespace

LinkLibraries::LinkLibraries(const QString& directory)
    : serial_(QDir(directory).filePath(QStringLiteral("NQ_COM_LED"))),
      net_(QDir(directory).filePath(QStringLiteral("NQ_NET_LED"))) {
  serial_.load();
  net_.load();
}

LinkLibraries::~LinkLibraries() = default;

bool LinkLibraries::serialLoaded() const { return serial_.isLoaded(); }
bool LinkLibraries::netLoaded() const { return net_.isLoaded(); }

template <typename Fn>
Fn LinkLibraries::resolve(QLibrary& library, const char* name) {
  const QString file = QFileInfo(library.fileName()).fileName();
  if (!library.isLoaded() && !library.load()) {
    throw LedError(QStringLiteral("找不到通讯库 %1：%2").arg(file, library.errorString()));
  }
  auto fn = reinterpret_cast<Fn>(library.resolve(name));
  if (!fn) {
    throw LedError(QStringLiteral("通讯库 %1 中缺少函数 %2").arg(file, QString::fromLatin1(name)));
  }
  return fn;
}

QLibrary& LinkLibraries::library(Transport t) { return t == Transport::Serial ? serial_ : net_; }

const char* LinkLibraries::prefix(Transport t) {
  return t == Transport::Serial ? "NQ_COM_LED_" : "NQ_NET_LED_";
}

// Calls an operation that both libraries offer, by the transport's prefix.
#define LINK_CALL(t, name, Signature, ...) \
  resolve<Signature>(library(t), (QByteArray(prefix(t)) + #name).constData())(__VA_ARGS__)

using IntFn = int (*)();
using TextFn = const char* (*)();

int LinkLibraries::OpenSerial(const QString& port, int baud) {
  return resolve<int (*)(const char*, int)>(serial_, "NQ_COM_LED_OpenSerial")(gbk(port).constData(),
                                                                              baud);
}
int LinkLibraries::CloseSerial() { return resolve<IntFn>(serial_, "NQ_COM_LED_CloseSerial")(); }
int LinkLibraries::Set_GPRS(int gprs, int timeoutMs) {
  return resolve<int (*)(int, int)>(serial_, "NQ_COM_LED_Set_GPRS")(gprs, timeoutMs);
}
int LinkLibraries::GetBaud(const QString& port) {
  return resolve<int (*)(const char*)>(serial_, "NQ_COM_LED_GetBaud")(gbk(port).constData());
}
int LinkLibraries::UpdateFile(const QString& path) {
  return resolve<int (*)(const char*)>(
      serial_, "NQ_COM_LED_Update")(gbk(QDir::toNativeSeparators(path)).constData());
}
int LinkLibraries::Connect(const QString& ip, int port) {
  return resolve<int (*)(const char*, int)>(net_, "NQ_NET_LED_Connect")(gbk(ip).constData(), port);
}
int LinkLibraries::Disnect() { return resolve<IntFn>(net_, "NQ_NET_LED_Disnect")(); }
int LinkLibraries::SendHeart() { return resolve<IntFn>(net_, "NQ_SendHeart")(); }
int LinkLibraries::GetNetCard(NetCardEntry* table16) {
  return resolve<int (*)(NetCardEntry*)>(net_, "NQ_NET_LED_GetNetCard")(table16);
}
int LinkLibraries::SendArpPacket(int adapter) {
  return resolve<int (*)(int)>(net_, "NQ_NET_LED_SendArpPacket")(adapter);
}
int LinkLibraries::GetNetIP(NetIpEntry* table1024) {
  return resolve<int (*)(NetIpEntry*)>(net_, "NQ_NET_LED_GetNetIP")(table1024);
}
int LinkLibraries::UpdateBytes(const QByteArray& image) {
  return resolve<int (*)(int, const unsigned char*)>(net_, "NQ_NET_LED_Update")(
      static_cast<int>(image.size()), reinterpret_cast<const unsigned char*>(image.constData()));
}
int LinkLibraries::Get485Para(SerialParaRecord* para) {
  return resolve<int (*)(SerialParaRecord*)>(net_, "NQ_NET_LED_Get485Para")(para);
}
int LinkLibraries::Mod485Para(SerialParaRecord* para) {
  return resolve<int (*)(SerialParaRecord*)>(net_, "NQ_NET_LED_Mod485Para")(para);
}
int LinkLibraries::GetWidthHeight(Transport t, int* width, int* height) {
  return LINK_CALL(t, GetWidthHeight, int (*)(int*, int*), width, height);
}
int LinkLibraries::ProgramNumber(Transport t) { return LINK_CALL(t, ProgramNumber, IntFn); }
int LinkLibraries::Type(Transport t) { return LINK_CALL(t, Type, IntFn); }
int LinkLibraries::Format(Transport t) { return LINK_CALL(t, Format, IntFn); }
int LinkLibraries::Reboot(Transport t) { return LINK_CALL(t, Reboot, IntFn); }
int LinkLibraries::ModProgram(Transport t, ProgramSendRecord* record) {
  return LINK_CALL(t, ModProgram, int (*)(ProgramSendRecord*), record);
}
int LinkLibraries::GetProgram(Transport t, int count) {
  return LINK_CALL(t, GetProgram, int (*)(int), count);
}
int LinkLibraries::Mod_KuanGao(Transport t, ScreenSizeRecord* size) {
  return LINK_CALL(t, Mod_KuanGao, int (*)(ScreenSizeRecord*), size);
}
int LinkLibraries::GetSerialPara(Transport t, SerialParaRecord* para) {
  return LINK_CALL(t, GetSerialPara, int (*)(SerialParaRecord*), para);
}
int LinkLibraries::ModSerialPara(Transport t, SerialParaRecord* para) {
  return LINK_CALL(t, ModSerialPara, int (*)(SerialParaRecord*), para);
}
int LinkLibraries::GetNetPara(Transport t, NetParaRecord* para) {
  return LINK_CALL(t, GetNetPara, int (*)(NetParaRecord*), para);
}
int LinkLibraries::ModNetPara(Transport t, NetParaRecord* para) {
  return LINK_CALL(t, ModNetPara, int (*)(NetParaRecord*), para);
}
int LinkLibraries::GetScanPara(Transport t, int* flags) {
  return LINK_CALL(t, GetScanPara, int (*)(int*), flags);
}
int LinkLibraries::ModScanPara(Transport t, int scanIndex, int rowDecoding, int flags) {
  return LINK_CALL(t, ModScanPara, int (*)(int, int, int), scanIndex, rowDecoding, flags);
}
int LinkLibraries::GetBrightnessPara(Transport t) { return LINK_CALL(t, GetBrightnessPara, IntFn); }
int LinkLibraries::ModBrightnessPara(Transport t, int level) {
  return LINK_CALL(t, ModBrightnessPara, int (*)(int), level);
}
int LinkLibraries::GetDayNightBrightness(Transport t, DayNightRecord* levels) {
  return LINK_CALL(t, GetDayNightBrightness, int (*)(DayNightRecord*), levels);
}
int LinkLibraries::ModDayNightBrightness(Transport t, int day, int night) {
  return LINK_CALL(t, ModDayNightBrightness, int (*)(int, int), day, night);
}
QString LinkLibraries::GetOnOffTime(Transport t) {
  return fromGbk(LINK_CALL(t, GetOnOffTime, TextFn));
}
QString LinkLibraries::GetTime(Transport t) { return fromGbk(LINK_CALL(t, GetTime, TextFn)); }
QString LinkLibraries::GetVersion(Transport t) { return fromGbk(LINK_CALL(t, GetVersion, TextFn)); }
int LinkLibraries::ModOnOffTime(Transport t, int onHour, int onMinute, int offHour, int offMinute) {
  return LINK_CALL(t, ModOnOffTime, int (*)(int, int, int, int), onHour, onMinute, offHour,
                   offMinute);
}
int LinkLibraries::ModTime(Transport t, int year, int month, int day, int hour, int minute,
                           int second) {
  return LINK_CALL(t, ModTime, int (*)(int, int, int, int, int, int), year, month, day, hour,
                   minute, second);
}
int LinkLibraries::GetProgramIO(Transport t, ProgramIoTable* table) {
  return LINK_CALL(t, GetProgramIO, int (*)(ProgramIoTable*), table);
}
int LinkLibraries::ModProgramIO(Transport t, int line, ProgramIoTable* table) {
  if (t == Transport::Serial) {
    return resolve<int (*)(ProgramIoTable*)>(serial_, "NQ_COM_LED_ModProgramIO")(table);
  }
  return resolve<int (*)(int, ProgramIoTable*)>(net_, "NQ_NET_LED_ModProgramIO")(line, table);
}
