#include "LinkLibraries.h"

#include <QDir>
#include <QFileInfo>
#include <type_traits>

#include "GbkIni.h"
#include "LedError.h"
#include "LinkFunctions.h"
#include "linklib/NqLink.h"

namespace {

QByteArray gbk(const QString& text) { return GbkIni::toGbk(text); }
QString fromGbk(const char* text) { return text ? GbkIni::fromGbk(QByteArray(text)) : QString(); }

// The optional progress query of a library: bytes done and to do of the running transfer. A
// library without it still loads; both queries share one signature.
using ProgressFn = decltype(&::NQ_COM_LED_Progress);
static_assert(std::is_same_v<ProgressFn, decltype(&::NQ_NET_LED_Progress)>);

}  // namespace

#define LEDSIGN_MEMBER(name) decltype(&::name) name = nullptr;
struct LinkLibraries::Functions {
  struct {
    LEDSIGN_COM_FUNCTIONS(LEDSIGN_MEMBER)
    ProgressFn progress = nullptr;
  } com;
  struct {
    LEDSIGN_NET_FUNCTIONS(LEDSIGN_MEMBER)
    ProgressFn progress = nullptr;
  } net;
};
#undef LEDSIGN_MEMBER

LinkLibraries::LinkLibraries(const QString& directory)
    : serial_(QDir(directory).filePath(QStringLiteral("NQ_COM_LED"))),
      net_(QDir(directory).filePath(QStringLiteral("NQ_NET_LED"))),
      fns_(std::make_unique<Functions>()) {
#define LEDSIGN_RESOLVE(table, library, name) \
  table.name = reinterpret_cast<decltype(table.name)>(library.resolve(#name));
#define LEDSIGN_COM(name) LEDSIGN_RESOLVE(fns_->com, serial_, name)
#define LEDSIGN_NET(name) LEDSIGN_RESOLVE(fns_->net, net_, name)
  if (serial_.load()) {
    LEDSIGN_COM_FUNCTIONS(LEDSIGN_COM)
    fns_->com.progress = reinterpret_cast<ProgressFn>(serial_.resolve("NQ_COM_LED_Progress"));
  } else {
    serialError_ = serial_.errorString();
  }
  if (net_.load()) {
    LEDSIGN_NET_FUNCTIONS(LEDSIGN_NET)
    fns_->net.progress = reinterpret_cast<ProgressFn>(net_.resolve("NQ_NET_LED_Progress"));
  } else {
    netError_ = net_.errorString();
  }
#undef LEDSIGN_COM
#undef LEDSIGN_NET
#undef LEDSIGN_RESOLVE
}

LinkLibraries::~LinkLibraries() = default;

QString LinkLibraries::directoryFor(const QString& executableDir) {
  const auto holdsLibraries = [](const QDir& dir) {
    return QFileInfo::exists(dir.filePath(QStringLiteral("libNQ_COM_LED.so"))) ||
           QFileInfo::exists(dir.filePath(QStringLiteral("libNQ_NET_LED.so")));
  };
  const QDir bin(executableDir);
  const QDir installed(QDir::cleanPath(bin.filePath(QStringLiteral(LEDSIGN_LINKDIR_FROM_BIN))));
  // A tree with neither keeps the program's own folder, which the error of a call then names.
  return !holdsLibraries(bin) && holdsLibraries(installed) ? installed.path() : bin.path();
}

bool LinkLibraries::serialLoaded() const { return serial_.isLoaded(); }
bool LinkLibraries::netLoaded() const { return net_.isLoaded(); }

template <typename Fn>
Fn LinkLibraries::need(Fn fn, const QLibrary& library, const char* name) const {
  if (fn) return fn;
  const QString file = QFileInfo(library.fileName()).fileName();
  if (!library.isLoaded()) {
    const QString& why = &library == &serial_ ? serialError_ : netError_;
    throw LedError(tr("找不到通讯库 %1：%2").arg(file, why));
  }
  throw LedError(tr("通讯库 %1 中缺少函数 %2").arg(file, QString::fromLatin1(name)));
}

#define COM(name) need(fns_->com.NQ_COM_LED_##name, serial_, "NQ_COM_LED_" #name)
#define NET(name) need(fns_->net.NQ_NET_LED_##name, net_, "NQ_NET_LED_" #name)
// An operation that both libraries offer, by the transport.
#define BOTH(t, name, ...) \
  ((t) == Transport::Serial ? COM(name)(__VA_ARGS__) : NET(name)(__VA_ARGS__))

int LinkLibraries::OpenSerial(const QString& port, int baud) {
  return COM(OpenSerial)(gbk(port).constData(), baud);
}
int LinkLibraries::CloseSerial() { return COM(CloseSerial)(); }
int LinkLibraries::Set_GPRS(int gprs, int timeoutMs) { return COM(Set_GPRS)(gprs, timeoutMs); }
int LinkLibraries::GetBaud(const QString& port) { return COM(GetBaud)(gbk(port).constData()); }
int LinkLibraries::UpdateFile(const QString& path) {
  return COM(Update)(gbk(QDir::toNativeSeparators(path)).constData());
}
int LinkLibraries::Connect(const QString& ip, int port) {
  return NET(Connect)(gbk(ip).constData(), port);
}
int LinkLibraries::Disnect() { return NET(Disnect)(); }
int LinkLibraries::SendHeart() { return need(fns_->net.NQ_SendHeart, net_, "NQ_SendHeart")(); }
int LinkLibraries::GetNetCard(NetCardEntry* table16) { return NET(GetNetCard)(table16); }
int LinkLibraries::SendArpPacket(int adapter) { return NET(SendArpPacket)(adapter); }
int LinkLibraries::GetNetIP(NetIpEntry* table1024) { return NET(GetNetIP)(table1024); }
int LinkLibraries::UpdateBytes(const QByteArray& image) {
  return NET(Update)(static_cast<int>(image.size()),
                     reinterpret_cast<const unsigned char*>(image.constData()));
}
int LinkLibraries::Get485Para(SerialParaRecord* para) { return NET(Get485Para)(para); }
int LinkLibraries::Mod485Para(SerialParaRecord* para) { return NET(Mod485Para)(para); }
int LinkLibraries::GetWidthHeight(Transport t, int* width, int* height) {
  return BOTH(t, GetWidthHeight, width, height);
}
int LinkLibraries::ProgramNumber(Transport t) { return BOTH(t, ProgramNumber); }
int LinkLibraries::Type(Transport t) { return BOTH(t, Type); }
int LinkLibraries::Format(Transport t) { return BOTH(t, Format); }
int LinkLibraries::Reboot(Transport t) { return BOTH(t, Reboot); }
int LinkLibraries::ModProgram(Transport t, ProgramSendRecord* record) {
  return BOTH(t, ModProgram, record);
}
int LinkLibraries::GetProgram(Transport t, int count) { return BOTH(t, GetProgram, count); }
int LinkLibraries::Mod_KuanGao(Transport t, ScreenSizeRecord* size) {
  return BOTH(t, Mod_KuanGao, size);
}
int LinkLibraries::GetSerialPara(Transport t, SerialParaRecord* para) {
  return BOTH(t, GetSerialPara, para);
}
int LinkLibraries::ModSerialPara(Transport t, SerialParaRecord* para) {
  return BOTH(t, ModSerialPara, para);
}
int LinkLibraries::GetNetPara(Transport t, NetParaRecord* para) {
  return BOTH(t, GetNetPara, para);
}
int LinkLibraries::ModNetPara(Transport t, NetParaRecord* para) {
  return BOTH(t, ModNetPara, para);
}
int LinkLibraries::GetScanPara(Transport t, int* flags) { return BOTH(t, GetScanPara, flags); }
int LinkLibraries::ModScanPara(Transport t, int scanIndex, int rowDecoding, int flags) {
  return BOTH(t, ModScanPara, scanIndex, rowDecoding, flags);
}
int LinkLibraries::GetBrightnessPara(Transport t) { return BOTH(t, GetBrightnessPara); }
int LinkLibraries::ModBrightnessPara(Transport t, int level) {
  return BOTH(t, ModBrightnessPara, level);
}
int LinkLibraries::GetDayNightBrightness(Transport t, DayNightRecord* levels) {
  return BOTH(t, GetDayNightBrightness, levels);
}
int LinkLibraries::ModDayNightBrightness(Transport t, int day, int night) {
  return BOTH(t, ModDayNightBrightness, day, night);
}
QString LinkLibraries::GetOnOffTime(Transport t) { return fromGbk(BOTH(t, GetOnOffTime)); }
QString LinkLibraries::GetTime(Transport t) { return fromGbk(BOTH(t, GetTime)); }
QString LinkLibraries::GetVersion(Transport t) { return fromGbk(BOTH(t, GetVersion)); }
int LinkLibraries::ModOnOffTime(Transport t, int onHour, int onMinute, int offHour, int offMinute) {
  return BOTH(t, ModOnOffTime, onHour, onMinute, offHour, offMinute);
}
int LinkLibraries::ModTime(Transport t, int year, int month, int day, int hour, int minute,
                           int second) {
  return BOTH(t, ModTime, year, month, day, hour, minute, second);
}
int LinkLibraries::GetProgramIO(Transport t, ProgramIoTable* table) {
  return BOTH(t, GetProgramIO, table);
}
int LinkLibraries::ModProgramIO(Transport t, int line, ProgramIoTable* table) {
  if (t == Transport::Serial) return COM(ModProgramIO)(table);
  return NET(ModProgramIO)(line, table);
}
bool LinkLibraries::Progress(Transport t, int* done, int* total) {
  const ProgressFn fn = t == Transport::Serial ? fns_->com.progress : fns_->net.progress;
  return fn != nullptr && fn(done, total) == 0;
}
