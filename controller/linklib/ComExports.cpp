// The serial library's exported operations.
#include "ExportGuard.h"
#include "Link.h"
#include "NqLink.h"

#define NQ_EXPORT extern "C" __attribute__((visibility("default")))

using nq::Cmd;

namespace {
nq::LinkCore& link() {
  static nq::LinkCore core(nq::LinkCore::Transport::Serial);
  return core;
}
}  // namespace

NQ_EXPORT int NQ_COM_LED_OpenSerial(const char* port, int baud) {
  return nq::guard<int>(nq::InternalError, [&] { return link().openSerial(port, baud); });
}
NQ_EXPORT int NQ_COM_LED_CloseSerial(void) {
  return nq::guard<int>(nq::InternalError, [&] { return link().close(); });
}
NQ_EXPORT int NQ_COM_LED_Set_GPRS(int gprs, int timeoutMs) {
  return nq::guard<int>(nq::InternalError, [&] { return link().setGprs(gprs, timeoutMs); });
}
NQ_EXPORT int NQ_COM_LED_GetWidthHeight(int* width, int* height) {
  return nq::guard<int>(nq::InternalError, [&] { return link().getWidthHeight(width, height); });
}
NQ_EXPORT int NQ_COM_LED_ProgramNumber(void) {
  return nq::guard<int>(-nq::InternalError, [&] { return link().programNumber(); });
}
NQ_EXPORT int NQ_COM_LED_Type(void) {
  return nq::guard<int>(-nq::InternalError, [&] { return link().type(); });
}
NQ_EXPORT int NQ_COM_LED_Format(void) {
  return nq::guard<int>(nq::InternalError, [&] { return link().simple(Cmd::Format); });
}
NQ_EXPORT int NQ_COM_LED_Reboot(void) {
  return nq::guard<int>(nq::InternalError, [&] { return link().simple(Cmd::Reboot); });
}
NQ_EXPORT int NQ_COM_LED_ModProgram(ProgramSendRecord* record) {
  return nq::guard<int>(nq::InternalError, [&] { return link().modProgram(record); });
}
NQ_EXPORT int NQ_COM_LED_GetProgram(int count) {
  return nq::guard<int>(nq::InternalError, [&] { return link().getProgram(count); });
}
NQ_EXPORT int NQ_COM_LED_Update(const char* path) {
  return nq::guard<int>(nq::InternalError, [&] { return link().updateFile(path); });
}
NQ_EXPORT int NQ_COM_LED_GetBaud(const char* port) {
  return nq::guard<int>(-1, [&] { return link().getBaud(port); });
}
NQ_EXPORT int NQ_COM_LED_Mod_KuanGao(ScreenSizeRecord* size) {
  return nq::guard<int>(nq::InternalError,
                        [&] { return link().setRecord(Cmd::SetSize, size, sizeof *size); });
}
NQ_EXPORT int NQ_COM_LED_GetSerialPara(SerialParaRecord* para) {
  return nq::guard<int>(nq::InternalError,
                        [&] { return link().getRecord(Cmd::GetSerial, para, sizeof *para); });
}
NQ_EXPORT int NQ_COM_LED_ModSerialPara(SerialParaRecord* para) {
  return nq::guard<int>(nq::InternalError,
                        [&] { return link().setRecord(Cmd::SetSerial, para, sizeof *para); });
}
NQ_EXPORT int NQ_COM_LED_GetNetPara(NetParaRecord* para) {
  return nq::guard<int>(nq::InternalError,
                        [&] { return link().getRecord(Cmd::GetNet, para, sizeof *para); });
}
NQ_EXPORT int NQ_COM_LED_ModNetPara(NetParaRecord* para) {
  return nq::guard<int>(nq::InternalError,
                        [&] { return link().setRecord(Cmd::SetNet, para, sizeof *para); });
}
NQ_EXPORT int NQ_COM_LED_GetScanPara(int* flags) {
  return nq::guard<int>(-nq::InternalError, [&] { return link().getScan(flags); });
}
NQ_EXPORT int NQ_COM_LED_ModScanPara(int scanIndex, int rowDecoding, int flags) {
  return nq::guard<int>(nq::InternalError, [&] {
    return link().setInts(Cmd::SetScan, {scanIndex, rowDecoding, flags});
  });
}
NQ_EXPORT int NQ_COM_LED_GetBrightnessPara(void) {
  return nq::guard<int>(-nq::InternalError, [&] { return link().getBrightness(); });
}
NQ_EXPORT int NQ_COM_LED_ModBrightnessPara(int level) {
  return nq::guard<int>(nq::InternalError,
                        [&] { return link().setInts(Cmd::SetBrightness, {level}); });
}
NQ_EXPORT int NQ_COM_LED_GetDayNightBrightness(DayNightRecord* levels) {
  return nq::guard<int>(nq::InternalError, [&] { return link().getDayNight(levels); });
}
NQ_EXPORT int NQ_COM_LED_ModDayNightBrightness(int day, int night) {
  return nq::guard<int>(nq::InternalError, [&] {
    return link().setInts(Cmd::SetDayNight, {day, night});
  });
}
NQ_EXPORT const char* NQ_COM_LED_GetOnOffTime(void) {
  return nq::guard<const char*>(nq::kTextWrongReply, [&] { return link().getText(Cmd::GetOnOff); });
}
NQ_EXPORT const char* NQ_COM_LED_GetTime(void) {
  return nq::guard<const char*>(nq::kTextWrongReply, [&] { return link().getText(Cmd::GetTime); });
}
NQ_EXPORT const char* NQ_COM_LED_GetVersion(void) {
  return nq::guard<const char*>(nq::kTextWrongReply,
                                [&] { return link().getText(Cmd::GetVersion); });
}
NQ_EXPORT int NQ_COM_LED_ModOnOffTime(int onHour, int onMinute, int offHour, int offMinute) {
  return nq::guard<int>(nq::InternalError, [&] {
    return link().setInts(Cmd::SetOnOff, {onHour, onMinute, offHour, offMinute});
  });
}
NQ_EXPORT int NQ_COM_LED_ModTime(int year, int month, int day, int hour, int minute, int second) {
  return nq::guard<int>(nq::InternalError, [&] {
    return link().setInts(Cmd::SetTime, {year, month, day, hour, minute, second});
  });
}
NQ_EXPORT int NQ_COM_LED_GetProgramIO(ProgramIoTable* table) {
  return nq::guard<int>(nq::InternalError,
                        [&] { return link().getRecord(Cmd::GetIo, table, sizeof *table); });
}
NQ_EXPORT int NQ_COM_LED_ModProgramIO(ProgramIoTable* table) {
  return nq::guard<int>(nq::InternalError, [&] { return link().modProgramIo(-1, table); });
}
NQ_EXPORT int NQ_COM_LED_Progress(int* done, int* total) {
  return nq::guard<int>(nq::InternalError, [&] { return link().progress(done, total); });
}
