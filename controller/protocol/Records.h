#pragma once
// Records exchanged with the link libraries, byte for byte
// as the application passes them. Plain C layouts: 32-bit signed integers in host byte
// order, 8-bit NUL-terminated GBK texts. This header is also valid C.

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

enum { NQ_MAX_PROGRAMS = 255, NQ_PATH_SLOT = 255, NQ_INI_PATH_SLOT = 256 };

// ModProgram's only argument : 255 bitmap path slots, the count, the set.ini path.
typedef struct ProgramSendRecord {
  char bitmapPaths[NQ_MAX_PROGRAMS][NQ_PATH_SLOT];
  char zero[3];
  int32_t count;
  char iniPath[NQ_INI_PATH_SLOT];
} ProgramSendRecord;

// One adapter of GetNetCard.
typedef struct NetCardEntry {
  char address[16];
  char description[255];
} NetCardEntry;

// One answer of GetNetIP; same layout as NetParaRecord.
typedef struct NetIpEntry {
  char ip[16];
  char mask[16];
  char gateway[16];
  int32_t port;
} NetIpEntry;

// Programs of one input line.
typedef struct ProgramIoEntry {
  int32_t count;
  int32_t programs[16];
} ProgramIoEntry;

typedef struct ProgramIoTable {
  ProgramIoEntry lines[6];
} ProgramIoTable;

// Controller parameters.
typedef struct ScreenSizeRecord {
  int32_t width;
  int32_t height;
} ScreenSizeRecord;

typedef struct SerialParaRecord {
  int32_t baud;
  int32_t parity;    // 0 none, 4 even, 6 odd
  int32_t dataBits;  // 0 = 8 data bits
  int32_t stopBits;  // 0 one, 32 two
} SerialParaRecord;

typedef struct NetParaRecord {
  char ip[16];
  char mask[16];
  char gateway[16];
  int32_t port;
} NetParaRecord;

// Day and night brightness.
typedef struct DayNightRecord {
  int32_t day;
  int32_t night;
} DayNightRecord;

#ifdef __cplusplus
}  // extern "C"

#include <cstddef>

static_assert(sizeof(ProgramSendRecord) == 65288);
static_assert(offsetof(ProgramSendRecord, bitmapPaths) == 0);
static_assert(offsetof(ProgramSendRecord, zero) == 65025);
static_assert(offsetof(ProgramSendRecord, count) == 65028);
static_assert(offsetof(ProgramSendRecord, iniPath) == 65032);

static_assert(sizeof(NetCardEntry) == 271);
static_assert(offsetof(NetCardEntry, address) == 0);
static_assert(offsetof(NetCardEntry, description) == 16);

static_assert(sizeof(NetIpEntry) == 52);
static_assert(offsetof(NetIpEntry, ip) == 0);
static_assert(offsetof(NetIpEntry, mask) == 16);
static_assert(offsetof(NetIpEntry, gateway) == 32);
static_assert(offsetof(NetIpEntry, port) == 48);

static_assert(sizeof(ProgramIoEntry) == 68);
static_assert(offsetof(ProgramIoEntry, count) == 0);
static_assert(offsetof(ProgramIoEntry, programs) == 4);
static_assert(sizeof(ProgramIoTable) == 408);
static_assert(offsetof(ProgramIoTable, lines) == 0);

static_assert(sizeof(ScreenSizeRecord) == 8);
static_assert(offsetof(ScreenSizeRecord, width) == 0);
static_assert(offsetof(ScreenSizeRecord, height) == 4);

static_assert(sizeof(SerialParaRecord) == 16);
static_assert(offsetof(SerialParaRecord, baud) == 0);
static_assert(offsetof(SerialParaRecord, parity) == 4);
static_assert(offsetof(SerialParaRecord, dataBits) == 8);
static_assert(offsetof(SerialParaRecord, stopBits) == 12);

static_assert(sizeof(NetParaRecord) == 52);
static_assert(offsetof(NetParaRecord, ip) == 0);
static_assert(offsetof(NetParaRecord, mask) == 16);
static_assert(offsetof(NetParaRecord, gateway) == 32);
static_assert(offsetof(NetParaRecord, port) == 48);

static_assert(sizeof(DayNightRecord) == 8);
static_assert(offsetof(DayNightRecord, day) == 0);
static_assert(offsetof(DayNightRecord, night) == 4);
#endif
