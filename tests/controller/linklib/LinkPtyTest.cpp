// The serial library against the virtual card's pseudo-terminal, paced at 115200 baud.
#include <fcntl.h>

#include <thread>

#include "LinkFixture.h"

using namespace nq;

class SerialLink : public CardFixture {
 protected:
  void SetUp() override {
    CardFixture::SetUp();
    signsim::CardOptions o;
    o.tcpPort = -1;
    o.ptyLink = (state.path / "ttyLED").string();
    startCard(o);
    com<int(int, int)>("Set_GPRS")(0, 300);
    ASSERT_EQ(com<int(const char*, int)>("OpenSerial")(o.ptyLink.c_str(), 115200), 0);
  }
};

TEST_F(SerialLink, OperationsOverThePty) {
  EXPECT_TRUE(fs::is_symlink(state.path / "ttyLED"));
  int w = 0, h = 0;
  EXPECT_EQ(com<int(int*, int*)>("GetWidthHeight")(&w, &h), 0);
  EXPECT_EQ(w * 1000 + h, 64032);
  EXPECT_EQ(com<int()>("Type")(), 2);
  EXPECT_EQ(com<int(int, int)>("ModDayNightBrightness")(12, 3), 0);
  DayNightRecord dn{};
  EXPECT_EQ(com<int(DayNightRecord*)>("GetDayNightBrightness")(&dn), 0);
  EXPECT_EQ(dn.day * 100 + dn.night, 1203);
  NetParaRecord np{"192.168.1.9", "255.255.0.0", "192.168.1.1", 8000}, back{};
  EXPECT_EQ(com<int(NetParaRecord*)>("ModNetPara")(&np), 0);
  EXPECT_EQ(com<int(NetParaRecord*)>("GetNetPara")(&back), 0);
  EXPECT_EQ(std::memcmp(&np, &back, sizeof np), 0);

  ProgramSendRecord rec;
  TempDir source;
  TestProgram a{filled(32, 16, 0, 0, 0), {3, 2, 1, 9}};
  setPx(a.image, 31, 0, 255, 255, 0);
  TestProgram b{filled(16, 8, 255, 0, 0), {1, 0, 0, 0}};
  TestProgram c{filled(8, 8, 0, 128, 0), {2, 3, 3, 3}};
  writeLibrary(source.path, {a, b, c}, rec);
  EXPECT_EQ(com<int(ProgramSendRecord*)>("ModProgram")(&rec), 0);
  EXPECT_EQ(com<int()>("ProgramNumber")(), 3);
  EXPECT_EQ(com<int(int)>("GetProgram")(3), 0);
  auto img = readBmpFile((home.path / "Program" / "0.bmp").string());
  ASSERT_TRUE(img);
  EXPECT_EQ(std::vector<int>({img->px(31, 0)[0], img->px(31, 0)[1], img->px(31, 0)[2]}),
            std::vector<int>({255, 255, 0}));
  img = readBmpFile((home.path / "Program" / "2.bmp").string());
  ASSERT_TRUE(img);
  EXPECT_EQ(img->px(4, 4)[1], 128);

  ProgramIoTable t{};
  t.lines[0].count = 1;
  t.lines[0].programs[0] = 2;
  EXPECT_EQ(com<int(ProgramIoTable*)>("ModProgramIO")(&t), 0);
  ProgramIoTable tb{};
  EXPECT_EQ(com<int(ProgramIoTable*)>("GetProgramIO")(&tb), 0);
  EXPECT_EQ(std::memcmp(&t, &tb, sizeof t), 0);

  auto fw = (source.path / "image.bin").string();
  std::vector<uint8_t> image(3000, 0x5A);
  ASSERT_TRUE(writeFileAtomic(fw, image));
  EXPECT_EQ(com<int(const char*)>("Update")(fw.c_str()), 0);
  EXPECT_EQ(com<int(const char*)>("Update")((fw + ".gone").c_str()), UnreadableFile);
  {
    std::lock_guard l(card->store().mutex());
    EXPECT_EQ(card->store().firmware(), image);
  }
  EXPECT_EQ(com<int()>("Format")(), 0);
  EXPECT_EQ(com<int()>("ProgramNumber")(), 0);
  // Over serial a reboot keeps the line open.
  EXPECT_EQ(com<int()>("Reboot")(), 0);
  EXPECT_EQ(com<int()>("Type")(), 2);
}

TEST_F(SerialLink, TheCardAnswersOnlyAtItsBaud) {
  const std::string port = (state.path / "ttyLED").string();
  ASSERT_EQ(com<int(const char*, int)>("OpenSerial")(port.c_str(), 9600), 0);
  EXPECT_EQ(com<int()>("Type")(), -NoReply);
  EXPECT_STREQ(com<const char*()>("GetVersion")(), kTextNoReply);
  com<int(int, int)>("Set_GPRS")(0, 80);
  EXPECT_EQ(com<int(const char*)>("GetBaud")(port.c_str()), 115200);
  EXPECT_EQ(com<int(const char*)>("GetBaud")((state.path / "nothing").c_str()), -1);

  // Changing the card's RS232 baud moves the line: the query finds the new rate.
  com<int(int, int)>("Set_GPRS")(0, 300);
  ASSERT_EQ(com<int(const char*, int)>("OpenSerial")(port.c_str(), 115200), 0);
  SerialParaRecord sp{57600, 0, 0, 0};
  EXPECT_EQ(com<int(SerialParaRecord*)>("ModSerialPara")(&sp), 0);
  com<int(int, int)>("Set_GPRS")(0, 80);
  EXPECT_EQ(com<int(const char*)>("GetBaud")(port.c_str()), 57600);
  EXPECT_EQ(com<int(const char*, int)>("OpenSerial")("/nonexistent/tty", 9600), ConnectFailed);
  EXPECT_EQ(com<int(const char*, int)>("OpenSerial")(port.c_str(), 1000), OutOfRange);
  EXPECT_EQ(com<int()>("Type")(), -NotConnected);
}

TEST_F(SerialLink, FaultsOverTheLine) {
  card->faults().set(int(Cmd::GetVersion), *signsim::parseFault("badsum"));
  EXPECT_STREQ(com<const char*()>("GetVersion")(), kTextChecksum);
  card->faults().set(int(Cmd::GetVersion), *signsim::parseFault("drop:4"));
  EXPECT_STREQ(com<const char*()>("GetVersion")(), kTextTimeout);
  card->faults().clear();
  EXPECT_STREQ(com<const char*()>("GetVersion")(), "NQ-SIM 1.0");
}

// A baud query on a silent port takes the timeout at each of the ten rates; a close and an open
// asked for meanwhile from another thread wait for one rate, not for the whole query.
TEST_F(SerialLink, TheBaudQueryLetsOtherCallsInBetweenRates) {
  const int silent = ::posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_TRUE(silent >= 0 && ::grantpt(silent) == 0 && ::unlockpt(silent) == 0);
  const std::string silentPort = ::ptsname(silent), port = (state.path / "ttyLED").string();
  com<int(int, int)>("Set_GPRS")(0, 200);
  auto queryEnd = std::chrono::steady_clock::now();
  std::thread query([&] {
    EXPECT_EQ(com<int(const char*)>("GetBaud")(silentPort.c_str()), -1);
    queryEnd = std::chrono::steady_clock::now();
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(com<int()>("CloseSerial")(), 0);
  EXPECT_EQ(com<int(const char*, int)>("OpenSerial")(port.c_str(), 115200), 0);
  const auto done = std::chrono::steady_clock::now();
  query.join();
  ::close(silent);
  EXPECT_LT(done - start, (queryEnd - start) / 2);
  EXPECT_EQ(com<int()>("Type")(), 2);
}
