// Tick accuracy of the preview: the effect stepper driven by a precise timer at the interval of a
// play speed, 200 ticks per run. Goal: the mean interval within 2 % of the requested one and no
// tick later than one interval behind its schedule, on an idle machine.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <vector>

#include "EffectStepper.h"

namespace {

constexpr int Ticks = 200;

// Nanoseconds from the timer's start to each tick.
std::vector<qint64> tickTimes(EffectStepper& stepper) {
  std::vector<qint64> times;
  times.reserve(Ticks);
  QEventLoop loop;
  QTimer timer;
  timer.setTimerType(Qt::PreciseTimer);
  timer.setInterval(stepper.interval());
  QElapsedTimer clock;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    times.push_back(clock.nsecsElapsed());
    stepper.tick();
    if (times.size() == Ticks) loop.quit();
  });
  clock.start();
  timer.start();
  loop.exec();
  return times;
}

void BM_TickAccuracy(benchmark::State& state) {
  EffectStepper stepper;
  stepper.open({128, 32}, {128, 32});
  stepper.play({EffectStepper::MoveLeft, static_cast<int>(state.range(0)), 5});
  const double requested = stepper.interval() * 1e6;

  std::vector<qint64> times;
  for (auto _ : state) times = tickTimes(stepper);

  double sum = 0;
  double sumSquares = 0;
  double worstLate = 0;
  double shortest = 1e18;
  double longest = 0;
  for (int k = 0; k < Ticks; ++k) {
    const double interval = static_cast<double>(times[k] - (k == 0 ? 0 : times[k - 1]));
    sum += interval;
    sumSquares += interval * interval;
    shortest = std::min(shortest, interval);
    longest = std::max(longest, interval);
    worstLate = std::max(worstLate, static_cast<double>(times[k]) - (k + 1) * requested);
  }
  const double mean = sum / Ticks;
  const double spread = std::sqrt(std::max(0.0, sumSquares / Ticks - mean * mean));
  state.counters["requested_ms"] = requested / 1e6;
  state.counters["mean_ms"] = mean / 1e6;
  state.counters["mean_error_pct"] = 100.0 * (mean - requested) / requested;
  state.counters["stddev_ms"] = spread / 1e6;
  state.counters["min_ms"] = shortest / 1e6;
  state.counters["max_ms"] = longest / 1e6;
  state.counters["worst_late_ms"] = worstLate / 1e6;
  state.counters["worst_late_intervals"] = worstLate / requested;
}

// Play speeds 5 ("最慢", 10 ms), 4 ("较慢", 15 ms) and 0 ("最快", 50 ms).
BENCHMARK(BM_TickAccuracy)
    ->ArgName("speed")
    ->Arg(5)
    ->Arg(4)
    ->Arg(0)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
