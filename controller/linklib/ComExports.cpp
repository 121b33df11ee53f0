// The serial library's exported operations.
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
  return link().openSerial(port, baud);
}
NQ_EXPORT int NQ_COM_LED_CloseSerial(void) { return link().close(); }
NQ_EXPORT int NQ_COM_LED_Set_GPRS(int gprs, int timeoutMs) {
  return link().setGprs(gprs, timeoutMs);
}
NQ_EXPORT int NQ_COM_LED_GetWidthHeight(int* width, int* height) {
  return link().getWidthHeight(width, height);
}
NQ_EXPORT int NQ_COM_LED_ProgramNumber(void) { return link().programNumber(); }
NQ_EXPORT int NQ_COM_LED_Type(void) { return link().type(); }
NQ_EXPORT int NQ_COM_LED_Format(void) { return link().simple(Cmd::Format); }
NQ_EXPORT int NQ_COM_LED_Reboot(void) { return link().simple(Cmd::Reboot); }
NQ_EXPORT int NQ_COM_LED_ModProgram(ProgramSendRecord* record) { return link().modProgram(record); }
NQ_EXPORT int NQ_COM_LED_GetProgram(int count) { return link().getProgram(count); }
NQ_EXPORT int NQ_COM_LED_Update(const char* path) { return link().updateFile(path); }
NQ_EXPORT int NQ_COM_LED_GetBaud(const char* port) { return link().getBaud(port); }
NQ_EXPORT int NQ_COM_LED_Mod_KuanGao(ScreenSizeRecord* size) {
  return link().setRecord(Cmd::SetSize, size, sizeof *size);
}
NQ_EXPORT int NQ_COM_LED_GetSerialPara(SerialParaRecord* para) {
  return link().getRecord(Cmd::GetSerial, para, sizeof *para);
}
NQ_EXPORT int NQ_COM_LED_ModSerialPara(SerialParaRecord* para) {
  return link().setRecord(Cmd::SetSerial, para, sizeof *para);
}
NQ_EXPORT int NQ_COM_LED_GetNetPara(NetParaRecord* para) {
  return link().getRecord(Cmd::GetNet, para, sizeof *para);
}
NQ_EXPORT int NQ_COM_LED_ModNetPara(NetParaRecord* para) {
  return link().setRecord(Cmd::SetNet, para, sizeof *para);
}
NQ_EXPORT int NQ_COM_LED_GetScanPara(int* flags) { return link().getScan(flags); }
NQ_EXPORT int NQ_COM_LED_ModScanPara(int scanIndex, int rowDecoding, int flags) {
  return link().setInts(Cmd::SetScan, {scanIndex, rowDecoding, flags});
}
NQ_EXPORT int NQ_COM_LED_GetBrightnessPara(void) { return link().getBrightness(); }
NQ_EXPORT int NQ_COM_LED_ModBrightnessPara(int level) {
  return link().setInts(Cmd::SetBrightness, {level});
}
NQ_EXPORT int NQ_COM_LED_GetDayNightBrightness(DayNightRecord* levels) {
  return link().getDayNight(levels);
}
NQ_EXPORT int NQ_COM_LED_ModDayNightBrightness(int day, int night) {
  return link().setInts(Cmd::SetDayNight, {day, night});
}
NQ_EXPORT const char* NQ_COM_LED_GetOnOffTime(void) { return link().getText(Cmd::GetOnOff); }
NQ_EXPORT const char* NQ_COM_LED_GetTime(void) { return link().getText(Cmd::GetTime); }
NQ_EXPORT const char* NQ_COM_LED_GetVersion(void) { return link().getText(Cmd::GetVersion); }
NQ_EXPORT int NQ_COM_LED_ModOnOffTime(int onHour, int onMinute, int offHour, int offMinute) {
  return link().setInts(Cmd::SetOnOff, {onHour, onMinute, offHour, offMinute});
}
NQ_EXPORT int NQ_COM_LED_ModTime(int year, int month, int day, int hour, int minute, int second) {
  return link().setInts(Cmd::SetTime, {year, month, day, hour, minute, second});
}
NQ_EXPORT int NQ_COM_LED_GetProgramIO(ProgramIoTable* table) {
  return link().getRecord(Cmd::GetIo, table, sizeof *table);
}
NQ_EXPORT int NQ_COM_LED_ModProgramIO(ProgramIoTable* table) {
  return link().modProgramIo(-1, table);
}
