#pragma once

// Every function of the two link libraries, as X-macro lists: F(name). The table of loaded
// functions is typed from the libraries' own header, so a signature that differs is a compile
// error.

#define LEDSIGN_COM_FUNCTIONS(F)      \
  F(NQ_COM_LED_OpenSerial)            \
  F(NQ_COM_LED_CloseSerial)           \
  F(NQ_COM_LED_Set_GPRS)              \
  F(NQ_COM_LED_GetWidthHeight)        \
  F(NQ_COM_LED_ProgramNumber)         \
  F(NQ_COM_LED_Type)                  \
  F(NQ_COM_LED_Format)                \
  F(NQ_COM_LED_Reboot)                \
  F(NQ_COM_LED_ModProgram)            \
  F(NQ_COM_LED_GetProgram)            \
  F(NQ_COM_LED_Update)                \
  F(NQ_COM_LED_GetBaud)               \
  F(NQ_COM_LED_Mod_KuanGao)           \
  F(NQ_COM_LED_GetSerialPara)         \
  F(NQ_COM_LED_ModSerialPara)         \
  F(NQ_COM_LED_GetNetPara)            \
  F(NQ_COM_LED_ModNetPara)            \
  F(NQ_COM_LED_GetScanPara)           \
  F(NQ_COM_LED_ModScanPara)           \
  F(NQ_COM_LED_GetBrightnessPara)     \
  F(NQ_COM_LED_ModBrightnessPara)     \
  F(NQ_COM_LED_GetDayNightBrightness) \
  F(NQ_COM_LED_ModDayNightBrightness) \
  F(NQ_COM_LED_GetOnOffTime)          \
  F(NQ_COM_LED_GetTime)               \
  F(NQ_COM_LED_GetVersion)            \
  F(NQ_COM_LED_ModOnOffTime)          \
  F(NQ_COM_LED_ModTime)               \
  F(NQ_COM_LED_GetProgramIO)          \
  F(NQ_COM_LED_ModProgramIO)

#define LEDSIGN_NET_FUNCTIONS(F)      \
  F(NQ_NET_LED_Connect)               \
  F(NQ_NET_LED_Disnect)               \
  F(NQ_SendHeart)                     \
  F(NQ_NET_LED_GetWidthHeight)        \
  F(NQ_NET_LED_ProgramNumber)         \
  F(NQ_NET_LED_Type)                  \
  F(NQ_NET_LED_Format)                \
  F(NQ_NET_LED_Reboot)                \
  F(NQ_NET_LED_ModProgram)            \
  F(NQ_NET_LED_GetProgram)            \
  F(NQ_NET_LED_Update)                \
  F(NQ_NET_LED_GetNetCard)            \
  F(NQ_NET_LED_SendArpPacket)         \
  F(NQ_NET_LED_GetNetIP)              \
  F(NQ_NET_LED_Mod_KuanGao)           \
  F(NQ_NET_LED_GetSerialPara)         \
  F(NQ_NET_LED_ModSerialPara)         \
  F(NQ_NET_LED_GetNetPara)            \
  F(NQ_NET_LED_ModNetPara)            \
  F(NQ_NET_LED_Get485Para)            \
  F(NQ_NET_LED_Mod485Para)            \
  F(NQ_NET_LED_GetScanPara)           \
  F(NQ_NET_LED_ModScanPara)           \
  F(NQ_NET_LED_GetBrightnessPara)     \
  F(NQ_NET_LED_ModBrightnessPara)     \
  F(NQ_NET_LED_GetDayNightBrightness) \
  F(NQ_NET_LED_ModDayNightBrightness) \
  F(NQ_NET_LED_GetOnOffTime)          \
  F(NQ_NET_LED_GetTime)               \
  F(NQ_NET_LED_GetVersion)            \
  F(NQ_NET_LED_ModOnOffTime)          \
  F(NQ_NET_LED_ModTime)               \
  F(NQ_NET_LED_GetProgramIO)          \
  F(NQ_NET_LED_ModProgramIO)
