// Faults an outside client found in the libraries and the card: serial deadlines at low baud,
// replies replayed to another process, a huge bitmap header, a peer streaming garbage, texts read
// from two threads, and the card's start-up state. A fetch failing part way is in the link fault
// tests.
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <future>
#include <sstream>
#include <thread>

#include "LinkFixture.h"

using namespace nq;
using namespace std::chrono;

namespace {

std::vector<TestProgram> smallLibrary(int count, int w, int h) {
  std::vector<TestProgram> out;
  for (int i = 0; i < count; ++i) {
    TestProgram p{filled(w, h, 0, 0, 0), {3, i % 16, i % 6, i}};
    setPx(p.image, i % w, 0, 255, 255, 0);
    out.push_back(p);
  }
  return out;
}

// Bytes this process has read so far, from files, devices and sockets alike.
uint64_t bytesRead() {
  std::ifstream io("/proc/self/io");
  std::string key;
  uint64_t n = 0;
  while (io >> key >> n && key != "rchar:") continue;
  return n;
}

// Calls an export whose one argument is a pointer with a null pointer.
template <typename T>
int callWithNull(LinkLibrary& lib, const std::string& name) {
  return lib.fn<int(T*)>(name)(nullptr);
}

}  // namespace

// Every operation over the pty at a slow baud with the default 500 ms timeout: the reply
// deadline counts from when the request has crossed the line.
class SlowLine : public CardFixture, public ::testing::WithParamInterface<int> {};

TEST_P(SlowLine, EveryOperationWorksWithTheDefaultTimeout) {
  const int baud = GetParam();
  signsim::CardOptions o;
  o.tcpPort = -1;
  o.ptyLink = (state.path / "ttyLED").string();
  o.baud = baud;
  startCard(o);
  com<int(int, int)>("Set_GPRS")(0, 500);
  ASSERT_EQ(com<int(const char*, int)>("OpenSerial")(o.ptyLink.c_str(), baud), 0);
  const bool slowest = baud < 2400;
  TempDir source;
  ProgramSendRecord rec;
  writeLibrary(source.path, slowest ? smallLibrary(1, 8, 8) : smallLibrary(3, 64, 32), rec);
  auto fw = (source.path / "image.bin").string();
  ASSERT_TRUE(writeFileAtomic(fw, std::vector<uint8_t>(slowest ? 64 : 2048, 0x5A)));
  ProgramIoTable io{};
  io.lines[1].count = 1;
  SerialParaRecord sp{};
  NetParaRecord np{};
  DayNightRecord dn{};
  ScreenSizeRecord size{64, 32};
  int w = 0, h = 0, flags = 0;
  const std::pair<const char*, std::function<int()>> ops[] = {
      {"GetWidthHeight", [&] { return com<int(int*, int*)>("GetWidthHeight")(&w, &h); }},
      {"Type", [&] { return com<int()>("Type")() == 2 ? 0 : 1; }},
      {"Mod_KuanGao", [&] { return com<int(ScreenSizeRecord*)>("Mod_KuanGao")(&size); }},
      {"GetSerialPara", [&] { return com<int(SerialParaRecord*)>("GetSerialPara")(&sp); }},
      {"ModSerialPara", [&] { return com<int(SerialParaRecord*)>("ModSerialPara")(&sp); }},
      {"GetNetPara", [&] { return com<int(NetParaRecord*)>("GetNetPara")(&np); }},
      {"ModNetPara", [&] { return com<int(NetParaRecord*)>("ModNetPara")(&np); }},
      {"GetScanPara", [&] { return com<int(int*)>("GetScanPara")(&flags) >= 0 ? 0 : 1; }},
      {"ModScanPara", [&] { return com<int(int, int, int)>("ModScanPara")(1, 0, 0); }},
      {"ModBrightnessPara", [&] { return com<int(int)>("ModBrightnessPara")(7); }},
      {"GetBrightnessPara", [&] { return com<int()>("GetBrightnessPara")() == 7 ? 0 : 1; }},
      {"ModDayNight", [&] { return com<int(int, int)>("ModDayNightBrightness")(9, 2); }},
      {"GetDayNight", [&] { return com<int(DayNightRecord*)>("GetDayNightBrightness")(&dn); }},
      {"ModOnOffTime", [&] { return com<int(int, int, int, int)>("ModOnOffTime")(6, 0, 22, 0); }},
      {"GetOnOffTime",
       [&] { return std::string(com<const char*()>("GetOnOffTime")()) == "06:00-22:00" ? 0 : 1; }},
      {"ModTime",
       [&] { return com<int(int, int, int, int, int, int)>("ModTime")(2030, 1, 2, 3, 4, 5); }},
      {"GetTime",
       [&] { return std::string(com<const char*()>("GetTime")()).size() == 19 ? 0 : 1; }},
      {"GetVersion",
       [&] { return std::string(com<const char*()>("GetVersion")()) == "NQ-SIM 1.0" ? 0 : 1; }},
      {"ModProgramIO", [&] { return com<int(ProgramIoTable*)>("ModProgramIO")(&io); }},
      {"GetProgramIO", [&] { return com<int(ProgramIoTable*)>("GetProgramIO")(&io); }},
      {"ModProgram", [&] { return com<int(ProgramSendRecord*)>("ModProgram")(&rec); }},
      {"ProgramNumber", [&] { return com<int()>("ProgramNumber")() == rec.count ? 0 : 1; }},
      {"GetProgram", [&] { return com<int(int)>("GetProgram")(rec.count); }},
      {"Update", [&] { return com<int(const char*)>("Update")(fw.c_str()); }},
      {"Format", [&] { return com<int()>("Format")(); }},
      // Last: the card restarts and forgets the link.
      {"Reboot", [&] { return com<int()>("Reboot")(); }},
  };
  for (const auto& [name, op] : ops) EXPECT_EQ(op(), 0) << name << " at " << baud;
}

INSTANTIATE_TEST_SUITE_P(Bauds, SlowLine, ::testing::Values(1200, 9600),
                         [](const auto& p) { return "Baud" + std::to_string(p.param); });

// A card that falls silent is noticed a timeout after its last byte, not after the time the
// largest reply of a fetch chunk would need at 1200 baud (more than two minutes).
TEST_F(CardFixture, ASilentCardIsNoticedAfterTheTimeoutOnASlowLine) {
  signsim::CardOptions o;
  o.tcpPort = -1;
  o.ptyLink = (state.path / "ttyLED").string();
  o.baud = 1200;
  startCard(o);
  com<int(int, int)>("Set_GPRS")(0, 500);
  ASSERT_EQ(com<int(const char*, int)>("OpenSerial")(o.ptyLink.c_str(), 1200), 0);
  TempDir source;
  ProgramSendRecord rec;
  writeLibrary(source.path, smallLibrary(1, 8, 8), rec);
  ASSERT_EQ(com<int(ProgramSendRecord*)>("ModProgram")(&rec), 0);
  const std::pair<const char*, int> rows[] = {{"noreply", NoReply}, {"drop:14", Timeout}};
  for (const auto& [fault, code] : rows) {
    card->faults().set(int(Cmd::FetchChunk), *signsim::parseFault(fault));
    const auto t0 = steady_clock::now();
    EXPECT_EQ(com<int(int)>("GetProgram")(1), code) << fault;
    EXPECT_LT(steady_clock::now() - t0, milliseconds(2000)) << fault;
    card->faults().clear();
  }
  EXPECT_EQ(com<int(int)>("GetProgram")(1), 0);
}

class Hardening : public CardFixture {};

// A second process on the same line starts where the first left off: its first request must
// be carried out, not answered from the card's memory of the first process's last one.
TEST_F(Hardening, ASecondProcessOnTheLineIsNeverAnsweredFromTheCache) {
  signsim::CardOptions o;
  o.ptyLink = (state.path / "ttyLED").string();
  startCard(o);
  // A copy of the library loads as a separate instance: a second client process.
  fs::copy_file(NQ_COM_LIBRARY_PATH, state.path / "second.so");
  LinkLibrary second((state.path / "second.so").c_str());
  ASSERT_TRUE(second.loaded());
  for (LinkLibrary* lib : {&comLibrary(), &second}) {
    ASSERT_EQ(lib->fn<int(const char*, int)>("NQ_COM_LED_OpenSerial")(o.ptyLink.c_str(), 115200),
              0);
    EXPECT_EQ(lib->fn<int(int)>("NQ_COM_LED_ModBrightnessPara")(5), 0);
    lib->fn<int()>("NQ_COM_LED_CloseSerial")();
    std::lock_guard l(card->store().mutex());
    EXPECT_EQ(card->store().config().brightness, 5);
    card->store().config().brightness = 9;  // changed over another link meanwhile
  }
}

// A 66-byte file claiming 16384 x 16384 is refused from its header, under an address-space
// limit, in a child process (the client).
TEST_F(Hardening, AHugeBitmapHeaderIsRefusedWithoutDecoding) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit";
#else
  startCard();
  std::vector<uint8_t> bmp(66, 0);
  bmp[0] = 'B';
  bmp[1] = 'M';
  bmp[10] = 62;
  bmp[14] = 40;
  bmp[19] = bmp[23] = 0x40;  // 16384 x 16384
  bmp[26] = 1;
  bmp[28] = 1;
  TempDir source;
  ProgramSendRecord rec;
  writeLibrary(source.path, smallLibrary(1, 8, 8), rec);
  ASSERT_TRUE(writeFileAtomic(rec.bitmapPaths[0], bmp));
  pid_t child = fork();
  if (child == 0) {
    std::ifstream statm("/proc/self/statm");
    unsigned long pages = 0;
    statm >> pages;
    rlimit lim{};
    lim.rlim_cur = lim.rlim_max = pages * size_t(sysconf(_SC_PAGESIZE)) + (size_t(700) << 20);
    setrlimit(RLIMIT_AS, &lim);
    if (connectNet() != 0) _exit(100);
    _exit(net<int(ProgramSendRecord*)>("ModProgram")(&rec));
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status)) << "the client died with signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), OutOfRange);
#endif
}

// A bitmap path naming a FIFO, a device or a folder is refused at once: nothing waits on it,
// nothing is read from it.
TEST_F(Hardening, OnlyRegularFilesAreSent) {
  startCard();
  ASSERT_EQ(connectNet(), 0);
  TempDir source;
  const fs::path fifo = source.path / "fifo.bmp", folder = source.path / "folder.bmp";
  ASSERT_TRUE(mkfifo(fifo.c_str(), 0644) == 0 && fs::create_directory(folder));
  ProgramSendRecord rec;
  writeLibrary(source.path, smallLibrary(1, 8, 8), rec);
  for (const fs::path& path : {fifo, fs::path("/dev/zero"), folder}) {
    std::strncpy(rec.bitmapPaths[0], path.c_str(), NQ_PATH_SLOT - 1);
    const uint64_t read = bytesRead();
    auto send = std::async(std::launch::async, net<int(ProgramSendRecord*)>("ModProgram"), &rec);
    if (send.wait_for(seconds(5)) != std::future_status::ready) {
      ADD_FAILURE() << path << " blocked the send";
      close(open(fifo.c_str(), O_WRONLY | O_NONBLOCK));  // lets the reader go
    }
    EXPECT_EQ(send.get(), UnreadableFile) << path;
    EXPECT_LT(bytesRead() - read, 1u << 20) << path;
  }
}

// Each value of the card's state file is checked as the card's protocol and command line check
// it: one out of range keeps the default and is named once on stderr.
TEST_F(Hardening, AStateFileOutOfRangeKeepsTheDefaults) {
  const std::string bad =
      "width=-1\nheight=-2147483648\nmodel=7\nrs232=0,0,0,0\nrs485=9600,1,0,0\nscan=3\n"
      "net=10.0.0.300,255.0.0.0,10.0.0.1,8000\nscanflags=2\nbrightness=33\nday=0\nnight=x\n"
      "daynight=2\nonoff=24,0,23,60\nclockoffset=9223372036854775807\n";
  const fs::path file = state.path / "card" / "card.txt";
  signsim::Card({.stateDir = file.parent_path().string(), .tcpPort = -1, .pty = false});
  const auto fresh = readFileBytes(file);
  std::ofstream(file) << bad;
  testing::internal::CaptureStderr();
  startCard();
  const std::string said = testing::internal::GetCapturedStderr();
  std::istringstream lines(bad);
  for (std::string line; std::getline(lines, line);)
    EXPECT_TRUE(said.find(line) != said.npos && said.find(line) == said.rfind(line)) << line;
  EXPECT_EQ(readFileBytes(file), fresh);
  // A byte on the serial line at the card's own speed: rs232=0 divided by zero here.
  const int tty = open(card->ptyPath().c_str(), O_RDWR | O_NOCTTY);
  ASSERT_EQ(write(tty, "x", 1), 1);
  std::this_thread::sleep_for(milliseconds(100));
  close(tty);
}

// A peer streaming overlapping frame headers cannot stretch the reply deadline (400 ms).
TEST_F(Hardening, AStreamOfGarbageEndsAtTheDeadline) {
  int lfd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in sa{};
  sa.sin_family = AF_INET;
  sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t len = sizeof sa;
  ASSERT_EQ(bind(lfd, reinterpret_cast<sockaddr*>(&sa), len), 0);
  ASSERT_EQ(listen(lfd, 1), 0);
  getsockname(lfd, reinterpret_cast<sockaddr*>(&sa), &len);
  std::atomic<bool> stop{false};
  std::thread talker([&] {
    int fd = accept(lfd, nullptr, nullptr);
    std::vector<uint8_t> chunk;
    for (int i = 0; i < 4096; ++i) chunk.insert(chunk.end(), {0xA5, 0x5A, 0x01, 0, 0, 0});
    const auto end = steady_clock::now() + seconds(5);
    while (!stop && steady_clock::now() < end)
      if (send(fd, chunk.data(), chunk.size(), MSG_NOSIGNAL) < 0) break;
    close(fd);
  });
  ASSERT_EQ(net<int(const char*, int)>("Connect")("127.0.0.1", ntohs(sa.sin_port)), 0);
  const auto t0 = steady_clock::now();
  const int rc = netLibrary().fn<int()>("NQ_SendHeart")();
  const auto took = steady_clock::now() - t0;
  stop = true;
  net<int()>("Disnect")();
  talker.join();
  close(lfd);
  EXPECT_TRUE(rc == NoReply || rc == Timeout) << rc;
  EXPECT_LT(took, milliseconds(2000));
}

// Each thread's text stays its own until that thread's next text read.
TEST_F(Hardening, TextsReadFromTwoThreadsStayTheirOwn) {
  startCard();
  ASSERT_EQ(connectNet(), 0);
  std::atomic<int> wrong{0};
  auto reader = [&](const char* fn, const std::string& want) {
    for (int i = 0; i < 200; ++i) {
      const char* t = net<const char*()>(fn)();
      std::this_thread::yield();
      if (want != t) ++wrong;
    }
  };
  std::thread a(reader, "GetVersion", "NQ-SIM 1.0");
  std::thread b(reader, "GetOnOffTime", "07:00-23:00");
  a.join();
  b.join();
  EXPECT_EQ(wrong, 0);
}

// Argument errors and the card's start-up repairs: null pointers (refused before anything goes
// to the card, counts negated), temporaries a killed card left, and an absurd clock offset in
// the state file.
TEST_F(Hardening, NullArgumentsAndAStaleStateDirectory) {
  const fs::path dir = state.path / "card";
  fs::create_directories(dir);
  std::ofstream(dir / "programs.bin.tmp4194305") << "half a write";
  std::ofstream(dir / "card.txt") << "clockoffset=9223372036854775807\n";
  startCard();
  EXPECT_FALSE(fs::exists(dir / "programs.bin.tmp4194305"));
  EXPECT_EQ(com<int(int*)>("GetScanPara")(nullptr), -NotConnected);
  ASSERT_EQ(connectNet(), 0);
  ASSERT_EQ(com<int(const char*, int)>("OpenSerial")(card->ptyPath().c_str(), 115200), 0);
  struct NullCall {
    const char* name;
    int want;
    int (*call)(LinkLibrary&, const std::string&);  // given the library and the export's name
    bool netOnly = false;
  };
  auto firstNull = [](LinkLibrary& l, const std::string& f) {
    int v = 0;
    return l.fn<int(int*, int*)>(f)(nullptr, &v);
  };
  auto secondNull = [](LinkLibrary& l, const std::string& f) {
    int v = 0;
    return l.fn<int(int*, int*)>(f)(&v, nullptr);
  };
  const NullCall calls[] = {
      {"GetWidthHeight", OutOfRange, firstNull},
      {"GetWidthHeight", OutOfRange, secondNull},
      {"GetSerialPara", OutOfRange, callWithNull<SerialParaRecord>},
      {"GetNetPara", OutOfRange, callWithNull<NetParaRecord>},
      {"GetDayNightBrightness", OutOfRange, callWithNull<DayNightRecord>},
      {"GetProgramIO", OutOfRange, callWithNull<ProgramIoTable>},
      {"ModSerialPara", OutOfRange, callWithNull<SerialParaRecord>},
      {"GetScanPara", -OutOfRange, callWithNull<int>},
      {"Get485Para", OutOfRange, callWithNull<SerialParaRecord>, true},
      {"GetNetCard", -OutOfRange, callWithNull<NetCardEntry>, true},
      {"GetNetIP", -OutOfRange, callWithNull<NetIpEntry>, true},
  };
  for (const auto& c : calls)
    for (bool serial : {false, true}) {
      if (serial && c.netOnly) continue;
      const std::string name = (serial ? "NQ_COM_LED_" : "NQ_NET_LED_") + std::string(c.name);
      const uint64_t wire = card->wireBytes();
      EXPECT_EQ(c.call(serial ? comLibrary() : netLibrary(), name), c.want) << name;
      EXPECT_EQ(card->wireBytes(), wire) << name << " reached the card";
    }
  const std::string t = net<const char*()>("GetTime")();
  ASSERT_EQ(t.size(), 19u) << t;
  const int year = std::stoi(t.substr(0, 4));
  EXPECT_GE(year, 1970);
  EXPECT_LE(year, 2099);
}

// Progress polled from a second thread rises monotonically to the transfer's total, for a
// 255-program send and the fetch after it.
TEST_F(Hardening, ProgressRisesToTheTotalWhileTheTransferBlocks) {
  startCard();
  ASSERT_EQ(connectNet(), 0);
  auto progress = net<int(int*, int*)>("Progress");
  int done = -1, total = -1;
  EXPECT_EQ(progress(nullptr, &total), OutOfRange);
  TempDir source;
  ProgramSendRecord rec;
  writeLibrary(source.path, smallLibrary(255, 64, 32), rec);
  const int streamSize = 255 * (8 + 2 * 64 * 32 / 8);
  for (auto transfer :
       {std::function<int()>([&] { return net<int(ProgramSendRecord*)>("ModProgram")(&rec); }),
        std::function<int()>([&] { return net<int(int)>("GetProgram")(255); })}) {
    std::atomic<bool> finished{false};
    std::vector<std::pair<int, int>> seen;
    std::thread poller([&] {
      while (!finished) {
        int d = 0, t = 0;
        progress(&d, &t);
        if (seen.empty() || seen.back() != std::pair(d, t)) seen.emplace_back(d, t);
      }
    });
    EXPECT_EQ(transfer(), 0);
    finished = true;
    poller.join();
    for (size_t i = 1; i < seen.size(); ++i) {
      EXPECT_GE(seen[i].first, seen[i - 1].first);
      EXPECT_LE(seen[i].first, seen[i].second);
    }
    ASSERT_EQ(progress(&done, &total), 0);
    EXPECT_EQ(done, streamSize);
    EXPECT_EQ(total, streamSize);
  }
}

// Packed and raw sends store the same planes, and a card whose flash spoils one byte of a
// send (or of a firmware image) makes it fail: the acknowledgement names what was stored.
TEST_F(Hardening, PackedAndRawSendsStoreTheSameAndAreVerified) {
  TempDir source;
  ProgramSendRecord rec;
  auto programs = smallLibrary(5, 320, 64);
  for (int y = 0; y < 64; y += 3) setPx(programs[4].image, (y * 37) % 320, y, 255, 0, 0);
  writeLibrary(source.path, programs, rec);
  std::vector<uint8_t> stored[2];
  for (uint32_t features : {nq::kAllFeatures, 0u}) {
    signsim::CardOptions o;
    o.features = features;
    o.stateDir = (state.path / ("card" + std::to_string(features))).string();
    startCard(o);
    ASSERT_EQ(connectNet(), 0);
    EXPECT_EQ(net<int(ProgramSendRecord*)>("ModProgram")(&rec), 0);
    EXPECT_EQ(net<int(int)>("GetProgram")(5), 0);
    EXPECT_EQ(decodeBmp(readFileBytes(home.path / "Program" / "4.bmp"))->rgb,
              decodeBmp(readFileBytes(source.path / "Program" / "4.bmp"))->rgb);
    {
      std::lock_guard l(card->store().mutex());
      stored[features ? 0 : 1] = card->store().programStream();
    }
    card->faults().set(int(Cmd::UploadEnd), *signsim::parseFault("corruptstore"));
    EXPECT_EQ(net<int(ProgramSendRecord*)>("ModProgram")(&rec), features ? ChecksumError : 0);
    card->faults().set(int(Cmd::UploadEnd), *signsim::parseFault("corruptstore"));
    const std::vector<uint8_t> image(5000, 0x42);
    EXPECT_EQ(net<int(int, const unsigned char*)>("Update")(int(image.size()), image.data()),
              features ? ChecksumError : 0);
    net<int()>("Disnect")();
    card->stop();
  }
  EXPECT_EQ(stored[0], stored[1]);
}
