#include "LinkTransfer.h"

#include <QCoreApplication>

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

#include "LedError.h"
#include "TransferProgress.h"

namespace ctl {

namespace {

std::atomic<int> interrupts{0};
static_assert(std::atomic<int>::is_always_lock_free, "the SIGINT handler needs a lock-free count");

// The notice of the first Ctrl-C, in the operator's language; made before the handler is set,
// since the handler cannot translate.
QByteArray finishesFirst;

// Async-signal-safe: an atomic count, write(2) and _exit(2) only.
extern "C" void onInterrupt(int) {
  if (interrupts.fetch_add(1) == 0) {
    const ssize_t ignored =
        ::write(STDERR_FILENO, finishesFirst.constData(), size_t(finishesFirst.size()));
    (void)ignored;
    return;
  }
  ::_exit(130);
}

// SIGINT goes to onInterrupt for the life of the object.
class InterruptGuard {
 public:
  InterruptGuard() {
    interrupts = 0;
    finishesFirst = "\nledsignctl: " +
                    QCoreApplication::translate(
                        "ledsignctl",
                        "传输进行中，会先完成这次传输（控制卡和节目库保持完整的旧内容或新内容）；"
                        "再按一次 Ctrl-C 立即结束。")
                        .toUtf8() +
                    '\n';
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, &previous_);
  }
  ~InterruptGuard() { ::sigaction(SIGINT, &previous_, nullptr); }
  InterruptGuard(const InterruptGuard&) = delete;
  InterruptGuard& operator=(const InterruptGuard&) = delete;

 private:
  struct sigaction previous_ {};
};

QString progressLine(const QString& verb, const TransferProgress& p) {
  const int percent = p.maximum() > 0 ? int(qint64(p.position()) * 100 / p.maximum()) : 0;
  QString line = QStringLiteral("%1 %2%").arg(verb).arg(percent, 3);
  if (p.showsBytes())
    line += QCoreApplication::translate("ledsignctl", "  %1 / %2 字节")
                .arg(p.position())
                .arg(p.maximum());
  if (!p.text().isEmpty()) line += QStringLiteral("  ") + p.text();
  return line;
}

}  // namespace

int runTransfer(Context& ctx, const TransferOutput& output, std::function<int()> call) {
  ControllerLink& link = ctx.link();
  const Transport transport = ctx.transport();
  const bool terminal = ::isatty(STDERR_FILENO) == 1;

  std::mutex m;
  std::condition_variable cv;
  bool finished = false;
  int result = 0;
  std::exception_ptr failure;

  InterruptGuard guard;
  TransferProgress progress;
  progress.start(
      [&link, transport](int* done, int* total) { return link.Progress(transport, done, total); });
  std::thread worker([&] {
    int r = 0;
    std::exception_ptr e;
    try {
      r = call();
    } catch (...) {
      e = std::current_exception();
    }
    const std::lock_guard lock(m);
    result = r;
    failure = e;
    finished = true;
    cv.notify_one();
  });

  int shownDone = -1;
  int shownTotal = -1;
  QString shownLine;
  int polls = 0;
  auto report = [&] {
    if (!progress.showsBytes()) {
      // Without figures the line climbs one step a second, as the windows' bars do.
      if (terminal && ++polls % (TransferProgress::TickMs / TransferProgress::PollMs) == 0)
        progress.tick();
    } else if (output.jsonProgress &&
               (progress.position() != shownDone || progress.maximum() != shownTotal)) {
      shownDone = progress.position();
      shownTotal = progress.maximum();
      ctx.out() << QStringLiteral("{\"done\":%1,\"total\":%2}\n").arg(shownDone).arg(shownTotal);
      ctx.out().flush();
    }
    if (terminal) {
      const QString line = progressLine(output.verb, progress);
      if (line != shownLine) {
        shownLine = line;
        ctx.err() << '\r' << line << QStringLiteral("\033[K");
        ctx.err().flush();
      }
    }
  };

  {
    std::unique_lock lock(m);
    while (!cv.wait_for(lock, std::chrono::milliseconds(TransferProgress::PollMs),
                        [&] { return finished; })) {
      lock.unlock();
      progress.poll();
      report();
      lock.lock();
    }
  }
  worker.join();

  if (!failure && result == 0) {
    progress.poll();  // the last figures, e.g. a total that arrived late
    progress.finish();
    if (progress.showsBytes() || !output.jsonProgress) report();
  } else {
    progress.stop();
  }
  if (terminal && !shownLine.isEmpty()) {
    ctx.err() << '\n';
    ctx.err().flush();
  }
  if (failure) {
    try {
      std::rethrow_exception(failure);
    } catch (const LedError& e) {
      badInput(e.text());
    } catch (const std::exception& e) {
      badInput(QString::fromLocal8Bit(e.what()));
    }
  }
  return result;
}

}  // namespace ctl
