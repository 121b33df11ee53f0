#pragma once

#include <QCoreApplication>
#include <QMetaObject>
#include <QObject>
#include <QString>
#include <QThread>
#include <exception>
#include <memory>
#include <utility>
#include <vector>

#include "ErrorReport.h"

// What a link call hands back: its value, or the text of whatever it threw.
template <typename Result>
struct WorkerOutcome {
  Result value{};
  QString failure;  // empty on success
  bool ok() const { return failure.isEmpty(); }
};

// Runs blocking link calls on threads of their own and hands each outcome to its `done` on the
// GUI thread, through the event queue; nothing escapes a thread. The runner owns its threads: its
// destructor waits for the calls still running (each is bounded by the link's timeouts; a thread
// is never terminated) and drops the outcomes not yet handed back. A window keeps its runner as
// a member, so a `done` that calls the window never runs once the window is gone.
class LinkRunner {
  Q_DECLARE_TR_FUNCTIONS(LinkRunner)

 public:
  LinkRunner() : handBack_(std::make_unique<QObject>()) {}
  ~LinkRunner() { wait(); }
  LinkRunner(const LinkRunner&) = delete;
  LinkRunner& operator=(const LinkRunner&) = delete;

  // `work` takes its inputs by value and returns a Result.
  template <typename Result, typename Work, typename Done>
  void start(Work work, Done done) {
    forgetFinished();
    QObject* handBack = handBack_.get();
    threads_.emplace_back(
        QThread::create([handBack, work = std::move(work), done = std::move(done)] {
          // handBack lives until this thread has ended; an event still queued when it goes is
          // dropped.
          QMetaObject::invokeMethod(
              handBack, [done, outcome = outcomeOf<Result>(work)] { done(outcome); },
              Qt::QueuedConnection);
        }));
    threads_.back()->start();
  }

  // Blocks until every call has ended; their outcomes are still handed back through the queue.
  void wait() {
    for (const std::unique_ptr<QThread>& thread : threads_) thread->wait();
    forgetFinished();
  }

 private:
  template <typename Result, typename Work>
  static WorkerOutcome<Result> outcomeOf(const Work& work) {
    try {
      return {work(), {}};
    } catch (const std::exception& e) {
      return {{}, describeException(e)};
    } catch (...) {
      return {{}, tr("操作失败：发生未知错误")};
    }
  }

  void forgetFinished() {
    std::erase_if(threads_, [](const std::unique_ptr<QThread>& t) { return t->isFinished(); });
  }

  std::unique_ptr<QObject> handBack_;
  std::vector<std::unique_ptr<QThread>> threads_;
};
