#include "TransferProgress.h"

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <memory>

TransferProgress::TransferProgress(QObject* parent)
    : QObject(parent), tickTimer_(new QTimer(this)), pollTimer_(new QTimer(this)) {
  tickTimer_->setInterval(TickMs);
  pollTimer_->setInterval(PollMs);
  connect(tickTimer_, &QTimer::timeout, this, &TransferProgress::tick);
  connect(pollTimer_, &QTimer::timeout, this, &TransferProgress::poll);
  auto since = std::make_shared<QElapsedTimer>();
  since->start();
  clock_ = [since] { return since->elapsed(); };
}

void TransferProgress::reset() {
  stop();
  bytes_ = false;
  counter_ = 0;
  set(0, StepMaximum, QString());
}

void TransferProgress::start(Query query) {
  reset();
  query_ = std::move(query);
  running_ = true;
  tickTimer_->start();
  if (query_) pollTimer_->start();
}

void TransferProgress::finish() {
  stop();
  set(maximum_, maximum_, QString());
}

void TransferProgress::stop() {
  running_ = false;
  tickTimer_->stop();
  pollTimer_->stop();
  if (!text_.isEmpty()) set(position_, maximum_, QString());
}

void TransferProgress::tick() {
  if (!running_ || bytes_) return;
  if (counter_ <= StepLimit) {
    set(counter_, StepMaximum, QString());
    ++counter_;
  }
}

void TransferProgress::poll() {
  if (!running_ || !query_) return;
  int done = 0;
  int total = 0;
  if (!query_(&done, &total) || total <= 0) return;
  done = std::clamp(done, 0, total);
  const qint64 now = clock_();
  if (!bytes_) {
    // From the first real figure on, the bytes replace the one-second steps.
    bytes_ = true;
    tickTimer_->stop();
    startMs_ = now;
    startDone_ = done;
  }
  QString text;
  const qint64 elapsed = now - startMs_;
  const qint64 moved = qint64(done) - startDone_;
  if (moved > 0 && elapsed > 0 && done < total) {
    const qint64 remainingMs = (qint64(total) - done) * elapsed / moved;
    text = remainingText((remainingMs + 999) / 1000);
  }
  set(done, total, text);
}

QString TransferProgress::remainingText(qint64 seconds) {
  seconds = std::max<qint64>(seconds, 1);
  if (seconds < 60) return tr("剩余约 %1 秒").arg(seconds);
  return tr("剩余约 %1 分 %2 秒").arg(seconds / 60).arg(seconds % 60);
}

void TransferProgress::set(int position, int maximum, const QString& text) {
  if (position == position_ && maximum == maximum_ && text == text_) return;
  position_ = position;
  maximum_ = maximum;
  text_ = text;
  Q_EMIT changed();
}
