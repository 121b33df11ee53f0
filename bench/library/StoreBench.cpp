// Program store figures: delete in a full library, appending, the colour class scan, reading a
// picture back, and the check of a full library before a send.
#include <benchmark/benchmark.h>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "ProgramLimits.h"
#include "ProgramStore.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 256;

void fill(ProgramStore& store, int count) {
  for (int k = 0; k < count; ++k)
    store.append(k, kWidth, kHeight, k % 16, k % 6, QStringLiteral("5"));
}

// Deleting program 0 of 255 renames 254 pictures and rewrites the settings once.
void BM_DeleteFirstOf255(benchmark::State& state) {
  QTemporaryDir dir;
  ProgramStore store(dir.path());
  store.wipe();
  fill(store, ProgramStore::MaxPrograms);
  for (auto _ : state) {
    store.deleteProgram(0, ProgramStore::MaxPrograms);
    state.PauseTiming();
    store.append(254, kWidth, kHeight, 0, 4, QStringLiteral("5"));
    state.ResumeTiming();
  }
}
BENCHMARK(BM_DeleteFirstOf255)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(30);

// Appending n programs to an empty library; the figure per program shows whether it is linear.
void BM_AppendPrograms(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    QTemporaryDir dir;
    ProgramStore store(dir.path());
    store.wipe();
    state.ResumeTiming();
    fill(store, count);
  }
  state.SetComplexityN(count);
  // Seconds per program appended.
  state.counters["s_per_program"] =
      benchmark::Counter(static_cast<double>(count), benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}
BENCHMARK(BM_AppendPrograms)
    ->Arg(32)
    ->Arg(64)
    ->Arg(128)
    ->Arg(255)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3)
    ->Complexity();

void BM_ColourClass(benchmark::State& state) {
  QImage picture(kWidth, kHeight, QImage::Format_RGB32);
  picture.fill(Qt::black);
  picture.setPixel(kWidth - 1, kHeight - 1, qRgb(255, 0, 0));  // the scan runs to the end
  for (auto _ : state) benchmark::DoNotOptimize(colourClass(picture));
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
  // Seconds per pixel scanned (shown as n for nanoseconds).
  state.counters["s_per_pixel"] = benchmark::Counter(
      static_cast<double>(kWidth * kHeight),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ColourClass);

// Reading one 640 x 256 program picture back through the BMP reader the link libraries share.
void BM_ReadPicture(benchmark::State& state) {
  QTemporaryDir dir;
  ProgramStore store(dir.path());
  store.wipe();
  fill(store, 1);
  for (auto _ : state) benchmark::DoNotOptimize(store.readPicture(0));
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_ReadPicture)->Unit(benchmark::kMillisecond);

// The check before a send of 255 programs of the largest size: every picture read and scanned.
void BM_CheckLibraryForSend255(benchmark::State& state) {
  QTemporaryDir dir;
  ProgramStore store(dir.path());
  store.wipe();
  fill(store, ProgramStore::MaxPrograms);
  for (auto _ : state) checkLibraryForSend(store, ProgramStore::MaxPrograms, 0);
}
BENCHMARK(BM_CheckLibraryForSend255)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
