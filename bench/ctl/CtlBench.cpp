// `ledsignctl status` and `ledsignctl send` (255 programs of 320 x 64) as whole processes against
// the virtual card on loopback TCP, beside the link calls they make, made directly in this process.
// Goals: status within 3x one direct connect; send within 10 % of the direct calls.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "BenchLibrary.h"
#include "Card.h"
#include "LinkLibraries.h"
#include "ProgramStore.h"
#include "SendRecord.h"

namespace {

// A home of `programs` programs of 320 x 64 in red, green and yellow, and a card of that size.
struct Setup {
  explicit Setup(int programs) : libraries(QStringLiteral(LEDSIGN_BIN_DIR)), store(home.path()) {
    QDir(home.path()).mkpath(QStringLiteral("Program"));
    writeBenchLibrary(store, programs);
    signsim::CardOptions options;
    options.pty = false;
    options.width = 320;
    options.height = 64;
    options.model = 2;
    card = std::make_unique<signsim::Card>(options);
    ok = card->start(nullptr);
  }
  ~Setup() { card->stop(); }

  // ledsignctl with the card's address; true when it exits 0.
  bool ctl(const QStringList& command) {
    QProcess p;
    p.start(QStringLiteral(LEDSIGN_BIN_DIR "/ledsignctl"),
            QStringList{QStringLiteral("--home"), home.path(), QStringLiteral("--net"),
                        QStringLiteral("127.0.0.1:%1").arg(card->tcpPort())} +
                command);
    return p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
  }

  QTemporaryDir home;
  LinkLibraries libraries;
  ProgramStore store;
  std::unique_ptr<signsim::Card> card;
  bool ok = false;
};

void BM_StatusProcess(benchmark::State& state) {
  Setup s(0);
  bool ok = s.ok;
  for (auto _ : state) ok &= s.ctl({QStringLiteral("status")});
  if (!ok) state.SkipWithError("status failed");
}

// The floor of any command: the process starts, answers --version and ends.
void BM_VersionProcess(benchmark::State& state) {
  Setup s(0);
  bool ok = s.ok;
  for (auto _ : state) ok &= s.ctl({QStringLiteral("--version")});
  if (!ok) state.SkipWithError("--version failed");
}

void BM_ConnectDirect(benchmark::State& state) {
  Setup s(0);
  int rc = s.ok ? 0 : -1;
  for (auto _ : state) {
    rc |= s.libraries.Connect(QStringLiteral("127.0.0.1"), s.card->tcpPort());
    // The connect of the main window: the link, then the sign's size.
    int width = 0;
    int height = 0;
    rc |= s.libraries.GetWidthHeight(Transport::Net, &width, &height);
    state.PauseTiming();
    s.libraries.Disnect();
    state.ResumeTiming();
  }
  if (rc != 0) state.SkipWithError("connect failed");
}

void BM_Send255Process(benchmark::State& state) {
  Setup s(255);
  bool ok = s.ok;
  for (auto _ : state) ok &= s.ctl({QStringLiteral("send")});
  if (!ok) state.SkipWithError("send failed");
}

// What `send` asks of the link: connect, the model, the library, disconnect.
void BM_Send255Direct(benchmark::State& state) {
  Setup s(255);
  int rc = s.ok ? 0 : -1;
  for (auto _ : state) {
    rc |= s.libraries.Connect(QStringLiteral("127.0.0.1"), s.card->tcpPort());
    rc |= s.libraries.Type(Transport::Net) == 2 ? 0 : 1;
    rc |= s.libraries.ModProgram(Transport::Net, buildSendRecord(s.store, 255).get());
    s.libraries.Disnect();
  }
  if (rc != 0) state.SkipWithError("send failed");
}

BENCHMARK(BM_VersionProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK(BM_ConnectDirect)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK(BM_StatusProcess)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK(BM_Send255Direct)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(BM_Send255Process)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
