// Main-window figures: one tree pick against the library size, and the peak resident memory of
// a session that creates 255 programs of 640 x 256 and picks each once.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <QApplication>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>

#include "Mainface.h"
#include "Prompt.h"

namespace {

class SilentPrompt final : public Prompt {
 public:
  void message(QWidget*, const QString&) override {}
  bool question(QWidget*, const QString&) override { return false; }
  QString openFile(QWidget*, const QString&, const QString&) override { return {}; }
  QString chooseFolder(QWidget*, const QString&) override { return {}; }
  std::optional<FontChoice> chooseFont(QWidget*, const FontChoice&) override { return {}; }
};

void pickProgram(TMainForm& form, int n) {
  QTreeWidgetItem* node = form.TreeView1->topLevelItem(0)->child(n);
  form.TreeView1->setCurrentItem(node);  // the selection change shows the program
}

void BM_PickProgram(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  QTemporaryDir dir;
  SilentPrompt prompt;
  Workspace ws(dir.path());
  TMainForm form(ws, prompt);
  ws.ScreenWidth = 640;
  ws.ScreenHeight = 256;
  for (int k = 0; k < count; ++k) form.SpeedButton1->click();
  int n = 0;
  for (auto _ : state) {
    pickProgram(form, n);
    n = (n + 1) % count;
  }
  state.SetComplexityN(count);
}
BENCHMARK(BM_PickProgram)
    ->Arg(32)
    ->Arg(64)
    ->Arg(128)
    ->Arg(255)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

long peakResidentKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

void BM_PeakMemoryFullLibrary(benchmark::State& state) {
  for (auto _ : state) {
    QTemporaryDir dir;
    SilentPrompt prompt;
    Workspace ws(dir.path());
    TMainForm form(ws, prompt);
    form.show();
    ws.ScreenWidth = 640;
    ws.ScreenHeight = 256;
    for (int k = 0; k < 255; ++k) form.SpeedButton1->click();
    for (int k = 0; k < 255; ++k) pickProgram(form, k);
    QCoreApplication::processEvents();
  }
  state.counters["peak_rss_MB"] = static_cast<double>(peakResidentKiB()) / 1024.0;
}
BENCHMARK(BM_PeakMemoryFullLibrary)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
