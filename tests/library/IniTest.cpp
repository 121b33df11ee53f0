#include <gtest/gtest.h>

#include <tuple>

#include "GbkIni.h"
#include "ProgramStore.h"
#include "TestHome.h"
#include "protocol/ProgramIni.h"

namespace {

// GBK bytes typed out by hand: 节目 BD DA C4 BF, 屏宽 C6 C1 BF ED, 屏高 C6 C1 B8 DF,
// 颜色 D1 D5 C9 AB, 播放方式 B2 A5 B7 C5 B7 BD CA BD, 播放速度 B2 A5 B7 C5 CB D9 B6 C8,
// 停留时间 CD A3 C1 F4 CA B1 BC E4.
const QByteArray kSection0 = QByteArray(
    "[\xBD\xDA\xC4\xBF"
    "0]");
const QByteArray kWidthKey = QByteArray("\xC6\xC1\xBF\xED");
const QByteArray kModeKey = QByteArray("\xB2\xA5\xB7\xC5\xB7\xBD\xCA\xBD");
const QByteArray kColourKey = QByteArray("\xD1\xD5\xC9\xAB");
const QByteArray kSpeedKey = QByteArray("\xB2\xA5\xB7\xC5\xCB\xD9\xB6\xC8");
const QByteArray kDwellKey = QByteArray("\xCD\xA3\xC1\xF4\xCA\xB1\xBC\xE4");
const QByteArray kByteOrderMark = QByteArray("\xEF\xBB\xBF");

TEST(GbkIni, KeepsWhatItDoesNotTouchAndAppendsNewKeysInOrder) {
  const QByteArray original = kByteOrderMark + "; comment\r\n[other]\r\nx = 1\r\n\r\n" + kSection0 +
                              "\r\n" + kWidthKey + "=64\r\nextra=keep me\r\n";
  GbkIni ini = GbkIni::parse(original);
  ini.setValue(QStringLiteral("节目0"), QStringLiteral("屏宽"), 32);
  ini.setValue(QStringLiteral("节目0"), QStringLiteral("播放方式"), 7);
  ini.setValue(QStringLiteral("other"), QStringLiteral("y"), QByteArray("2"));
  const QByteArray expected = kByteOrderMark + "; comment\r\n[other]\r\nx = 1\r\ny=2\r\n\r\n" +
                              kSection0 + "\r\n" + kWidthKey + "=32\r\nextra=keep me\r\n" +
                              kModeKey + "=7\r\n";
  EXPECT_EQ(ini.serialize(), expected);
}

TEST(GbkIni, ToleratesDamagedFiles) {
  struct Row {
    const char* what;
    QByteArray bytes;
    std::optional<int> width;  // value of 屏宽 in 节目0 as a strict decimal
  };
  const Row rows[] = {
      {"truncated last line", kSection0 + "\r\n" + kWidthKey + "=6", 6},
      {"LF line ends", kSection0 + "\n" + kWidthKey + "=64\n", 64},
      {"garbage value", kSection0 + "\r\n" + kWidthKey + "=abc\r\n", std::nullopt},
      {"number with junk", kSection0 + "\r\n" + kWidthKey + "=12x\r\n", std::nullopt},
      {"overflowing number", kSection0 + "\r\n" + kWidthKey + "=99999999999\r\n", std::nullopt},
      {"first duplicate wins",
       kSection0 + "\r\n" + kWidthKey + "=1\r\n" + kSection0 + "\r\n" + kWidthKey + "=2\r\n", 1},
      {"missing section", "[x]\r\na=1\r\n", std::nullopt},
      {"binary noise", QByteArray("\x00\xff[\r\n=\r\n]]]\x01", 12), std::nullopt},
      {"unterminated section line", "[" + kSection0.mid(1, 5) + "\r\n" + kWidthKey + "=5\r\n",
       std::nullopt},
      {"blanks around names",
       " [ \xBD\xDA\xC4\xBF"
       "0 ] \r\n " +
           kWidthKey + " = 9 \r\n",
       9},
  };
  for (const Row& row : rows) {
    const GbkIni ini = GbkIni::parse(row.bytes);
    EXPECT_EQ(ini.intValue(QStringLiteral("节目0"), QStringLiteral("屏宽")), row.width) << row.what;
  }
}

TEST(GbkIni, StrictDecimalConversion) {
  const std::pair<const char*, std::optional<int>> rows[] = {
      {"0", 0},
      {"255", 255},
      {"-3", -3},
      {"+4", 4},
      {" 12 ", 12},
      {"", std::nullopt},
      {"-", std::nullopt},
      {"1 2", std::nullopt},
      {"0x10", std::nullopt},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"2147483648", std::nullopt},
  };
  for (const auto& [text, value] : rows) EXPECT_EQ(parseDecimal(text), value) << text;
}

TEST(GbkIni, RemoveSectionRemovesDuplicatesAndOnlyThem) {
  GbkIni ini = GbkIni::parse("[a]\r\nk=1\r\n[b]\r\nk=2\r\n[a]\r\nk=3\r\n");
  ini.removeSection(QStringLiteral("A"));
  EXPECT_EQ(ini.serialize(), QByteArray("[b]\r\nk=2\r\n"));
}

// The second byte of a GBK character may be an ASCII letter's byte: only ASCII letters fold.
TEST(GbkIni, NamesFoldOnlyAsciiLetters) {
  const QByteArray upper("\x81\x41"), lower("\x81\x61");
  const GbkIni ini = GbkIni::parse("[" + upper + "]\r\nk=1\r\n[" + lower + "]\r\nk=2\r\n");
  EXPECT_EQ(ini.intValue(GbkIni::fromGbk(lower), QStringLiteral("K")), 2);
}

// The store and the link libraries read Program/set.ini through one reader: whatever program 0's
// section holds, the settings the editor shows are the ones a send takes.
TEST(SettingsIni, StoreAndLinkLibrariesReadTheSameSettings) {
  struct Row {
    const char* what;
    QByteArray bytes;
    std::tuple<int, int, int, int> want;  // colour, play mode, play speed, dwell
  };
  const QByteArray full = kSection0 + "\r\n" + kWidthKey + "=64\r\n" + kColourKey + "=3\r\n" +
                          kModeKey + "=2\r\n" + kSpeedKey + "=1\r\n" + kDwellKey + "=12\r\n";
  const Row rows[] = {
      {"CRLF", full, {3, 2, 1, 12}},
      {"LF only", QByteArray(full).replace("\r\n", "\n"), {3, 2, 1, 12}},
      {"byte-order mark before the first section", kByteOrderMark + full, {3, 2, 1, 12}},
      {"blanks around names",
       " [ " + kSection0.mid(1, kSection0.size() - 2) + "\t] \r\n\t" + kModeKey + " = 7 \r\n",
       {0, 7, 4, 5}},
      {"non-decimal values",
       kSection0 + "\r\n" + kColourKey + "=0x1\r\n" + kSpeedKey + "=fast\r\n" + kDwellKey +
           "=12s\r\n",
       {0, 0, 4, 5}},
      {"duplicate section: only the first is read",
       kSection0 + "\r\n" + kModeKey + "=1\r\n" + kSection0 + "\r\n" + kModeKey + "=2\r\n" +
           kSpeedKey + "=3\r\n",
       {0, 1, 4, 5}},
      {"missing keys", kSection0 + "\r\n" + kWidthKey + "=64\r\n", {0, 0, 4, 5}},
      {"key before any section, commented key",
       kModeKey + "=9\r\n" + kSection0 + "\r\n;" + kDwellKey + "=9\r\n",
       {0, 0, 4, 5}},
  };
  for (const Row& row : rows) {
    TestHome home;
    ASSERT_TRUE(home.write(QStringLiteral("Program/set.ini"), row.bytes));
    const ProgramStore store(home.path());
    const PlaySettings shown = store.readPlaySettings(0);
    const std::tuple read(store.readEntry(0).colour, shown.mode, shown.speed, shown.dwell);
    const nq::ProgramSettings s = nq::readProgramSettings(
        nq::IniText::parse(std::string_view(row.bytes.constData(), size_t(row.bytes.size()))), 0);
    EXPECT_EQ(read, row.want) << row.what;
    EXPECT_EQ(std::tuple(s.colourClass, s.playMode, s.playSpeed, s.dwell), row.want) << row.what;
  }
}

}  // namespace
