// The network library against the virtual card over loopback TCP: every operation end to end.
#include "LinkFixture.h"

using namespace nq;

namespace {

// Three programs covering the colour classes, exact and nearest colours, and sizes.
std::vector<TestProgram> threePrograms() {
  TestProgram a{filled(64, 32, 0, 0, 0), {3, 1, 2, 10}};
  setPx(a.image, 0, 0, 255, 0, 0);
  setPx(a.image, 1, 0, 0, 128, 0);
  setPx(a.image, 2, 0, 255, 255, 0);
  setPx(a.image, 63, 31, 34, 177, 76);
  setPx(a.image, 10, 10, 0, 0, 255);  // blue: nearest is black
  TestProgram b{filled(32, 16, 255, 255, 255),
                {1, 15, 5, 255}};  // white: nearest yellow, red plane
  setPx(b.image, 5, 5, 0, 0, 0);
  TestProgram c{filled(48, 8, 0, 0, 0), {2, 0, 0, 0}};
  setPx(c.image, 47, 7, 0, 128, 0);
  setPx(c.image, 0, 7, 255, 0, 0);  // red in a green-only program is dark
  return {a, b, c};
}

// What the fetched pictures must show, worked out from the colour rules by hand.
struct Expected {
  int program, x, y;
  uint8_t r, g, b;
};
const Expected kExpected[] = {
    {0, 0, 0, 255, 0, 0},   {0, 1, 0, 0, 128, 0},  {0, 2, 0, 255, 255, 0}, {0, 63, 31, 0, 128, 0},
    {0, 10, 10, 0, 0, 0},   {0, 5, 5, 0, 0, 0},    {1, 0, 0, 255, 0, 0},   {1, 5, 5, 0, 0, 0},
    {1, 31, 15, 255, 0, 0}, {2, 47, 7, 0, 128, 0}, {2, 0, 7, 0, 0, 0},     {2, 1, 1, 0, 0, 0},
};

}  // namespace

class NetLink : public CardFixture {
 protected:
  void SetUp() override {
    CardFixture::SetUp();
    startCard();
    ASSERT_EQ(connectNet(), 0);
  }
};

TEST_F(NetLink, ConnectQueriesAndHeartbeat) {
  int w = 0, h = 0;
  EXPECT_EQ(net<int(int*, int*)>("GetWidthHeight")(&w, &h), 0);
  EXPECT_EQ(w, 64);
  EXPECT_EQ(h, 32);
  EXPECT_EQ(net<int()>("ProgramNumber")(), 0);
  EXPECT_EQ(net<int()>("Type")(), 2);
  EXPECT_EQ(netLibrary().fn<int()>("NQ_SendHeart")(), 0);
  EXPECT_STREQ(net<const char*()>("GetVersion")(), "NQ-SIM 1.0");
  net<int()>("Disnect")();
  EXPECT_EQ(netLibrary().fn<int()>("NQ_SendHeart")(), NotConnected);
  EXPECT_EQ(net<int()>("ProgramNumber")(), -NotConnected);
  EXPECT_STREQ(net<const char*()>("GetVersion")(), kTextNotConnected);
}

TEST_F(NetLink, ConnectToAClosedPortOrABadAddressFails) {
  card->stop();
  EXPECT_EQ(connectNet(), ConnectFailed);
  EXPECT_EQ(net<int(const char*, int)>("Connect")("not an address", 8000), OutOfRange);
}

TEST_F(NetLink, EveryParameterReadsBackWhatWasSet) {
  ScreenSizeRecord size{96, 48};
  EXPECT_EQ(net<int(ScreenSizeRecord*)>("Mod_KuanGao")(&size), 0);
  int w = 0, h = 0;
  net<int(int*, int*)>("GetWidthHeight")(&w, &h);
  EXPECT_EQ(w * 1000 + h, 96048);

  for (const char* which : {"SerialPara", "485Para"}) {
    SerialParaRecord in{9600, 4, 0, 32}, out{};
    EXPECT_EQ(net<int(SerialParaRecord*)>(std::string("Mod") + which)(&in), 0) << which;
    EXPECT_EQ(net<int(SerialParaRecord*)>(std::string("Get") + which)(&out), 0) << which;
    EXPECT_EQ(std::memcmp(&in, &out, sizeof in), 0) << which;
  }
  NetParaRecord np{"10.0.0.5", "255.255.255.0", "10.0.0.1", 5005}, back{};
  EXPECT_EQ(net<int(NetParaRecord*)>("ModNetPara")(&np), 0);
  EXPECT_EQ(net<int(NetParaRecord*)>("GetNetPara")(&back), 0);
  EXPECT_EQ(std::memcmp(&np, &back, sizeof np), 0);

  // Scan: the change's list position 0 is the read's group 1 and position 1 is group 0.
  struct ScanRow {
    int index, row, flags, code;
  };
  for (ScanRow r :
       {ScanRow{0, 1, 17, 6}, ScanRow{1, 0, 0, 0}, ScanRow{2, 1, 1, 10}, ScanRow{3, 0, 16, 12}}) {
    EXPECT_EQ(net<int(int, int, int)>("ModScanPara")(r.index, r.row, r.flags), 0);
    int flags = -1;
    EXPECT_EQ(net<int(int*)>("GetScanPara")(&flags), r.code);
    EXPECT_EQ(flags, r.flags);
  }
  EXPECT_EQ(net<int(int)>("ModBrightnessPara")(20), 0);
  EXPECT_EQ(net<int()>("GetBrightnessPara")(), 20);
  EXPECT_EQ(net<int(int, int)>("ModDayNightBrightness")(30, 5), 0);
  DayNightRecord dn{};
  EXPECT_EQ(net<int(DayNightRecord*)>("GetDayNightBrightness")(&dn), 0);
  EXPECT_EQ(dn.day * 100 + dn.night, 3005);
  EXPECT_EQ(net<int(int, int, int, int)>("ModOnOffTime")(8, 30, 22, 15), 0);
  EXPECT_STREQ(net<const char*()>("GetOnOffTime")(), "08:30-22:15");
  EXPECT_EQ(net<int(int, int, int, int, int, int)>("ModTime")(2019, 3, 5, 7, 8, 9), 0);
  EXPECT_EQ(std::string(net<const char*()>("GetTime")()).substr(0, 17), "2019-03-05 07:08:");

  // The card keeps its parameters in its flash: a restarted card still has them.
  card->stop();
  startCard();
  ASSERT_EQ(connectNet(), 0);
  EXPECT_EQ(net<int()>("GetBrightnessPara")(), 20);
  EXPECT_STREQ(net<const char*()>("GetOnOffTime")(), "08:30-22:15");
}

TEST_F(NetLink, OutOfRangeValuesAreRefusedByTheCard) {
  const int refused = Refused + int(Status::OutOfRange);
  EXPECT_EQ(net<int(int)>("ModBrightnessPara")(0), refused);
  EXPECT_EQ(net<int(int, int, int)>("ModScanPara")(-1, 0, 0), refused);
  EXPECT_EQ(net<int(int, int, int, int)>("ModOnOffTime")(-1, 0, 24, 0), refused);
  SerialParaRecord bad{1000, 0, 0, 0};
  EXPECT_EQ(net<int(SerialParaRecord*)>("ModSerialPara")(&bad), refused);
  NetParaRecord np{"300.1.1.1", "255.0.0.0", "0.0.0.0", 80};
  EXPECT_EQ(net<int(NetParaRecord*)>("ModNetPara")(&np), refused);
  EXPECT_EQ(net<int()>("GetBrightnessPara")(), 16);
}

TEST_F(NetLink, ThreeProgramsTravelAndComeBackPixelForPixel) {
  ProgramSendRecord rec;
  TempDir source;
  writeLibrary(source.path, threePrograms(), rec);
  EXPECT_EQ(net<int(ProgramSendRecord*)>("ModProgram")(&rec), 0);
  EXPECT_EQ(net<int()>("ProgramNumber")(), 3);
  EXPECT_EQ(net<int(int)>("GetProgram")(3), 0);

  const fs::path lib = home.path / "Program";
  for (const auto& e : kExpected) {
    auto img = readBmpFile((lib / (std::to_string(e.program) + ".bmp")).string());
    ASSERT_TRUE(img) << e.program;
    const uint8_t* p = img->px(e.x, e.y);
    EXPECT_EQ(std::vector<int>({p[0], p[1], p[2]}), std::vector<int>({e.r, e.g, e.b}))
        << "program " << e.program << " at " << e.x << "," << e.y;
  }
  auto img = readBmpFile((lib / "1.bmp").string());
  EXPECT_EQ(img->width * 1000 + img->height, 32016);
  // The settings file, byte for byte (GBK names, CRLF).
  std::vector<uint8_t> ini;
  ASSERT_TRUE(readWholeFile((lib / "set.ini").string(), ini, 1 << 20));
  const std::string want =
      "[\xBD\xDA\xC4\xBF"
      "0]\r\n\xC6\xC1\xBF\xED=64\r\n\xC6\xC1\xB8\xDF=32\r\n\xD1\xD5\xC9\xAB=3\r\n"
      "\xB2\xA5\xB7\xC5\xB7\xBD\xCA\xBD=1\r\n\xB2\xA5\xB7\xC5\xCB\xD9\xB6\xC8="
      "2\r\n\xCD\xA3\xC1\xF4\xCA\xB1\xBC\xE4=10\r\n"
      "[\xBD\xDA\xC4\xBF"
      "1]\r\n\xC6\xC1\xBF\xED=32\r\n\xC6\xC1\xB8\xDF=16\r\n\xD1\xD5\xC9\xAB=1\r\n"
      "\xB2\xA5\xB7\xC5\xB7\xBD\xCA\xBD=15\r\n\xB2\xA5\xB7\xC5\xCB\xD9\xB6\xC8="
      "5\r\n\xCD\xA3\xC1\xF4\xCA\xB1\xBC\xE4=255\r\n"
      "[\xBD\xDA\xC4\xBF"
      "2]\r\n\xC6\xC1\xBF\xED=48\r\n\xC6\xC1\xB8\xDF=8\r\n\xD1\xD5\xC9\xAB=2\r\n"
      "\xB2\xA5\xB7\xC5\xB7\xBD\xCA\xBD=0\r\n\xB2\xA5\xB7\xC5\xCB\xD9\xB6\xC8="
      "0\r\n\xCD\xA3\xC1\xF4\xCA\xB1\xBC\xE4=0\r\n";
  EXPECT_EQ(std::string(ini.begin(), ini.end()), want);
  // Nothing of the staging folder is left in the home.
  for (const auto& e : fs::directory_iterator(home.path)) EXPECT_EQ(e.path().filename(), "Program");

  EXPECT_EQ(net<int(int)>("GetProgram")(4), Refused + int(Status::OutOfRange));
  EXPECT_EQ(net<int()>("Format")(), 0);
  EXPECT_EQ(net<int()>("ProgramNumber")(), 0);
}

TEST_F(NetLink, BadRecordsAndFilesAreRefusedBeforeAnythingIsSent) {
  ProgramSendRecord rec;
  TempDir source;
  writeLibrary(source.path, threePrograms(), rec);
  ASSERT_EQ(net<int(ProgramSendRecord*)>("ModProgram")(&rec), 0);
  struct Row {
    const char* what;
    std::function<void(ProgramSendRecord&)> spoil;
    int code;
  };
  const Row rows[] = {
      {"missing bitmap", [](ProgramSendRecord& r) { std::strcat(r.bitmapPaths[1], ".gone"); },
       UnreadableFile},
      {"missing set.ini", [](ProgramSendRecord& r) { std::strcat(r.iniPath, ".gone"); },
       UnreadableFile},
      {"not a bitmap", [](ProgramSendRecord& r) { std::strcpy(r.bitmapPaths[2], r.iniPath); },
       UnreadableFile},
      {"path without NUL",
       [](ProgramSendRecord& r) { std::memset(r.bitmapPaths[0], 'a', NQ_PATH_SLOT); }, OutOfRange},
      {"ini path without NUL",
       [](ProgramSendRecord& r) { std::memset(r.iniPath, 'a', NQ_INI_PATH_SLOT); }, OutOfRange},
      {"count 0", [](ProgramSendRecord& r) { r.count = 0; }, OutOfRange},
      {"count 256", [](ProgramSendRecord& r) { r.count = 256; }, OutOfRange},
  };
  for (const auto& r : rows) {
    ProgramSendRecord bad = rec;
    r.spoil(bad);
    EXPECT_EQ(net<int(ProgramSendRecord*)>("ModProgram")(&bad), r.code) << r.what;
  }
  EXPECT_EQ(net<int()>("ProgramNumber")(), 3);
}

TEST_F(NetLink, ProgramMemoryOfTheModelsIsEnforced) {
  struct Row {
    int model, width, height, cls;
    int code;
  };
  const Row rows[] = {
      {2, 320, 64, 3, 0},  // 40 * 64 * 2 = 5120 bytes of planes: fits
      {2, 328, 64, 3, Refused + int(Status::NoSpace)},
      {2, 640, 64, 1, 0},
      {1, 64, 64, 3, 0},
      {1, 64, 65, 1, Refused + int(Status::NoSpace)},
  };
  for (const auto& r : rows) {
    card->stop();
    signsim::CardOptions o;
    o.model = r.model;
    startCard(o);
    ASSERT_EQ(connectNet(), 0);
    ProgramSendRecord rec;
    TempDir source;
    writeLibrary(source.path, {TestProgram{filled(r.width, r.height, 255, 0, 0), {r.cls, 0, 0, 1}}},
                 rec);
    EXPECT_EQ(net<int(ProgramSendRecord*)>("ModProgram")(&rec), r.code)
        << r.model << " " << r.width << "x" << r.height;
  }
}

TEST_F(NetLink, InputLineTableFirmwareAndReboot) {
  ProgramIoTable t{};
  t.lines[1].count = 2;
  t.lines[1].programs[0] = 2;
  t.lines[1].programs[1] = 0;
  t.lines[5].count = 16;
  for (int i = 0; i < 16; ++i) t.lines[5].programs[i] = 200 + i;
  EXPECT_EQ(net<int(int, ProgramIoTable*)>("ModProgramIO")(1, &t), 0);
  ProgramIoTable back{};
  EXPECT_EQ(net<int(ProgramIoTable*)>("GetProgramIO")(&back), 0);
  EXPECT_EQ(std::memcmp(&t, &back, sizeof t), 0);
  t.lines[0].count = 17;
  EXPECT_EQ(net<int(int, ProgramIoTable*)>("ModProgramIO")(0, &t),
            Refused + int(Status::OutOfRange));
  EXPECT_EQ(net<int(int, ProgramIoTable*)>("ModProgramIO")(6, &back), OutOfRange);

  std::vector<unsigned char> image(131072 + 17);
  for (size_t i = 0; i < image.size(); ++i) image[i] = uint8_t(i * 7 + 3);
  EXPECT_EQ(net<int(int, const unsigned char*)>("Update")(int(image.size()), image.data()), 0);
  {
    std::lock_guard l(card->store().mutex());
    EXPECT_EQ(card->store().firmware(), std::vector<uint8_t>(image.begin(), image.end()));
  }
  EXPECT_STRNE(net<const char*()>("GetVersion")(), "NQ-SIM 1.0");
  EXPECT_EQ(net<int(int, const unsigned char*)>("Update")(0, image.data()), OutOfRange);

  // A reboot answers, then the card drops the link.
  EXPECT_EQ(net<int()>("Reboot")(), 0);
  EXPECT_EQ(netLibrary().fn<int()>("NQ_SendHeart")(), NotConnected);
  ASSERT_EQ(connectNet(), 0);
  EXPECT_EQ(net<int(ProgramIoTable*)>("GetProgramIO")(&back), 0);
  EXPECT_EQ(back.lines[1].programs[0], 2);
}

TEST_F(NetLink, DiscoveryOnLoopbackFindsTheCard) {
  card->stop();
  signsim::CardOptions o;
  o.discoveryPort = 0;
  startCard(o);
  setenv("NQ_DISCOVERY_PORT", std::to_string(card->discoveryPort()).c_str(), 1);
  setenv("NQ_DISCOVERY_WINDOW_MS", "300", 1);
  NetCardEntry cards[16] = {};
  int n = net<int(NetCardEntry*)>("GetNetCard")(cards);
  ASSERT_GT(n, 0);
  int loop = -1;
  for (int i = 0; i < n; ++i)
    if (std::string(cards[i].address) == "127.0.0.1") loop = i;
  ASSERT_GE(loop, 0);
  EXPECT_STRNE(cards[loop].description, "");
  EXPECT_EQ(net<int(int)>("SendArpPacket")(loop + 1), 0);
  static NetIpEntry answers[1024];
  EXPECT_EQ(net<int(NetIpEntry*)>("GetNetIP")(answers), 1);
  EXPECT_STREQ(answers[0].ip, "127.0.0.1");
  EXPECT_EQ(answers[0].port, card->tcpPort());
  EXPECT_STREQ(answers[1].ip, "");
  EXPECT_EQ(net<int(int)>("SendArpPacket")(n + 1), OutOfRange);
  unsetenv("NQ_DISCOVERY_PORT");
}
