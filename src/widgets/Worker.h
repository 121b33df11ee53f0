#pragma once

#include <QMetaObject>
#include <QPointer>
#include <QString>
#include <QThread>
#include <exception>
#include <utility>

#include "ErrorReport.h"

// What a worker hands back: its value, or the text of whatever it threw.
template <typename Result>
struct WorkerOutcome {
  Result value{};
  QString failure;  // empty on success
  bool ok() const { return failure.isEmpty(); }
};

// Runs `work` (which takes its inputs by value) on a thread of its own and hands the outcome to
// `done` on the receiver's thread, through its event queue; nothing escapes the thread. The
// thread deletes itself when finished; the returned pointer lets the owner wait for it before it
// goes away. Threads are never terminated: every link call is bounded by its timeout.
template <typename Result, typename Work, typename Done>
QPointer<QThread> startWorker(QObject* receiver, Work work, Done done) {
  QPointer<QObject> target(receiver);
  QThread* thread = QThread::create([target, work = std::move(work), done = std::move(done)]() {
    WorkerOutcome<Result> outcome;
    try {
      outcome.value = work();
    } catch (const std::exception& e) {
      outcome.failure = describeException(e);
    } catch (...) {
      outcome.failure = QStringLiteral("操作失败：发生未知错误");
    }
    if (target) {
      QMetaObject::invokeMethod(
          target.data(),
          [target, done, outcome] {
            if (target) done(outcome);
          },
          Qt::QueuedConnection);
    }
  });
  QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
  thread->start();
  return QPointer<QThread>(thread);
}
