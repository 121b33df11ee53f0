// 255 programs of 320 x 64 in two colours sent and fetched over loopback TCP against the virtual
// card: through the send and fetch dialogs, and with the same link calls made directly.
// Goal: the dialogs add under 10 % to the direct figure.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>

#include "Card.h"
#include "Getpram.h"
#include "LinkLibraries.h"
#include "Prompt.h"
#include "SendRecord.h"
#include "Sendpram.h"
#include "Workspace.h"

#include "BenchLibrary.h"

namespace {

class SilentPrompt final : public Prompt {
 public:
  int failures = 0;
  void message(QWidget*, const QString& text) override {
    if (text != QStringLiteral("发送成功") && text != QStringLiteral("获取节目成功")) ++failures;
  }
  bool question(QWidget*, const QString&) override { return false; }
  QString openFile(QWidget*, const QString&, const QString&) override { return {}; }
  QString chooseFolder(QWidget*, const QString&) override { return {}; }
  std::optional<FontChoice> chooseFont(QWidget*, const FontChoice&) override {
    return std::nullopt;
  }
};

// A home with 255 programs of 320 x 64 in red, green and yellow, a card holding nothing yet, and
// a workspace connected to it over loopback TCP.
struct Setup {
  Setup() : ws(home.path()), libraries(QStringLiteral(LEDSIGN_BIN_DIR)) {
    QDir(home.path()).mkpath(QStringLiteral("Program"));
    qputenv("LEDSIGN_HOME", home.path().toLocal8Bit());
    ProgramStore& store = ws.store();
    writeBenchLibrary(store, 255);
    for (int k = 0; k < 255; ++k) ws.programAppended(320, 64);
    signsim::CardOptions options;
    options.pty = false;
    options.width = 320;
    options.height = 64;
    options.model = 2;
    card = std::make_unique<signsim::Card>(options);
    card->start(nullptr);
    ws.setLink(&libraries);
    ws.commSettings.Transport = QStringLiteral("1");
    ok = libraries.Connect(QStringLiteral("127.0.0.1"), card->tcpPort()) == 0;
    ws.markConnected();
  }
  ~Setup() {
    libraries.Disnect();
    card->stop();
  }

  QTemporaryDir home;
  Workspace ws;
  LinkLibraries libraries;
  std::unique_ptr<signsim::Card> card;
  bool ok = false;
};

// The link calls alone, as the dialogs make them, on the calling thread.
void BM_Send255Direct(benchmark::State& state) {
  Setup s;
  const auto record = buildSendRecord(s.ws.store(), 255);
  int rc = s.ok ? 0 : -1;
  for (auto _ : state) rc |= s.libraries.ModProgram(Transport::Net, record.get());
  if (rc != 0) state.SkipWithError("send failed");
}

void BM_Fetch255Direct(benchmark::State& state) {
  Setup s;
  int rc = s.ok ? 0 : -1;
  rc |= s.libraries.ModProgram(Transport::Net, buildSendRecord(s.ws.store(), 255).get());
  for (auto _ : state) {
    rc |= s.libraries.ProgramNumber(Transport::Net) == 255 ? 0 : 1;
    rc |= s.libraries.GetProgram(Transport::Net, 255);
  }
  if (rc != 0) state.SkipWithError("fetch failed");
}

// The send record the send dialog builds before its call: 256 paths converted to GBK.
void BM_BuildSendRecord255(benchmark::State& state) {
  Setup s;
  for (auto _ : state) benchmark::DoNotOptimize(buildSendRecord(s.ws.store(), 255));
}

// The same through the dialogs: record, worker thread, progress timers, the event loop, the
// result and, for the fetch, the library replaced.
void BM_Send255ThroughTheDialog(benchmark::State& state) {
  Setup s;
  SilentPrompt prompt;
  TSendPramForm send(s.ws, prompt);
  for (auto _ : state) {
    send.show();  // starts the send; the dialog closes itself after the result
    send.waitForTransfer();
  }
  if (!s.ok || prompt.failures != 0) state.SkipWithError("send failed");
}

void BM_Fetch255ThroughTheDialog(benchmark::State& state) {
  Setup s;
  SilentPrompt prompt;
  int rc = s.libraries.ModProgram(Transport::Net, buildSendRecord(s.ws.store(), 255).get());
  TGetPramForm fetch(s.ws, prompt);
  for (auto _ : state) {
    fetch.show();
    fetch.Button1->click();
    fetch.waitForTransfer();
  }
  if (!s.ok || rc != 0 || prompt.failures != 0 || s.ws.ProgramCount != 255)
    state.SkipWithError("fetch failed");
}

BENCHMARK(BM_BuildSendRecord255)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Send255Direct)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(BM_Send255ThroughTheDialog)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(BM_Fetch255Direct)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(BM_Fetch255ThroughTheDialog)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
