// Link library and virtual card figures:
//  - 255 programs of 320 x 64 in two colours sent and fetched over loopback TCP: seconds and
//    wire bytes per payload byte (goal: at most 1.05, well under 2 s);
//  - payload rate over the pty paced at 115200 baud as a share of the line rate, 8 programs,
//    raw planes (a first-version card) and LZ4-packed: a typical library (text pages in red,
//    green and yellow plus one dithered photo; packed goal above 1.0) and an incompressible one
//    (packed at most 1 % slower than raw);
//  - peak resident memory of signsim holding 255 programs, and of a process sending them;
//  - decoding rate of a stream of overlapping frame headers (A5 5A 01 00 00 00 repeated) by the
//    card's engine and by the libraries' reply decoder at 256 KiB, 1 MiB and 4 MiB: linear
//    decoding shows as the same bytes per second at every size.
#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "Bmp.h"
#include "Card.h"
#include "NqLink.h"
#include "ProgramIni.h"

namespace fs = std::filesystem;

namespace {

struct Library {
  ProgramSendRecord rec{};
  size_t payload = 0;  // bytes of the program stream
  fs::path dir;
};

enum class Content { Busy, Typical, Noise };

// count programs of 320 x 64. Busy: colour class 3 with a regular pattern. Typical: pages of
// text-like glyph blocks on black in red, green and yellow (colour classes 1, 2, 3), and every
// eighth program a dithered photo-like picture. Noise: every pixel a random LED colour.
Library makeLibrary(int count, Content content = Content::Busy) {
  Library lib;
  std::string t = (fs::temp_directory_path() / "ctl-bench-XXXXXX").string();
  lib.dir = mkdtemp(t.data());
  fs::create_directories(lib.dir / "Program");
  std::string ini;
  std::mt19937 rng(7);
  for (int i = 0; i < count; ++i) {
    nq::Image img(320, 64);
    int colourClass = 3;
    const bool photo = content == Content::Typical && i % 8 == 7;
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 320; ++x) {
        nq::LedColour c = nq::LedColour((x * 7 + y * 3 + i) % 4);
        if (content == Content::Noise || photo) {
          // Ordered dithering of a noisy gradient: what a photo turns into on two colours.
          int level = (x * 255 / 320 + y * 2 + int(rng() % 96)) % 256;
          static const int kBayer[4][4] = {
              {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
          bool red = level > kBayer[y % 4][x % 4] * 16,
               green = (level + int(rng() % 128)) % 256 > 128;
          c = content == Content::Noise ? nq::LedColour(rng() % 4)
                                        : nq::LedColour(int(red) | int(green) << 1);
        } else if (content == Content::Typical) {
          // Two lines of 16 x 16 glyph cells, strokes in the page's colour, 2-pixel margins.
          colourClass = 1 + i % 3;
          const int gx = x % 20, gy = (y % 32) - 8, glyph = x / 20 + (y / 32) * 16 + i;
          const bool stroke =
              gx >= 2 && gx < 18 && gy >= 0 && gy < 16 &&
              ((gy == (glyph % 7) * 2) || (gx == 3 + glyph % 13) || (gy == 15 && glyph % 3 == 0));
          c = stroke ? nq::LedColour(colourClass) : nq::LedColour(0);
        }
        nq::pureRgb(c, img.px(x, y));
      }
    auto path = (lib.dir / "Program" / (std::to_string(i) + ".bmp")).string();
    nq::writeFileAtomic(path, nq::encodeBmp24(img));
    std::strncpy(lib.rec.bitmapPaths[i], path.c_str(), NQ_PATH_SLOT - 1);
    nq::ProgramSettings s{colourClass, i % 16, i % 6, i % 256};
    nq::appendProgramSection(ini, i, 320, 64, s);
    lib.payload += nq::kProgramHeaderSize + nq::planeBytes(320, 64, colourClass);
  }
  auto iniPath = (lib.dir / "Program" / "set.ini").string();
  nq::writeFileAtomic(iniPath, std::vector<uint8_t>(ini.begin(), ini.end()));
  std::strncpy(lib.rec.iniPath, iniPath.c_str(), NQ_INI_PATH_SLOT - 1);
  lib.rec.count = count;
  return lib;
}

template <typename F>
F* fn(void* lib, const char* name) {
  return reinterpret_cast<F*>(dlsym(lib, name));
}

long peakKiB(pid_t pid) {
  std::ifstream in("/proc/" + (pid ? std::to_string(pid) : std::string("self")) + "/status");
  std::string line;
  while (std::getline(in, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  return -1;
}

void BM_SendAndFetch255OverTcp(benchmark::State& state) {
  void* net = dlopen(NQ_NET_LIBRARY_PATH, RTLD_NOW);
  Library lib = makeLibrary(255, Content(state.range(0)));
  signsim::CardOptions o;
  o.pty = false;
  o.features = state.range(1) ? nq::kAllFeatures : 0;
  signsim::Card card(o);
  card.start(nullptr);
  setenv("LEDSIGN_HOME", lib.dir.c_str(), 1);
  fn<int(const char*, int)>(net, "NQ_NET_LED_Connect")("127.0.0.1", card.tcpPort());
  uint64_t wire = 0;
  int rc = 0;
  for (auto _ : state) {
    uint64_t before = card.wireBytes();
    rc |= fn<int(ProgramSendRecord*)>(net, "NQ_NET_LED_ModProgram")(&lib.rec);
    rc |= fn<int(int)>(net, "NQ_NET_LED_GetProgram")(255);
    wire += card.wireBytes() - before;
  }
  if (rc != 0) state.SkipWithError("transfer failed");
  state.counters["wire_per_payload"] = double(wire) / double(2 * lib.payload * state.iterations());
  state.counters["payload_bytes"] = double(lib.payload);
  fn<int()>(net, "NQ_NET_LED_Disnect")();
  card.stop();
  fs::remove_all(lib.dir);
  dlclose(net);
}
BENCHMARK(BM_SendAndFetch255OverTcp)
    ->ArgNames({"content", "packed"})
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

// Arguments: programs, content (1 typical, 2 noise), packed (0: a first-version card).
void BM_PtyPayloadShareAt115200(benchmark::State& state) {
  void* com = dlopen(NQ_COM_LIBRARY_PATH, RTLD_NOW);
  Library lib = makeLibrary(int(state.range(0)), Content(state.range(1)));
  signsim::CardOptions o;
  o.tcpPort = -1;
  o.features = state.range(2) ? nq::kAllFeatures : 0;
  signsim::Card card(o);
  card.start(nullptr);
  fn<int(int, int)>(com, "NQ_COM_LED_Set_GPRS")(0, 500);
  fn<int(const char*, int)>(com, "NQ_COM_LED_OpenSerial")(card.ptyPath().c_str(), 115200);
  double seconds = 0;
  int rc = 0;
  for (auto _ : state) {
    auto t0 = std::chrono::steady_clock::now();
    rc |= fn<int(ProgramSendRecord*)>(com, "NQ_COM_LED_ModProgram")(&lib.rec);
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  }
  if (rc != 0) state.SkipWithError("transfer failed");
  // 115200 baud, 8N1: 11520 bytes per second on the line.
  state.counters["payload_share_of_line"] =
      double(lib.payload) * double(state.iterations()) / (seconds * 11520.0);
  fn<int()>(com, "NQ_COM_LED_CloseSerial")();
  card.stop();
  fs::remove_all(lib.dir);
  dlclose(com);
}
BENCHMARK(BM_PtyPayloadShareAt115200)
    ->ArgNames({"programs", "content", "packed"})
    ->Args({8, 1, 0})
    ->Args({8, 1, 1})
    ->Args({8, 2, 0})
    ->Args({8, 2, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

// Both peaks are measured in fresh processes: signsim as started by the run command, and a
// forked sender that only loads the network library.
void BM_PeakMemory255Programs(benchmark::State& state) {
  Library lib = makeLibrary(255);
  long simKiB = -1, senderKiB = -1;
  for (auto _ : state) {
    int out[2];
    if (pipe(out) != 0) break;
    pid_t sim = fork();
    if (sim == 0) {
      dup2(out[1], 1);
      execl(SIGNSIM_PATH, "signsim", "--port", "0", "--no-pty", nullptr);
      _exit(127);
    }
    close(out[1]);
    char buf[256] = {};
    ssize_t n = read(out[0], buf, sizeof buf - 1);
    int port = 0;
    if (n > 0) std::sscanf(buf, "signsim ready tcp=%d", &port);
    int report[2];
    if (pipe(report) != 0) break;
    pid_t sender = fork();
    if (sender == 0) {
      void* net = dlopen(NQ_NET_LIBRARY_PATH, RTLD_NOW);
      int rc = fn<int(const char*, int)>(net, "NQ_NET_LED_Connect")("127.0.0.1", port);
      if (rc == 0) rc = fn<int(ProgramSendRecord*)>(net, "NQ_NET_LED_ModProgram")(&lib.rec);
      long kib = rc == 0 ? peakKiB(0) : -1;
      if (write(report[1], &kib, sizeof kib) != sizeof kib) _exit(1);
      _exit(0);
    }
    if (read(report[0], &senderKiB, sizeof senderKiB) != sizeof senderKiB) senderKiB = -1;
    waitpid(sender, nullptr, 0);
    simKiB = peakKiB(sim);
    kill(sim, SIGTERM);
    waitpid(sim, nullptr, 0);
    close(out[0]);
    close(report[0]);
    close(report[1]);
  }
  if (simKiB < 0 || senderKiB < 0) state.SkipWithError("measurement failed");
  state.counters["signsim_peak_KiB"] = double(simKiB);
  state.counters["sender_peak_KiB"] = double(senderKiB);
  fs::remove_all(lib.dir);
}
BENCHMARK(BM_PeakMemory255Programs)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// Every six bytes a valid header announcing a 23205-byte payload whose CRC then fails.
std::vector<uint8_t> overlappingHeaders(size_t bytes) {
  std::vector<uint8_t> out;
  out.reserve(bytes + 6);
  while (out.size() < bytes) out.insert(out.end(), {0xA5, 0x5A, 0x01, 0, 0, 0});
  out.resize(bytes);
  return out;
}

// The card's engine, fed in the 64 KiB pieces a link read hands it.
void BM_CardDecodesOverlappingHeaders(benchmark::State& state) {
  const auto input = overlappingHeaders(size_t(state.range(0)));
  signsim::CardOptions o;
  o.tcpPort = -1;
  o.pty = false;
  signsim::Card card(o);
  size_t answers = 0;
  for (auto _ : state) {
    auto session = card.newSession();
    for (size_t at = 0; at < input.size(); at += 65536)
      answers += session
                     ->onBytes(std::span<const uint8_t>(input).subspan(
                         at, std::min<size_t>(65536, input.size() - at)))
                     .size();
  }
  benchmark::DoNotOptimize(answers);
  state.SetBytesProcessed(int64_t(state.iterations()) * state.range(0));
}
BENCHMARK(BM_CardDecodesOverlappingHeaders)
    ->Arg(256 << 10)
    ->Arg(1 << 20)
    ->Arg(4 << 20)
    ->Unit(benchmark::kMillisecond);

// The decoder as a link uses it for replies: feed a read, take every event.
void BM_ReplyDecoderOverlappingHeaders(benchmark::State& state) {
  const auto input = overlappingHeaders(size_t(state.range(0)));
  size_t events = 0;
  for (auto _ : state) {
    nq::FrameDecoder dec;
    for (size_t at = 0; at < input.size(); at += 65536) {
      dec.feed(
          std::span<const uint8_t>(input).subspan(at, std::min<size_t>(65536, input.size() - at)));
      while (auto ev = dec.next()) ++events;
    }
  }
  benchmark::DoNotOptimize(events);
  state.SetBytesProcessed(int64_t(state.iterations()) * state.range(0));
}
BENCHMARK(BM_ReplyDecoderOverlappingHeaders)
    ->Arg(256 << 10)
    ->Arg(1 << 20)
    ->Arg(4 << 20)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
