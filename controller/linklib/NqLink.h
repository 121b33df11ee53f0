#pragma once
// The C interface of the two link libraries, libNQ_COM_LED.so (serial) and libNQ_NET_LED.so
// (TCP/IP). Every function returns 0 on success and a positive failure code otherwise (see
// ResultCodes.h); count-like queries return their value and the failure code negated; text
// reads return the text, or on failure the GBK status text ("未连接", "未收到回码", "回码错误",
// "和校验错误", "超时"), valid until the next call on the same library.

#include "Records.h"

#ifdef __cplusplus
extern "C" {
#endif

// Serial library.
int NQ_COM_LED_OpenSerial(const char* port, int baud);
int NQ_COM_LED_CloseSerial(void);
int NQ_COM_LED_Set_GPRS(int gprs, int timeoutMs);
int NQ_COM_LED_GetWidthHeight(int* width, int* height);
int NQ_COM_LED_ProgramNumber(void);
int NQ_COM_LED_Type(void);
int NQ_COM_LED_Format(void);
int NQ_COM_LED_Reboot(void);
int NQ_COM_LED_ModProgram(ProgramSendRecord* record);
int NQ_COM_LED_GetProgram(int count);
int NQ_COM_LED_Update(const char* path);
int NQ_COM_LED_GetBaud(const char* port);
int NQ_COM_LED_Mod_KuanGao(ScreenSizeRecord* size);
int NQ_COM_LED_GetSerialPara(SerialParaRecord* para);
int NQ_COM_LED_ModSerialPara(SerialParaRecord* para);
int NQ_COM_LED_GetNetPara(NetParaRecord* para);
int NQ_COM_LED_ModNetPara(NetParaRecord* para);
int NQ_COM_LED_GetScanPara(int* flags);
int NQ_COM_LED_ModScanPara(int scanIndex, int rowDecoding, int flags);
int NQ_COM_LED_GetBrightnessPara(void);
int NQ_COM_LED_ModBrightnessPara(int level);
int NQ_COM_LED_GetDayNightBrightness(DayNightRecord* levels);
int NQ_COM_LED_ModDayNightBrightness(int day, int night);
const char* NQ_COM_LED_GetOnOffTime(void);
const char* NQ_COM_LED_GetTime(void);
const char* NQ_COM_LED_GetVersion(void);
int NQ_COM_LED_ModOnOffTime(int onHour, int onMinute, int offHour, int offMinute);
int NQ_COM_LED_ModTime(int year, int month, int day, int hour, int minute, int second);
int NQ_COM_LED_GetProgramIO(ProgramIoTable* table);
int NQ_COM_LED_ModProgramIO(ProgramIoTable* table);
// Progress of the send, fetch or firmware transfer running in another thread: bytes done and
// bytes to do. Never waits for the link. 0/0 from the start of such a call until its total is
// known; afterwards the last transfer's figures stay (done == total after a success) until the
// next one begins. Returns 0, or 9 for a null pointer.
int NQ_COM_LED_Progress(int* done, int* total);

// Network library.
int NQ_NET_LED_Connect(const char* ip, int port);
int NQ_NET_LED_Disnect(void);
int NQ_SendHeart(void);
int NQ_NET_LED_GetWidthHeight(int* width, int* height);
int NQ_NET_LED_ProgramNumber(void);
int NQ_NET_LED_Type(void);
int NQ_NET_LED_Format(void);
int NQ_NET_LED_Reboot(void);
int NQ_NET_LED_ModProgram(ProgramSendRecord* record);
int NQ_NET_LED_GetProgram(int count);
int NQ_NET_LED_Update(int byteCount, const unsigned char* bytes);
int NQ_NET_LED_GetNetCard(NetCardEntry* table16);
int NQ_NET_LED_SendArpPacket(int adapter);
int NQ_NET_LED_GetNetIP(NetIpEntry* table1024);  // how many cards answered, or the failure negated
int NQ_NET_LED_Mod_KuanGao(ScreenSizeRecord* size);
int NQ_NET_LED_GetSerialPara(SerialParaRecord* para);
int NQ_NET_LED_ModSerialPara(SerialParaRecord* para);
int NQ_NET_LED_GetNetPara(NetParaRecord* para);
int NQ_NET_LED_ModNetPara(NetParaRecord* para);
int NQ_NET_LED_Get485Para(SerialParaRecord* para);
int NQ_NET_LED_Mod485Para(SerialParaRecord* para);
int NQ_NET_LED_GetScanPara(int* flags);
int NQ_NET_LED_ModScanPara(int scanIndex, int rowDecoding, int flags);
int NQ_NET_LED_GetBrightnessPara(void);
int NQ_NET_LED_ModBrightnessPara(int level);
int NQ_NET_LED_GetDayNightBrightness(DayNightRecord* levels);
int NQ_NET_LED_ModDayNightBrightness(int day, int night);
const char* NQ_NET_LED_GetOnOffTime(void);
const char* NQ_NET_LED_GetTime(void);
const char* NQ_NET_LED_GetVersion(void);
int NQ_NET_LED_ModOnOffTime(int onHour, int onMinute, int offHour, int offMinute);
int NQ_NET_LED_ModTime(int year, int month, int day, int hour, int minute, int second);
int NQ_NET_LED_GetProgramIO(ProgramIoTable* table);
int NQ_NET_LED_ModProgramIO(int line, ProgramIoTable* table);
int NQ_NET_LED_Progress(int* done, int* total);  // as NQ_COM_LED_Progress

#ifdef __cplusplus
}
#endif
