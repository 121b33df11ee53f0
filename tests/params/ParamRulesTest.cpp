#include <gtest/gtest.h>

#include "LedError.h"
#include "ParamRules.h"

using namespace params;

namespace {

TEST(ParamRules, AddressTexts) {
  struct Row {
    const char* text;
    bool valid;
  };
  const Row rows[] = {
      {"192.168.1.10", true},
      {"0.0.0.0", true},
      {"255.255.255.255", true},
      {"010.001.000.001", true},   // leading zeros are read as decimal numbers
      {" 192.168.1.10 ", true},    // blanks around the text (the page strips them too)
      {"192. 168.  1. 10", true},  // a blank directly after a full stop
      {"192 .168.1.10", false},    // ... but not before one
      {"", false},
      {"256.1.1.1", false},
      {"1.2.3.256", false},
      {"99999999999.1.1.1", false},
      {"1.2.3", false},
      {"1.2.3.4.5", false},
      {"a.1.1.1", false},
      {"1.1.x.1", false},
      {"1.1.1.1a", false},
      {"1..2.3", false},
      {"1.2.3.", false},
      {".1.2.3", false},
      {"-1.2.3.4", false},
      {"1.2.3.4 5", false},  // the controller would read 45
      {"1.2.3.4\t", false},
  };
  for (const Row& r : rows)
    EXPECT_EQ(IsValidAddressText(QString::fromUtf8(r.text)), r.valid) << r.text;
}

TEST(ParamRules, AddressesFitTheirSixteenByteFields) {
  struct Row {
    const char* text;
    std::optional<QByteArray> bytes;
  };
  const Row rows[] = {
      {"192.168.100.200", QByteArray("192.168.100.200")},
      {"1. 2.3.4", QByteArray("1. 2.3.4")},  // fits: sent as typed
      {"192. 168. 100. 200", QByteArray("192.168.100.200")},
      {"0000000000001.2.3.4", std::nullopt},
  };
  for (const Row& r : rows)
    EXPECT_EQ(addressFieldBytes(QString::fromUtf8(r.text)), r.bytes) << r.text;
}

TEST(ParamRules, SerialRecordsToListsAndBack) {
  struct Row {
    SerialParaRecord record;
    SerialChoice shown, expected;
  };
  const SerialChoice none;
  const Row rows[] = {
      {{9600, 4, 0, 32}, none, {3, 1, 0, 1}},
      {{1200, 0, 0, 0}, {9, 2, 0, 1}, {0, 0, 0, 0}},
      {{115200, 6, 0, 0}, none, {9, 2, 0, 0}},
      {{12345, 6, 0, 0}, {5, 0, 0, 1}, {5, 2, 0, 0}},  // an unlisted baud keeps the selection
      {{2400, 2, 0, 7}, {1, 1, 0, 1}, {1, 1, 0, 1}},   // so do parity 2 and stop bits 7
      {{2400, 0, 3, 0}, {1, 1, 0, 1}, {1, 0, -1, 0}},  // data bits are an entry index
  };
  for (const Row& r : rows)
    EXPECT_EQ(serialChoiceAfterRead(r.record, r.shown), r.expected) << r.record.baud;

  const std::optional<SerialParaRecord> sent = serialRecordFor({8, 2, 0, 1});
  ASSERT_TRUE(sent);
  EXPECT_EQ(sent->baud, 57600);
  EXPECT_EQ(sent->parity, 6);
  EXPECT_EQ(sent->dataBits, 0);
  EXPECT_EQ(sent->stopBits, 32);
  for (const SerialChoice& c :
       {SerialChoice{-1, 0, 0, 0}, SerialChoice{0, -1, 0, 0}, SerialChoice{0, 0, -1, 0},
        SerialChoice{0, 0, 0, -1}, SerialChoice{10, 0, 0, 0}})
    EXPECT_FALSE(serialRecordFor(c)) << c.baud << c.parity << c.dataBits << c.stopBits;
}

TEST(ParamRules, ScanCodesAndFlags) {
  // Read: code -> entry of "04-P16-08-08-16", "04-P16-08", "04-P08-08", "04-P08-08-04"
  // and the row-decoding box, worked out from the controller's table.
  const ScanView expected[16] = {
      {1, false}, {1, false}, {1, true}, {1, true}, {0, false}, {0, false}, {0, true}, {0, true},
      {2, false}, {2, false}, {2, true}, {2, true}, {3, false}, {3, false}, {3, true}, {3, true}};
  for (int code = 0; code < 16; ++code) EXPECT_EQ(scanViewForCode(code), expected[code]) << code;
  EXPECT_FALSE(scanViewForCode(16));
  EXPECT_EQ(scanModeEntries().indexOf(QStringLiteral("04-P16-08")), 1);

  struct Row {
    bool inverted;
    int polarity;
    int flags;
  };
  for (const Row& r : {Row{false, 0, 0}, Row{true, 1, 17}, Row{true, 0, 1}, Row{false, -1, 16}})
    EXPECT_EQ(scanFlagsFor(r.inverted, r.polarity), r.flags) << r.inverted << r.polarity;
}

TEST(ParamRules, OnOffTexts) {
  using Times = std::array<int, 4>;
  struct Row {
    const char* text;
    std::optional<Times> times;
  };
  const Row rows[] = {
      {"08?30?22?15", Times{8, 30, 22, 15}},
      {"08:30-22:15", Times{8, 30, 22, 15}},
      {"08时30分22时15", Times{8, 30, 22, 15}},
      {"99:99-99:99 extra", Times{99, 99, 99, 99}},
      {"08:30-22:1", std::nullopt},  // ten characters
      {"08:3x-22:15", std::nullopt},
      {" 8:30-22:15", std::nullopt},
      {"超时", std::nullopt},
      {"", std::nullopt},
  };
  for (const Row& r : rows) EXPECT_EQ(parseOnOffText(QString::fromUtf8(r.text)), r.times) << r.text;
}

TEST(ParamRules, LibraryTextsAreBoundAndStatusTextsKnown) {
  struct Row {
    const char* text;
    int bytes;
    const char* kept;
  };
  const Row rows[] = {
      {"FW-0123456789ABCDEF", kVersionBytes, "FW-0123456789AB"},
      {"固件版本号一二三四五", kVersionBytes, "固件版本号一二"},  // 2 bytes each in GBK
      {"abcdefghijklmn固", kOnOffBytes, "abcdefghijklmn"},        // no half character
      {"2019-03-05 07:08:09.123", kClockBytes, "2019-03-05 07:08:09"},
      {"短", kClockBytes, "短"},
  };
  for (const Row& r : rows)
    EXPECT_EQ(boundedText(QString::fromUtf8(r.text), r.bytes), QString::fromUtf8(r.kept)) << r.text;

  for (const char* status : {"未连接", "未收到回码", "回码错误", "和校验错误", "超时"})
    EXPECT_TRUE(isLinkStatusText(QString::fromUtf8(status))) << status;
  for (const char* other : {"超时 ", "", "2019-03-05 07:08:09"})
    EXPECT_FALSE(isLinkStatusText(QString::fromUtf8(other))) << other;
}

TEST(ParamRules, NumberFieldsReportWhatIsWrong) {
  EXPECT_EQ(fieldInteger(QStringLiteral("8000"), QStringLiteral("端口")), 8000);
  for (const char* bad : {"", " ", "80a", "99999999999"}) {
    try {
      fieldInteger(QString::fromUtf8(bad), QStringLiteral("端口"));
      ADD_FAILURE() << bad;
    } catch (const LedError& e) {
      EXPECT_TRUE(e.text().contains(QStringLiteral("端口"))) << e.text().toStdString();
    }
  }
}

}  // namespace
