// The network library's exported operations.
#include "ExportGuard.h"
#include "Link.h"
#include "NqLink.h"

#define NQ_EXPORT extern "C" __attribute__((visibility("default")))

using nq::Cmd;

namespace {
nq::LinkCore& link() {
  static nq::LinkCore core(nq::LinkCore::Transport::Tcp);
  return core;
}
}  // namespace

NQ_EXPORT int NQ_NET_LED_Connect(const char* ip, int port) {
  return nq::guard<int>(nq::InternalError, [&] { return link().connectTcp(ip, port); });
}
NQ_EXPORT int NQ_NET_LED_Disnect(void) {
  return nq::guard<int>(nq::InternalError, [&] { return link().close(); });
}
NQ_EXPORT int NQ_SendHeart(void) {
  return nq::guard<int>(nq::InternalError, [&] { return link().heart(); });
}
NQ_EXPORT int NQ_NET_LED_GetNetCard(NetCardEntry* table16) {
  return nq::guard<int>(-nq::InternalError, [&] { return link().getNetCard(table16); });
}
NQ_EXPORT int NQ_NET_LED_SendArpPacket(int adapter) {
  return nq::guard<int>(nq::InternalError, [&] { return link().sendArpPacket(adapter); });
}
NQ_EXPORT int NQ_NET_LED_GetNetIP(NetIpEntry* table1024) {
  return nq::guard<int>(-nq::InternalError, [&] { return link().getNetIp(table1024); });
}
NQ_EXPORT int NQ_NET_LED_Get485Para(SerialParaRecord* para) {
  return nq::guard<int>(nq::InternalError,
                        [&] { return link().getRecord(Cmd::Get485, para, sizeof *para); });
}
NQ_EXPORT int NQ_NET_LED_Mod485Para(SerialParaRecord* para) {
  return nq::guard<int>(nq::InternalError,
                        [&] { return link().setRecord(Cmd::Set485, para, sizeof *para); });
}
NQ_EXPORT int NQ_NET_LED_GetWidthHeight(int* width, int* height) {
  return nq::guard<int>(nq::InternalError, [&] { return link().getWidthHeight(width, height); });
}
NQ_EXPORT int NQ_NET_LED_ProgramNumber(void) {
  return nq::guard<int>(-nq::InternalError, [&] { return link().programNumber(); });
}
NQ_EXPORT int NQ_NET_LED_Type(void) {
  return nq::guard<int>(-nq::InternalError, [&] { return link().type(); });
}
NQ_EXPORT int NQ_NET_LED_Format(void) {
  return nq::guard<int>(nq::InternalError, [&] { return link().simple(Cmd::Format); });
}
NQ_EXPORT int NQ_NET_LED_Reboot(void) {
  return nq::guard<int>(nq::InternalError, [&] { return link().simple(Cmd::Reboot); });
}
NQ_EXPORT int NQ_NET_LED_ModProgram(ProgramSendRecord* record) {
  return nq::guard<int>(nq::InternalError, [&] { return link().modProgram(record); });
}
NQ_EXPORT int NQ_NET_LED_GetProgram(int count) {
  return nq::guard<int>(nq::InternalError, [&] { return link().getProgram(count); });
}
NQ_EXPORT int NQ_NET_LED_Update(int byteCount, const unsigned char* bytes) {
  return nq::guard<int>(nq::InternalError, [&] { return link().updateBytes(byteCount, bytes); });
}
NQ_EXPORT int NQ_NET_LED_Mod_KuanGao(ScreenSizeRecord* size) {
  return nq::guard<int>(nq::InternalError,
                        [&] { return link().setRecord(Cmd::SetSize, size, sizeof *size); });
}
NQ_EXPORT int NQ_NET_LED_GetSerialPara(SerialParaRecord* para) {
  return nq::guard<int>(nq::InternalError,
                        [&] { return link().getRecord(Cmd::GetSerial, para, sizeof *para); });
}
NQ_EXPORT int NQ_NET_LED_ModSerialPara(SerialParaRecord* para) {
  return nq::guard<int>(nq::InternalError,
                        [&] { return link().setRecord(Cmd::SetSerial, para, sizeof *para); });
}
NQ_EXPORT int NQ_NET_LED_GetNetPara(NetParaRecord* para) {
  return nq::guard<int>(nq::InternalError,
                        [&] { return link().getRecord(Cmd::GetNet, para, sizeof *para); });
}
NQ_EXPORT int NQ_NET_LED_ModNetPara(NetParaRecord* para) {
  return nq::guard<int>(nq::InternalError,
                        [&] { return link().setRecord(Cmd::SetNet, para, sizeof *para); });
}
NQ_EXPORT int NQ_NET_LED_GetScanPara(int* flags) {
  return nq::guard<int>(-nq::InternalError, [&] { return link().getScan(flags); });
}
NQ_EXPORT int NQ_NET_LED_ModScanPara(int scanIndex, int rowDecoding, int flags) {
  return nq::guard<int>(nq::InternalError, [&] {
    return link().setInts(Cmd::SetScan, {scanIndex, rowDecoding, flags});
  });
}
NQ_EXPORT int NQ_NET_LED_GetBrightnessPara(void) {
  return nq::guard<int>(-nq::InternalError, [&] { return link().getBrightness(); });
}
NQ_EXPORT int NQ_NET_LED_ModBrightnessPara(int level) {
  return nq::guard<int>(nq::InternalError,
                        [&] { return link().setInts(Cmd::SetBrightness, {level}); });
}
NQ_EXPORT int NQ_NET_LED_GetDayNightBrightness(DayNightRecord* levels) {
  return nq::guard<int>(nq::InternalError, [&] { return link().getDayNight(levels); });
}
NQ_EXPORT int NQ_NET_LED_ModDayNightBrightness(int day, int night) {
  return nq::guard<int>(nq::InternalError, [&] {
    return link().setInts(Cmd::SetDayNight, {day, night});
  });
}
NQ_EXPORT const char* NQ_NET_LED_GetOnOffTime(void) {
  return nq::guard<const char*>(nq::kTextWrongReply, [&] { return link().getText(Cmd::GetOnOff); });
}
NQ_EXPORT const char* NQ_NET_LED_GetTime(void) {
  return nq::guard<const char*>(nq::kTextWrongReply, [&] { return link().getText(Cmd::GetTime); });
}
NQ_EXPORT const char* NQ_NET_LED_GetVersion(void) {
  return nq::guard<const char*>(nq::kTextWrongReply,
                                [&] { return link().getText(Cmd::GetVersion); });
}
NQ_EXPORT int NQ_NET_LED_ModOnOffTime(int onHour, int onMinute, int offHour, int offMinute) {
  return nq::guard<int>(nq::InternalError, [&] {
    return link().setInts(Cmd::SetOnOff, {onHour, onMinute, offHour, offMinute});
  });
}
NQ_EXPORT int NQ_NET_LED_ModTime(int year, int month, int day, int hour, int minute, int second) {
  return nq::guard<int>(nq::InternalError, [&] {
    return link().setInts(Cmd::SetTime, {year, month, day, hour, minute, second});
  });
}
NQ_EXPORT int NQ_NET_LED_GetProgramIO(ProgramIoTable* table) {
  return nq::guard<int>(nq::InternalError,
                        [&] { return link().getRecord(Cmd::GetIo, table, sizeof *table); });
}
NQ_EXPORT int NQ_NET_LED_ModProgramIO(int line, ProgramIoTable* table) {
  return nq::guard<int>(nq::InternalError, [&] { return link().modProgramIo(line, table); });
}
NQ_EXPORT int NQ_NET_LED_Progress(int* done, int* total) {
  return nq::guard<int>(nq::InternalError, [&] { return link().progress(done, total); });
}
