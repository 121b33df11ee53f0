#pragma once
// Jobs on many signs at once. The link libraries hold one link per process, so every job runs in
// its own ledsignctl child process; at most `jobs` run at a time and the rest wait in order. A
// child that crashes, fails or stays silent past its limit ends only its own job. A running child
// is never ended by a cancel: it finishes and reports; only a child that has hung is ended.

#include <QElapsedTimer>
#include <QObject>
#include <QProcessEnvironment>
#include <QSize>
#include <QString>
#include <deque>
#include <map>
#include <memory>
#include <optional>

#include "LibrarySnapshot.h"
#include "SignList.h"

class QProcess;
class QTimer;

enum class FleetJobKind {
  Status,  // ledsignctl --json status
  Send,    // ledsignctl --shared-home send --json-progress --check-size, from libraryHome
};

// What `ledsignctl --json status` reports.
struct SignStatus {
  QSize size;
  int model = 0;
  int programs = 0;
  QString version;
  QString clock;
  std::optional<qint64> clockOffsetS;  // card minus PC; none when the card's clock is unreadable
  int brightness = 0;
  QString on;
  QString off;

  // nullopt when the text is not such an object.
  static std::optional<SignStatus> fromJson(const QByteArray& text);
};

enum class JobResult {
  Succeeded,
  Failed,      // the card refused or the link failed (exit 1)
  Refused,     // the sign cannot take the job: the library does not fit it, a bad option (exit 2)
  Crashed,     // the child ended abnormally
  TimedOut,    // the child was silent past the limit and was ended
  NotStarted,  // the child could not be started
};

struct JobOutcome {
  JobResult result = JobResult::NotStarted;
  QString reason;  // empty on success: the child's last message, or the runner's own words
  qint64 elapsedMs = 0;
  std::optional<SignStatus> status;  // a status job that succeeded
};

// "成功", "失败", "不能发送" …: a result in the UI's words.
QString jobResultText(JobResult result);

class FleetRunner : public QObject {
  Q_OBJECT
 public:
  struct Options {
    QString program;          // the ledsignctl executable
    int jobs = 8;             // children at once, 1 .. 64
    int linkTimeoutMs = 500;  // each child's --timeout
    // Silence (no output) after which a child counts as hung and is ended; 0: ten reply
    // timeouts plus 10 s, so the card's own timeout always passes first.
    int hangLimitMs = 0;
    QString libraryHome;       // sends read the library from here (a LibrarySnapshot's home)
    QList<int> checkedModels;  // the models libraryHome was checked for and can be shown on
    QString home;  // status jobs point the link libraries here (only read); empty: the default
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();

    // Sends read this copy of the library. It is checked here once for the controller models
    // this product knows, so that their jobs skip the check; a sign of another model checks it
    // in its own job.
    void useLibrary(const LibrarySnapshot& library);
  };

  explicit FleetRunner(Options options, QObject* parent = nullptr);
  // Waits for every running child (a hung one is ended at its limit); pending jobs are dropped.
  ~FleetRunner() override;

  const Options& options() const { return options_; }
  void setLibraryHome(const QString& home) { options_.libraryHome = home; }

  // Queues a job; `id` names it in the signals (the caller's row or index).
  void enqueue(int id, const SignEntry& sign, FleetJobKind kind);
  // Drops every job not yet started (jobDropped for each); running ones go on.
  void cancelPending();
  int runningCount() const { return int(running_.size()); }
  int pendingCount() const { return int(pending_.size()); }
  bool busy() const { return !running_.empty() || !pending_.empty(); }

 Q_SIGNALS:
  void jobStarted(int id);
  void jobProgress(int id, int done, int total);
  void jobFinished(int id, const JobOutcome& outcome);
  void jobDropped(int id);
  void idle();  // nothing running or pending any more

 private:
  struct Pending {
    int id;
    SignEntry sign;
    FleetJobKind kind;
  };
  struct Running;

  void startNext();
  void start(const Pending& job);
  void readOutput(Running& job);
  void hung(Running& job);
  void finish(QProcess* process, JobOutcome outcome);
  int hangLimitMs() const;

  Options options_;
  std::deque<Pending> pending_;
  std::map<QProcess*, std::unique_ptr<Running>> running_;
};
