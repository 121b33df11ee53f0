// `ledsignctl fleet send` (255 programs of 320 x 64 in red and green) to 8, 16, 32 and 64 virtual
// cards with 8 jobs at once, beside the same binary sending to them one after another (--jobs 1),
// in the same iteration; `ledsignctl fleet status` of 64 signs; and the peak memory of the fleet
// process and its children during a send with 8 jobs.
// Goals: the ratio (8 jobs / 1 job) at most 0.4 at 64 signs; status of 64 under 2 s; the peak
// under 400 MB.
//
// The cards are signsim::Card objects in this process, one TCP listener each: they answer as
// signsim processes do, start without a process each, and the CPU they spend is this process's
// CPU less the main thread's, which the counters show beside the CPU of the ledsignctl processes.
// Every job runs on the same processors as the cards, as it does with signsim on one machine.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "BenchLibrary.h"
#include "Card.h"
#include "ProgramStore.h"
#include "Session.h"
#include "SignList.h"

namespace {

constexpr int kPrograms = 255;
constexpr int kMaxSigns = 64;

long processors() { return std::max(1L, ::sysconf(_SC_NPROCESSORS_ONLN)); }

double seconds(const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; }
double cpuSeconds(int who) {
  rusage u{};
  ::getrusage(who, &u);
  return seconds(u.ru_utime) + seconds(u.ru_stime);
}

// The time every processor of the machine has spent busy, from /proc/stat.
double machineBusySeconds() {
  QFile stat(QStringLiteral("/proc/stat"));
  if (!stat.open(QIODevice::ReadOnly)) return 0;
  const QList<QByteArray> f = stat.readLine().simplified().split(' ');
  if (f.size() < 9) return 0;
  // cpu user nice system idle iowait irq softirq steal
  double busy = 0;
  for (int k : {1, 2, 3, 6, 7, 8}) busy += f[k].toDouble();
  return busy / double(::sysconf(_SC_CLK_TCK));
}

// The resident memory of `root` and every process below it, summed; shared pages (the Qt and
// link libraries every child maps) count once per process, so this is an upper bound. The tree
// is walked through each thread's list of children, which reads a few files per process, not
// every process of the machine.
qint64 treeRss(pid_t root) {
  const long page = ::sysconf(_SC_PAGESIZE);
  qint64 total = 0;
  std::vector<pid_t> todo{root};
  while (!todo.empty()) {
    const pid_t pid = todo.back();
    todo.pop_back();
    QFile statm(QStringLiteral("/proc/%1/statm").arg(pid));
    if (!statm.open(QIODevice::ReadOnly)) continue;  // ended meanwhile
    const QList<QByteArray> m = statm.readAll().split(' ');
    if (m.size() >= 2) total += m[1].toLongLong() * page;
    const QString tasks = QStringLiteral("/proc/%1/task").arg(pid);
    for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
      QFile children(tasks + QLatin1Char('/') + task + QStringLiteral("/children"));
      if (!children.open(QIODevice::ReadOnly)) continue;
      for (const QByteArray& child : children.readAll().split(' '))
        if (const pid_t c = pid_t(child.trimmed().toLong()); c > 0) todo.push_back(c);
    }
  }
  return total;
}

struct Run {
  bool ok = false;
  double wallS = 0;
  double ctlCpuS = 0;      // the ledsignctl processes
  double cardsCpuS = 0;    // the cards' threads in this process
  double othersCpuS = 0;   // every other process of the machine
  double samplerCpuS = 0;  // this thread: waiting, and sampling the memory
  double idleS = 0;        // processor time nobody used
  qint64 peakTreeBytes = 0;
  QByteArray output;
};

// A home of 255 programs of 320 x 64 in red and green, and a sign list of 64 cards of that size.
struct Fleet {
  Fleet() {
    QDir(home.path()).mkpath(QStringLiteral("Program"));
    ProgramStore store(home.path());
    writeBenchLibrary(store, kPrograms);
    std::vector<SignEntry> signs;
    for (int k = 0; k < kMaxSigns; ++k) {
      signsim::CardOptions options;
      options.pty = false;
      options.width = 320;
      options.height = 64;
      options.model = 2;
      cards.push_back(std::make_unique<signsim::Card>(options));
      if (!cards.back()->start(nullptr)) return;
      SignEntry sign;
      sign.name = QStringLiteral("屏%1").arg(k + 1);
      sign.host = QStringLiteral("127.0.0.1");
      sign.port = cards.back()->tcpPort();
      sign.expectedSize = QSize(320, 64);
      signs.push_back(sign);
    }
    SignList::save(home.path(), signs);
    ok = true;
  }
  ~Fleet() {
    for (auto& card : cards) card->stop();
  }

  static Fleet& get() {
    static Fleet fleet;
    return fleet;
  }

  // ledsignctl with this home; ok when it exits 0. With `sampleMemory`, the resident memory of
  // the process and its children is summed every 10 ms.
  Run ctl(const QStringList& command, bool sampleMemory = false) {
    Run run;
    const double ctlBefore = cpuSeconds(RUSAGE_CHILDREN);
    const double selfBefore = cpuSeconds(RUSAGE_SELF) - cpuSeconds(RUSAGE_THREAD);
    const double threadBefore = cpuSeconds(RUSAGE_THREAD);
    const double machineBefore = machineBusySeconds();
    QElapsedTimer clock;
    clock.start();
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral(LEDSIGN_BIN_DIR "/ledsignctl"),
            QStringList{QStringLiteral("--home"), home.path()} + command);
    if (!p.waitForStarted()) return run;
    while (!p.waitForFinished(10)) {
      if (p.state() == QProcess::NotRunning || clock.elapsed() > 600000) break;
      if (sampleMemory)
        run.peakTreeBytes = std::max(run.peakTreeBytes, treeRss(pid_t(p.processId())));
    }
    run.wallS = double(clock.nsecsElapsed()) / 1e9;
    run.ctlCpuS = cpuSeconds(RUSAGE_CHILDREN) - ctlBefore;
    run.cardsCpuS = cpuSeconds(RUSAGE_SELF) - cpuSeconds(RUSAGE_THREAD) - selfBefore;
    const double busy = machineBusySeconds() - machineBefore;
    run.samplerCpuS = cpuSeconds(RUSAGE_THREAD) - threadBefore;
    run.othersCpuS = std::max(0.0, busy - run.ctlCpuS - run.cardsCpuS - run.samplerCpuS);
    run.idleS = std::max(0.0, run.wallS * double(processors()) - busy);
    run.output = p.readAll();
    run.ok = p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return run;
  }

  QTemporaryDir home;
  std::vector<std::unique_ptr<signsim::Card>> cards;
  bool ok = false;
};

QStringList signNames(int n) {
  QStringList names;
  for (int k = 0; k < n; ++k) names << QStringLiteral("屏%1").arg(k + 1);
  return names;
}

void fail(benchmark::State& state, const Run& run) {
  std::fprintf(stderr, "%s\n", run.output.constData());
  state.SkipWithError("ledsignctl failed");
}

// The floor of every job: one ledsignctl process starts, answers --version and ends.
void BM_ProcessStart(benchmark::State& state) {
  Fleet& f = Fleet::get();
  if (!f.ok) return state.SkipWithError("the cards did not start");
  for (auto _ : state) {
    const Run run = f.ctl({QStringLiteral("--version")});
    if (!run.ok) return fail(state, run);
  }
}

// The time is that of 8 jobs; the counters give one job at a time beside it, their ratio, and
// where the processors' time went during the 8 jobs: ledsignctl, the cards, the machine's other
// processes, this benchmark's sampling, and idle. One sign gives the fixed part (the copy of the
// library, one job) and shows how far apart two equal runs fall on this machine. cpu_floor is the
// ratio the 8 jobs would reach if the CPU time of the one-at-a-time run were spread over every
// processor without a gap.
//
// A second argument delays every reply of every card by that many milliseconds, as a real card
// answers after writing its flash and over a real network: the waiting that jobs at once overlap,
// which cards on loopback in the same machine never have.
void BM_FleetSend(benchmark::State& state) {
  Fleet& f = Fleet::get();
  if (!f.ok) return state.SkipWithError("the cards did not start");
  const int n = int(state.range(0));
  const int replyDelayMs = int(state.range(1));
  for (auto& card : f.cards) {
    card->faults().clear();
    if (replyDelayMs > 0)
      card->faults().set(-1, *signsim::parseFault("delay:" + std::to_string(replyDelayMs)));
  }
  const QStringList names = signNames(n);
  double serial = 0, parallel = 0, serialCpu = 0, ctlCpu = 0, cardsCpu = 0, others = 0, idle = 0,
         sampler = 0;
  qint64 peak = 0;
  bool parallelFirst = false;
  for (auto _ : state) {
    auto send = [&](int jobs) {
      return f.ctl(QStringList{QStringLiteral("fleet"), QStringLiteral("send"),
                               QStringLiteral("--jobs"), QString::number(jobs)} +
                       names,
                   jobs > 1);
    };
    // The two runs change places every iteration, so that neither always has a warm start.
    Run one, eight;
    if (parallelFirst) {
      eight = send(8);
      one = send(1);
    } else {
      one = send(1);
      eight = send(8);
    }
    parallelFirst = !parallelFirst;
    if (!one.ok) return fail(state, one);
    if (!eight.ok) return fail(state, eight);
    state.SetIterationTime(eight.wallS);
    serial += one.wallS;
    parallel += eight.wallS;
    serialCpu += one.ctlCpuS + one.cardsCpuS;
    ctlCpu += eight.ctlCpuS;
    cardsCpu += eight.cardsCpuS;
    others += eight.othersCpuS;
    idle += eight.idleS;
    sampler += eight.samplerCpuS;
    peak = std::max(peak, eight.peakTreeBytes);
  }
  const double iterations = double(state.iterations());
  for (auto& card : f.cards) card->faults().clear();
  state.counters["signs"] = n;
  state.counters["reply_delay_ms"] = replyDelayMs;
  state.counters["jobs1_s"] = serial / iterations;
  state.counters["jobs8_s"] = parallel / iterations;
  state.counters["ratio"] = parallel / serial;
  state.counters["cpu_floor"] = serialCpu / double(processors()) / serial;
  state.counters["ctl_cpu_s"] = ctlCpu / iterations;
  state.counters["cards_cpu_s"] = cardsCpu / iterations;
  state.counters["others_cpu_s"] = others / iterations;
  state.counters["idle_s"] = idle / iterations;
  state.counters["sampler_cpu_s"] = sampler / iterations;
  state.counters["peak_MB"] = double(peak) / (1024.0 * 1024.0);
}

void BM_FleetStatus64(benchmark::State& state) {
  Fleet& f = Fleet::get();
  if (!f.ok) return state.SkipWithError("the cards did not start");
  for (auto _ : state) {
    const Run run = f.ctl({QStringLiteral("fleet"), QStringLiteral("status")});
    if (!run.ok) return fail(state, run);
  }
}

BENCHMARK(BM_ProcessStart)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK(BM_FleetStatus64)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_FleetSend)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Args({1, 0})
    ->Args({8, 0})
    ->Args({16, 0})
    ->Args({32, 0})
    ->Args({64, 0})
    ->Iterations(4);
BENCHMARK(BM_FleetSend)
    ->Name("BM_FleetSendPaced")
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Args({8, 5})
    ->Args({64, 5})
    ->Iterations(2);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
