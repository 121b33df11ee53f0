#include "ParamRules.h"

#include <QCoreApplication>
#include <QStringEncoder>
#include <algorithm>

#include "LedError.h"

namespace params {

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The size of the NUL-terminated text fields of the NetParaRecord.
constexpr int kAddressFieldBytes = int(sizeof(NetParaRecord::ip)) - 1;

// The texts the library returns instead of a result when the link fails; compared as they come,
// shown translated.
constexpr const char* kLinkStatus[] = {
    QT_TRANSLATE_NOOP("ParamRules", "未连接"), QT_TRANSLATE_NOOP("ParamRules", "未收到回码"),
    QT_TRANSLATE_NOOP("ParamRules", "回码错误"), QT_TRANSLATE_NOOP("ParamRules", "和校验错误"),
    QT_TRANSLATE_NOOP("ParamRules", "超时")};

// The catalogue's source of a link status text; nullptr for any other text.
const char* linkStatusSource(const QString& text) {
  for (const char* source : kLinkStatus)
    if (text == QString::fromUtf8(source)) return source;
  return nullptr;
}

}  // namespace

bool IsValidAddressText(const QString& text) {
  if (text.isEmpty()) return false;
  int stops = 0;
  for (QChar c : text) {
    if (c == u'.')
      ++stops;
    else if (c != u' ' && !isDigit(c))
      return false;
  }
  if (stops != 3) return false;

  const qsizetype n = text.size();
  qsizetype i = 0;
  for (int part = 0; part < 4; ++part) {
    while (i < n && text[i] == u' ') ++i;
    const qsizetype start = i;
    int value = 0;
    while (i < n && isDigit(text[i])) {
      value = std::min(value * 10 + (text[i].unicode() - u'0'), 256);  // 256: already too big
      ++i;
    }
    if (i == start || value > 255) return false;
    if (part < 3) {
      if (i >= n || text[i] != u'.') return false;
      ++i;
    }
  }
  // Blanks may follow the fourth number; another number after a blank would be read by the
  // controller as part of it, so nothing else may.
  while (i < n && text[i] == u' ') ++i;
  return i == n;
}

std::optional<QByteArray> addressFieldBytes(const QString& text) {
  QByteArray bytes = text.toLatin1();
  if (bytes.size() > kAddressFieldBytes) bytes.replace(" ", "");
  if (bytes.size() > kAddressFieldBytes) return std::nullopt;
  return bytes;
}

QStringList baudEntries() {
  QStringList entries;
  for (int rate : kBaudRates) entries << QString::number(rate);
  return entries;
}
QStringList parityEntries() {
  return {QCoreApplication::translate("ParamRules", "无校验位"),
          QCoreApplication::translate("ParamRules", "偶校验"),
          QCoreApplication::translate("ParamRules", "奇校验")};
}
QStringList dataBitEntries() { return {QCoreApplication::translate("ParamRules", "8位")}; }
QStringList stopBitEntries() {
  return {QCoreApplication::translate("ParamRules", "1位"),
          QCoreApplication::translate("ParamRules", "2位")};
}

namespace {
constexpr std::array<int, 3> kParityCodes = {0, 4, 6};
constexpr std::array<int, 2> kStopBitCodes = {0, 32};

template <size_t N>
int indexOf(const std::array<int, N>& codes, int value, int fallback) {
  const auto it = std::find(codes.begin(), codes.end(), value);
  return it == codes.end() ? fallback : int(it - codes.begin());
}
template <size_t N>
bool inRange(const std::array<int, N>&, int index) {
  return index >= 0 && index < int(N);
}
}  // namespace

SerialChoice serialChoiceAfterRead(const SerialParaRecord& record, SerialChoice shown) {
  SerialChoice c;
  c.baud = indexOf(kBaudRates, record.baud, shown.baud);
  c.parity = indexOf(kParityCodes, record.parity, shown.parity);
  c.dataBits =
      record.dataBits >= 0 && record.dataBits < dataBitEntries().size() ? record.dataBits : -1;
  c.stopBits = indexOf(kStopBitCodes, record.stopBits, shown.stopBits);
  return c;
}

std::optional<SerialParaRecord> serialRecordFor(const SerialChoice& choice) {
  if (!inRange(kBaudRates, choice.baud) || !inRange(kParityCodes, choice.parity) ||
      choice.dataBits < 0 || choice.dataBits >= dataBitEntries().size() ||
      !inRange(kStopBitCodes, choice.stopBits))
    return std::nullopt;
  SerialParaRecord record{};
  record.baud = kBaudRates[size_t(choice.baud)];
  record.parity = kParityCodes[size_t(choice.parity)];
  record.dataBits = 0;
  record.stopBits = kStopBitCodes[size_t(choice.stopBits)];
  return record;
}

QStringList scanModeEntries() {
  return {QStringLiteral("04-P16-08-08-16"), QStringLiteral("04-P16-08"),
          QStringLiteral("04-P08-08"), QStringLiteral("04-P08-08-04")};
}
QStringList oePolarityEntries() {
  return {QCoreApplication::translate("ParamRules", "低有效"),
          QCoreApplication::translate("ParamRules", "高有效")};
}

std::optional<ScanView> scanViewForCode(int code) {
  if (code < 0 || code > 15) return std::nullopt;
  static constexpr int kEntryOfGroup[4] = {1, 0, 2, 3};
  return ScanView{kEntryOfGroup[code / 4], (code & 2) != 0};
}

int scanFlagsFor(bool inverted, int oePolarity) {
  return (inverted ? kScanInverted : 0) | (oePolarity == 0 ? 0 : kScanOeHigh);
}

int clampLevel(int level) { return std::clamp(level, kMinLevel, kMaxLevel); }

bool isLinkStatusText(const QString& text) { return linkStatusSource(text) != nullptr; }

QString shownLibraryText(const QString& text) {
  const char* source = linkStatusSource(text);
  return source ? QCoreApplication::translate("ParamRules", source) : text;
}

QString boundedText(const QString& text, int maxBytes) {
  QStringEncoder gbk("GBK");
  int used = 0;
  qsizetype end = 0;
  while (end < text.size()) {
    const qsizetype width = text[end].isHighSurrogate() && end + 1 < text.size() ? 2 : 1;
    used += int(QByteArray(gbk.encode(QStringView(text).mid(end, width))).size());
    if (used > maxBytes) break;
    end += width;
  }
  return text.left(end);
}

std::optional<std::array<int, 4>> parseOnOffText(const QString& text) {
  if (text.size() < 11) return std::nullopt;
  std::array<int, 4> numbers{};
  for (int k = 0; k < 4; ++k) {
    const QChar tens = text[k * 3];
    const QChar ones = text[k * 3 + 1];
    if (!isDigit(tens) || !isDigit(ones)) return std::nullopt;
    numbers[size_t(k)] = (tens.unicode() - u'0') * 10 + (ones.unicode() - u'0');
  }
  return numbers;
}

int fieldInteger(const QString& text, const QString& fieldName) {
  if (text.trimmed().isEmpty())
    throw LedError(QCoreApplication::translate("ParamRules", "请填写%1").arg(fieldName));
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!ok)
    throw LedError(
        QCoreApplication::translate("ParamRules", "%1“%2”不是有效的整数").arg(fieldName, text));
  return value;
}

}  // namespace params
