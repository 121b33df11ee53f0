#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QTimer;

// What a transfer dialog's progress bar shows while a link call blocks in a worker. Two ways:
//  - with a progress query (the link library tells the bytes done and to do), the bar is polled
//    every 200 ms and shows the bytes against the total, with the remaining time once it can be
//    estimated;
//  - without one, the bar climbs one step per second to 28 of 30 and waits there until the end.
// Widget-free: the dialog copies position, maximum and text into its bar on `changed`. All of it
// runs on the GUI thread; the query is called there while the worker blocks.
class TransferProgress : public QObject {
  Q_OBJECT
 public:
  static constexpr int StepMaximum = 30;
  static constexpr int StepLimit = 28;  // the last step the ticks reach before the end
  static constexpr int TickMs = 1000;
  static constexpr int PollMs = 200;

  // Fills the bytes done and to do; false when there is no such query.
  using Query = std::function<bool(int* done, int* total)>;
  // Milliseconds on a steady clock.
  using Clock = std::function<qint64()>;

  explicit TransferProgress(QObject* parent = nullptr);

  // Back to 0 of 30, idle.
  void reset();
  // Resets and starts the step timer, and the poll timer when there is a query.
  void start(Query query);
  // The transfer ended well: the bar is full.
  void finish();
  // The transfer ended (either way): the timers stop, the bar stays where it is.
  void stop();

  bool running() const { return running_; }
  bool showsBytes() const { return bytes_; }
  int position() const { return position_; }
  int maximum() const { return maximum_; }
  // The remaining time, e.g. "剩余约 12 秒"; empty until it can be estimated.
  const QString& text() const { return text_; }

  // The two timer events, public so that a test can step them without waiting.
  void tick();
  void poll();

  // The one-second timer of the step rule (the dialogs' Timer1) and the 200 ms query timer.
  QTimer* tickTimer() const { return tickTimer_; }
  QTimer* pollTimer() const { return pollTimer_; }
  // Replaces the clock used for the estimate (tests).
  void setClock(Clock clock) { clock_ = std::move(clock); }

  // "剩余约 N 秒" or "剩余约 M 分 S 秒" for a positive number of seconds.
  static QString remainingText(qint64 seconds);

 Q_SIGNALS:
  void changed();

 private:
  void set(int position, int maximum, const QString& text);

  QTimer* tickTimer_;
  QTimer* pollTimer_;
  Query query_;
  Clock clock_;
  bool running_ = false;
  bool bytes_ = false;
  int counter_ = 0;
  int position_ = 0;
  int maximum_ = StepMaximum;
  QString text_;
  // The first sample in bytes: the rate is measured from there.
  qint64 startMs_ = 0;
  int startDone_ = 0;
};
