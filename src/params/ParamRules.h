#pragma once
// The rules of the controller parameter pages that need no widget: address checks, the scan-code
// table, the serial record mapping, the on/off text and the bounds of the library's texts.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "protocol/Limits.h"
#include "protocol/Records.h"

namespace params {

// Brightness levels of the controller's track bars.
inline constexpr int kMinLevel = 1;
inline constexpr int kMaxLevel = 32;

// The bytes the library copies from its text results (without the NUL).
inline constexpr int kVersionBytes = 15;
inline constexpr int kOnOffBytes = 15;
inline constexpr int kClockBytes = 19;

// ---- Network page ----

// Whether a text is an acceptable dotted IPv4 address: digits, full stops and blanks only,
// exactly three full stops, four numbers 0 to 255 each read like "%d" (blanks may precede a
// number, a full stop follows its number directly).
bool IsValidAddressText(const QString& text);

// The bytes of an address field (ip, mask or gateway are 16 bytes with the NUL) for a text that
// passed IsValidAddressText: as typed when it fits, else with its blanks removed; nullopt when
// even that does not fit (leading zeros beyond the field).
std::optional<QByteArray> addressFieldBytes(const QString& text);

// ---- Serial page ----

using nq::kBaudRates;
QStringList baudEntries();
QStringList parityEntries();
QStringList dataBitEntries();
QStringList stopBitEntries();

// The selected entry of each of a serial group's four lists; -1 for none.
struct SerialChoice {
  int baud = -1;
  int parity = -1;
  int dataBits = -1;
  int stopBits = -1;
  bool operator==(const SerialChoice&) const = default;
};

// What the lists show after a read of `record`: a baud, parity or stop value that no entry
// stands for keeps that list's selection; data bits are an entry index.
SerialChoice serialChoiceAfterRead(const SerialParaRecord& record, SerialChoice shown);
// The record a change sends; nullopt while any list has no selection.
std::optional<SerialParaRecord> serialRecordFor(const SerialChoice& choice);

// ---- Scan page ----

QStringList scanModeEntries();  // list order = the scan index a change sends
QStringList oePolarityEntries();

inline constexpr int kScanInverted = 1;  // data signal inverted
inline constexpr int kScanOeHigh = 16;   // OE active high

struct ScanView {
  int entry;  // position in scanModeEntries()
  bool rowDecoding;
  bool operator==(const ScanView&) const = default;
};
// The scan mode entry and row-decoding box for a read's scan code 0 to 15; nullopt above 15.
// (A read numbers the first two modes the other way round from a change.)
std::optional<ScanView> scanViewForCode(int code);
// ScanFlags for a change: the 16 goes with every polarity but "低有效" (index 0), also none (-1).
int scanFlagsFor(bool inverted, int oePolarity);

// ---- Brightness pages ----

int clampLevel(int level);

// ---- Texts returned by the library ----

// "未连接", "未收到回码", "回码错误", "和校验错误", "超时".
bool isLinkStatusText(const QString& text);
// A text from the library as the operator reads it: a link status text in the operator's
// language, any other text as it came.
QString shownLibraryText(const QString& text);
// The leading characters of `text` whose GBK form fits in `maxBytes`; no character is cut.
QString boundedText(const QString& text, int maxBytes);

// The switch-on hour and minute and the switch-off hour and minute of an on/off text: two
// digits each at positions 1-2, 4-5, 7-8 and 10-11 (the separators are not examined). nullopt
// for a text shorter than 11 characters or with a non-digit at a number position.
std::optional<std::array<int, 4>> parseOnOffText(const QString& text);

// ---- Number fields ----

// A field's decimal integer; throws LedError naming the field when it is empty or not a number.
int fieldInteger(const QString& text, const QString& fieldName);

}  // namespace params
