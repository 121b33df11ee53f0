// Colour mapping, bit planes, the BMP reader/writer and the GBK set.ini.
#include <gtest/gtest.h>

#include "Bmp.h"
#include "Program.h"
#include "ProgramIni.h"

using namespace nq;

TEST(LedColour, ExactColoursAndNearestForTheRest) {
  struct Row {
    uint8_t r, g, b;
    LedColour want;
  };
  const Row rows[] = {
      {255, 0, 0, Red},      {237, 28, 36, Red},    {0, 128, 0, Green}, {34, 177, 76, Green},
      {255, 255, 0, Yellow}, {255, 242, 0, Yellow}, {0, 0, 0, Black},   {255, 255, 255, Yellow},
      {0, 0, 255, Black},    {200, 30, 30, Red},    {0, 255, 0, Green}, {60, 60, 60, Black},
      {128, 0, 0, Red},      {127, 0, 0, Black},
  };
  for (const auto& r : rows)
    EXPECT_EQ(ledColourOf(r.r, r.g, r.b), r.want) << int(r.r) << "," << int(r.g) << "," << int(r.b);
}

namespace {
Image sample() {
  Image img(9, 2);
  auto set = [&](int x, int y, uint8_t r, uint8_t g, uint8_t b) {
    uint8_t* p = img.px(x, y);
    p[0] = r;
    p[1] = g;
    p[2] = b;
  };
  set(0, 0, 255, 0, 0);
  set(1, 0, 0, 128, 0);
  set(2, 0, 255, 255, 0);
  set(8, 0, 255, 242, 0);
  set(7, 1, 237, 28, 36);
  set(8, 1, 255, 255, 255);  // nearest: yellow
  return img;
}
}  // namespace

TEST(Planes, EachColourClassGetsItsPlanes) {
  struct Row {
    int cls;
    std::vector<uint8_t> planes;
  };
  const Row rows[] = {
      {3, {0xA0, 0x80, 0x01, 0x80, 0x60, 0x80, 0x00, 0x80}},
      {1, {0xA0, 0x80, 0x01, 0x80}},
      {2, {0x60, 0x80, 0x00, 0x80}},
      {0, {0x00, 0x00, 0x00, 0x00}},
  };
  for (const auto& r : rows) {
    std::vector<uint8_t> out;
    encodeProgram(out, sample(), {r.cls, 5, 2, 10});
    std::vector<uint8_t> want = {9, 0, 2, 0, uint8_t(r.cls), 5, 2, 10};
    want.insert(want.end(), r.planes.begin(), r.planes.end());
    EXPECT_EQ(out, want) << "class " << r.cls;
  }
}

TEST(Planes, DecodeGivesPureLedColours) {
  std::vector<uint8_t> stream;
  encodeProgram(stream, sample(), {3, 0, 0, 0});
  encodeProgram(stream, sample(), {1, 0, 0, 0});
  std::vector<WireProgram> programs;
  ASSERT_TRUE(parseProgramStream(stream, 2, programs));
  Image both = decodeProgram(programs[0]);
  Image red = decodeProgram(programs[1]);
  auto rgb = [](const Image& i, int x, int y) {
    const uint8_t* p = i.px(x, y);
    return std::array<int, 3>{p[0], p[1], p[2]};
  };
  EXPECT_EQ(rgb(both, 0, 0), (std::array<int, 3>{255, 0, 0}));
  EXPECT_EQ(rgb(both, 1, 0), (std::array<int, 3>{0, 128, 0}));
  EXPECT_EQ(rgb(both, 8, 0), (std::array<int, 3>{255, 255, 0}));
  EXPECT_EQ(rgb(both, 7, 1), (std::array<int, 3>{255, 0, 0}));
  EXPECT_EQ(rgb(both, 3, 1), (std::array<int, 3>{0, 0, 0}));
  // A red-only program shows green as dark and yellow as red.
  EXPECT_EQ(rgb(red, 1, 0), (std::array<int, 3>{0, 0, 0}));
  EXPECT_EQ(rgb(red, 2, 0), (std::array<int, 3>{255, 0, 0}));
}

TEST(Planes, StreamDefectsAreRejected) {
  std::vector<uint8_t> good;
  encodeProgram(good, sample(), {3, 0, 0, 0});
  std::vector<WireProgram> out;
  struct Row {
    const char* what;
    std::vector<uint8_t> bytes;
    int count;
  };
  auto with = [&](size_t at, uint8_t v) {
    auto b = good;
    b[at] = v;
    return b;
  };
  const std::vector<uint8_t> shorter(good.begin(), good.end() - 1);
  auto longer = good;
  longer.push_back(0);
  const Row rows[] = {
      {"truncated", shorter, 1},
      {"trailing", longer, 1},
      {"count too big", good, 2},
      {"zero width", with(0, 0), 1},
      {"class 4", with(4, 4), 1},
      {"mode 16", with(5, 16), 1},
      {"speed 6", with(6, 6), 1},
      {"width 641",
       [&] {
         auto b = good;
         b[0] = 0x81;
         b[1] = 2;
         return b;
       }(),
       1},
  };
  for (const auto& r : rows) EXPECT_FALSE(parseProgramStream(r.bytes, r.count, out)) << r.what;
  EXPECT_TRUE(parseProgramStream(good, 1, out));
}

TEST(Bmp, ReadsHandMadeFiles) {
  // 2 x 2, 24 bits, bottom-up: top row red, green; bottom row yellow, black.
  std::vector<uint8_t> f24 = {
      'B',  'M',  70,   0, 0, 0, 0, 0, 0,    0,    54,   0,    0,    0,    40, 0, 0,  0,
      2,    0,    0,    0, 2, 0, 0, 0, 1,    0,    24,   0,    0,    0,    0,  0, 16, 0,
      0,    0,    0,    0, 0, 0, 0, 0, 0,    0,    0,    0,    0,    0,    0,  0, 0,  0,
      0x00, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0x00, 0x00, 0xFF, 0x00, 0x80, 0x00, 0,  0};
  auto img = decodeBmp(f24);
  ASSERT_TRUE(img);
  ASSERT_EQ(img->width, 2);
  ASSERT_EQ(img->height, 2);
  const std::vector<uint8_t> want = {255, 0, 0, 0, 128, 0, 255, 255, 0, 0, 0, 0};
  EXPECT_EQ(img->rgb, want);
  EXPECT_EQ(encodeBmp24(*img).size(), f24.size());

  // 3 x 1, 1 bit, palette black and red: pixels red, black, red.
  std::vector<uint8_t> f1 = {'B', 'M', 66, 0, 0, 0, 0, 0, 0, 0,    62, 0,    0, 0, 40, 0, 0,
                             0,   3,   0,  0, 0, 1, 0, 0, 0, 1,    0,  1,    0, 0, 0,  0, 0,
                             4,   0,   0,  0, 0, 0, 0, 0, 0, 0,    0,  0,    2, 0, 0,  0, 0,
                             0,   0,   0,  0, 0, 0, 0, 0, 0, 0xFF, 0,  0xA0, 0, 0, 0};
  img = decodeBmp(f1);
  ASSERT_TRUE(img);
  EXPECT_EQ(img->rgb, (std::vector<uint8_t>{255, 0, 0, 0, 0, 0, 255, 0, 0}));

  for (auto bad : {std::vector<uint8_t>{}, std::vector<uint8_t>(f24.begin(), f24.begin() + 60),
                   std::vector<uint8_t>{'B', 'X', 0, 0}})
    EXPECT_FALSE(decodeBmp(bad));
}

TEST(Bmp, WriterOutputReadsBackPixelForPixel) {
  Image img(5, 3);
  for (size_t i = 0; i < img.rgb.size(); ++i) img.rgb[i] = uint8_t(i * 37);
  auto file = encodeBmp24(img);
  EXPECT_EQ(file.size(), 54u + 16u * 3u);  // rows of 15 bytes padded to 16
  auto back = decodeBmp(file);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->rgb, img.rgb);
}

TEST(ProgramIni, ReadsAndWritesTheProgramSettings) {
  // [节目0] with 屏宽=64 屏高=32 颜色=3 播放方式=2 播放速度=4 停留时间=12, GBK and CRLF.
  const std::string text =
      "[\xBD\xDA\xC4\xBF"
      "0]\r\n\xC6\xC1\xBF\xED=64\r\n\xC6\xC1\xB8\xDF=32\r\n\xD1\xD5\xC9\xAB=3\r\n"
      "\xB2\xA5\xB7\xC5\xB7\xBD\xCA\xBD=2\r\n\xB2\xA5\xB7\xC5\xCB\xD9\xB6\xC8=4\r\n"
      "\xCD\xA3\xC1\xF4\xCA\xB1\xBC\xE4=12\r\n";
  const IniText ini = IniText::parse(text);
  const ProgramSettings s = readProgramSettings(ini, 0);
  EXPECT_EQ(s.colourClass, 3);
  EXPECT_EQ(s.playMode, 2);
  EXPECT_EQ(s.playSpeed, 4);
  EXPECT_EQ(s.dwell, 12);
  std::string written;
  appendProgramSection(written, 0, 64, 32, s);
  EXPECT_EQ(written, text);

  // Missing section: the play-setting defaults; a non-decimal value takes its key's default,
  // as the editor shows it, instead of refusing the send.
  const ProgramSettings d = readProgramSettings(ini, 1);
  EXPECT_EQ(d.playSpeed, 4);
  EXPECT_EQ(d.dwell, 5);
  const ProgramSettings bad =
      readProgramSettings(IniText::parse("[\xBD\xDA\xC4\xBF"
                                         "0]\r\n\xD1\xD5\xC9\xAB=x1\r\n"
                                         "\xCD\xA3\xC1\xF4\xCA\xB1\xBC\xE4=12\r\n"),
                          0);
  EXPECT_EQ(bad.colourClass, 0);
  EXPECT_EQ(bad.dwell, 12);
}

// RLE8 streams that leave a 4 x 2 picture are damaged files; one that stays inside decodes.
TEST(Bmp, RunLengthStreamsStayInsideThePicture) {
  auto rle8 = [](std::vector<uint8_t> stream) {
    std::vector<uint8_t> f(54 + 8, 0);
    f[0] = 'B';
    f[1] = 'M';
    f[10] = 62;
    f[14] = 40;
    f[18] = 4;
    f[22] = 2;
    f[26] = 1;
    f[28] = 8;
    f[30] = 1;  // RLE8
    f[46] = 2;  // two palette entries: black, red
    f[60] = 0xFF;
    f.insert(f.end(), stream.begin(), stream.end());
    return f;
  };
  struct Case {
    const char* name;
    std::vector<uint8_t> stream;
    bool valid;
  };
  const Case cases[] = {
      {"runs and a delta inside", {2, 1, 0, 0, 0, 2, 1, 0, 1, 1, 0, 1}, true},
      {"a run past the row's end", {5, 1, 0, 1}, false},
      {"runs piling up on one row", {255, 1, 255, 1, 255, 1, 0, 1}, false},
      {"a literal run past the row's end", {0, 3, 1, 1, 1, 0, 2, 1, 0, 0, 1}, false},
      {"a delta right of the picture", {0, 2, 5, 0, 0, 1}, false},
      {"a delta below the picture", {0, 2, 0, 2, 0, 1}, false},
  };
  for (const auto& c : cases) {
    auto img = decodeBmp(rle8(c.stream));
    EXPECT_EQ(img.has_value(), c.valid) << c.name;
  }
  auto img = decodeBmp(rle8(cases[0].stream));
  ASSERT_TRUE(img);
  // Bottom row: red, red, black; then a delta to (1, 1) and one red pixel on the top row.
  EXPECT_EQ(img->px(0, 1)[0], 255);
  EXPECT_EQ(img->px(2, 1)[0], 0);
  EXPECT_EQ(img->px(1, 0)[0], 255);
  EXPECT_EQ(img->px(0, 0)[0], 0);
}
