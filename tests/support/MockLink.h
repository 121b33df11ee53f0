#pragma once

#include <gmock/gmock.h>

#include "ControllerLink.h"

// A ControllerLink that returns whatever a test scripts, for results a card cannot easily give.
class MockLink : public ControllerLink {
 public:
  MOCK_METHOD(int, OpenSerial, (const QString&, int), (override));
  MOCK_METHOD(int, CloseSerial, (), (override));
  MOCK_METHOD(int, Set_GPRS, (int, int), (override));
  MOCK_METHOD(int, GetBaud, (const QString&), (override));
  MOCK_METHOD(int, UpdateFile, (const QString&), (override));
  MOCK_METHOD(int, Connect, (const QString&, int), (override));
  MOCK_METHOD(int, Disnect, (), (override));
  MOCK_METHOD(int, SendHeart, (), (override));
  MOCK_METHOD(int, GetNetCard, (NetCardEntry*), (override));
  MOCK_METHOD(int, SendArpPacket, (int), (override));
  MOCK_METHOD(int, GetNetIP, (NetIpEntry*), (override));
  MOCK_METHOD(int, UpdateBytes, (const QByteArray&), (override));
  MOCK_METHOD(int, Get485Para, (SerialParaRecord*), (override));
  MOCK_METHOD(int, Mod485Para, (SerialParaRecord*), (override));
  MOCK_METHOD(int, GetWidthHeight, (Transport, int*, int*), (override));
  MOCK_METHOD(int, ProgramNumber, (Transport), (override));
  MOCK_METHOD(int, Type, (Transport), (override));
  MOCK_METHOD(int, Format, (Transport), (override));
  MOCK_METHOD(int, Reboot, (Transport), (override));
  MOCK_METHOD(int, ModProgram, (Transport, ProgramSendRecord*), (override));
  MOCK_METHOD(int, GetProgram, (Transport, int), (override));
  MOCK_METHOD(int, Mod_KuanGao, (Transport, ScreenSizeRecord*), (override));
  MOCK_METHOD(int, GetSerialPara, (Transport, SerialParaRecord*), (override));
  MOCK_METHOD(int, ModSerialPara, (Transport, SerialParaRecord*), (override));
  MOCK_METHOD(int, GetNetPara, (Transport, NetParaRecord*), (override));
  MOCK_METHOD(int, ModNetPara, (Transport, NetParaRecord*), (override));
  MOCK_METHOD(int, GetScanPara, (Transport, int*), (override));
  MOCK_METHOD(int, ModScanPara, (Transport, int, int, int), (override));
  MOCK_METHOD(int, GetBrightnessPara, (Transport), (override));
  MOCK_METHOD(int, ModBrightnessPara, (Transport, int), (override));
  MOCK_METHOD(int, GetDayNightBrightness, (Transport, DayNightRecord*), (override));
  MOCK_METHOD(int, ModDayNightBrightness, (Transport, int, int), (override));
  MOCK_METHOD(QString, GetOnOffTime, (Transport), (override));
  MOCK_METHOD(QString, GetTime, (Transport), (override));
  MOCK_METHOD(QString, GetVersion, (Transport), (override));
  MOCK_METHOD(int, ModOnOffTime, (Transport, int, int, int, int), (override));
  MOCK_METHOD(int, ModTime, (Transport, int, int, int, int, int, int), (override));
  MOCK_METHOD(int, GetProgramIO, (Transport, ProgramIoTable*), (override));
  MOCK_METHOD(int, ModProgramIO, (Transport, int, ProgramIoTable*), (override));
  MOCK_METHOD(bool, Progress, (Transport, int*, int*), (override));
};
