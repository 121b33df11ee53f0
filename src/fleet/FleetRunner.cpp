#include "FleetRunner.h"
#include "Language.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTimer>
#include <algorithm>

namespace {

// A hung child is asked to end, and killed when it has not ended this much later.
constexpr int kEndGraceMs = 3000;

QString lastMessage(const QByteArray& errorOutput) {
  const QList<QByteArray> lines = errorOutput.split('\n');
  for (auto it = lines.crbegin(); it != lines.crend(); ++it) {
    QString line = QString::fromUtf8(*it).trimmed();
    if (line.isEmpty()) continue;
    if (line.startsWith(QLatin1String("ledsignctl: "))) line = line.mid(12);
    return line;
  }
  return {};
}

}  // namespace

std::optional<SignStatus> SignStatus::fromJson(const QByteArray& text) {
  QJsonParseError error{};
  const QJsonDocument doc = QJsonDocument::fromJson(text.trimmed(), &error);
  if (error.error != QJsonParseError::NoError || !doc.isObject()) return std::nullopt;
  const QJsonObject o = doc.object();
  for (const char* key : {"width", "height", "model", "programs", "brightness"})
    if (!o.value(QLatin1String(key)).isDouble()) return std::nullopt;
  SignStatus s;
  s.size = QSize(o.value(QLatin1String("width")).toInt(), o.value(QLatin1String("height")).toInt());
  s.model = o.value(QLatin1String("model")).toInt();
  s.programs = o.value(QLatin1String("programs")).toInt();
  s.version = o.value(QLatin1String("version")).toString();
  s.clock = o.value(QLatin1String("clock")).toString();
  if (const QJsonValue offset = o.value(QLatin1String("clock_offset_s")); offset.isDouble())
    s.clockOffsetS = offset.toInteger();
  s.brightness = o.value(QLatin1String("brightness")).toInt();
  s.on = o.value(QLatin1String("on")).toString();
  s.off = o.value(QLatin1String("off")).toString();
  return s;
}

QString jobResultText(JobResult result) {
  switch (result) {
    case JobResult::Succeeded:
      return QCoreApplication::translate("FleetRunner", "成功");
    case JobResult::Failed:
      return QCoreApplication::translate("FleetRunner", "失败");
    case JobResult::Refused:
      return QCoreApplication::translate("FleetRunner", "不能发送");
    case JobResult::Crashed:
      return QCoreApplication::translate("FleetRunner", "异常退出");
    case JobResult::TimedOut:
      return QCoreApplication::translate("FleetRunner", "超时");
    case JobResult::NotStarted:
      return QCoreApplication::translate("FleetRunner", "未能启动");
  }
  return {};
}

struct FleetRunner::Running {
  int id = 0;
  FleetJobKind kind = FleetJobKind::Status;
  std::unique_ptr<QProcess> process;
  std::unique_ptr<QTimer> silence;
  QElapsedTimer clock;
  QByteArray out;     // stdout not yet read as whole lines (sends) or all of it (status)
  QByteArray err;     // all of stderr
  bool hung = false;  // ended by the runner
};

void FleetRunner::Options::useLibrary(const LibrarySnapshot& library) {
  libraryHome = library.home();
  checkedModels.clear();
  for (const int model : {1, 2})
    if (library.modelRefusal(model).isEmpty()) checkedModels << model;
}

FleetRunner::FleetRunner(Options options, QObject* parent)
    : QObject(parent), options_(std::move(options)) {
  options_.jobs = std::clamp(options_.jobs, 1, 64);
}

FleetRunner::~FleetRunner() {
  pending_.clear();
  for (auto& [process, job] : running_) {
    process->disconnect(this);
    job->silence->stop();
    if (!process->waitForFinished(hangLimitMs())) {
      process->terminate();
      if (!process->waitForFinished(kEndGraceMs)) {
        process->kill();
        process->waitForFinished(kEndGraceMs);
      }
    }
  }
}

int FleetRunner::hangLimitMs() const {
  return options_.hangLimitMs > 0 ? options_.hangLimitMs : 10 * options_.linkTimeoutMs + 10000;
}

void FleetRunner::enqueue(int id, const SignEntry& sign, FleetJobKind kind) {
  pending_.push_back({id, sign, kind});
  startNext();
}

void FleetRunner::cancelPending() {
  std::deque<Pending> dropped;
  dropped.swap(pending_);
  for (const Pending& p : dropped) Q_EMIT jobDropped(p.id);
  if (running_.empty() && !dropped.empty()) Q_EMIT idle();
}

void FleetRunner::startNext() {
  while (!pending_.empty() && int(running_.size()) < options_.jobs) {
    const Pending job = pending_.front();
    pending_.pop_front();
    start(job);
  }
}

void FleetRunner::start(const Pending& job) {
  auto running = std::make_unique<Running>();
  Running& r = *running;
  r.id = job.id;
  r.kind = job.kind;
  r.process = std::make_unique<QProcess>();
  r.silence = std::make_unique<QTimer>();
  r.silence->setSingleShot(true);
  r.silence->setInterval(hangLimitMs());
  QProcess* p = r.process.get();
  p->setProcessEnvironment(options_.environment);

  // The child speaks the operator's language: its reasons end up in the rows and lines.
  QStringList args{QStringLiteral("--lang"), languageCode(currentLanguage())};
  if (job.kind == FleetJobKind::Send) {
    args << QStringLiteral("--home") << options_.libraryHome << QStringLiteral("--shared-home");
  } else if (!options_.home.isEmpty()) {
    args << QStringLiteral("--home") << options_.home;
  }
  args << job.sign.linkArguments() << QStringLiteral("--timeout")
       << QString::number(options_.linkTimeoutMs);
  if (job.kind == FleetJobKind::Send) {
    args << QStringLiteral("send") << QStringLiteral("--json-progress")
         << QStringLiteral("--check-size");
    QStringList models;
    for (const int m : options_.checkedModels) models << QString::number(m);
    if (!models.isEmpty())
      args << QStringLiteral("--checked-models") << models.join(QLatin1Char(','));
  } else
    args << QStringLiteral("--json") << QStringLiteral("status");

  connect(p, &QProcess::readyReadStandardOutput, this, [this, &r] { readOutput(r); });
  connect(p, &QProcess::readyReadStandardError, this, [&r] {
    r.err += r.process->readAllStandardError();
    r.silence->start();
  });
  connect(r.silence.get(), &QTimer::timeout, this, [this, &r] { hung(r); });
  connect(p, &QProcess::finished, this, [this, p](int code, QProcess::ExitStatus status) {
    Running& ended = *running_.at(p);
    readOutput(ended);
    ended.err += p->readAllStandardError();
    JobOutcome o;
    const QString message = lastMessage(ended.err);
    if (ended.hung) {
      o.result = JobResult::TimedOut;
      o.reason = tr("超过%1秒没有应答，已结束").arg(hangLimitMs() / 1000.0, 0, 'f', 1);
    } else if (status == QProcess::CrashExit) {
      o.result = JobResult::Crashed;
      o.reason = message.isEmpty() ? tr("ledsignctl 异常退出")
                                   : tr("ledsignctl 异常退出：%1").arg(message);
    } else if (code == 0) {
      o.result = JobResult::Succeeded;
      if (ended.kind == FleetJobKind::Status) {
        o.status = SignStatus::fromJson(ended.out);
        if (!o.status) {
          o.result = JobResult::Failed;
          o.reason = tr("控制卡的状态无法识别");
        }
      }
    } else {
      o.result = code == 2 ? JobResult::Refused : JobResult::Failed;
      o.reason = message.isEmpty() ? tr("ledsignctl 退出码 %1").arg(code) : message;
    }
    finish(p, o);
  });
  connect(p, &QProcess::errorOccurred, this, [this, p](QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart) return;
    JobOutcome o;
    o.result = JobResult::NotStarted;
    o.reason = tr("无法启动 %1：%2").arg(options_.program, p->errorString());
    finish(p, o);
  });

  running_.emplace(p, std::move(running));
  Q_EMIT jobStarted(job.id);
  r.clock.start();
  r.silence->start();
  p->start(options_.program, args);
  p->closeWriteChannel();  // a job never asks the operator anything
}

void FleetRunner::readOutput(Running& job) {
  job.out += job.process->readAllStandardOutput();
  job.silence->start();
  if (job.kind != FleetJobKind::Send) return;
  qsizetype end = 0;
  while ((end = job.out.indexOf('\n')) >= 0) {
    const QByteArray line = job.out.left(end);
    job.out.remove(0, end + 1);
    const QJsonObject o = QJsonDocument::fromJson(line).object();
    if (o.value(QLatin1String("done")).isDouble() && o.value(QLatin1String("total")).isDouble())
      Q_EMIT jobProgress(job.id, o.value(QLatin1String("done")).toInt(),
                         o.value(QLatin1String("total")).toInt());
  }
}

void FleetRunner::hung(Running& job) {
  if (job.hung) {
    job.process->kill();
    return;
  }
  job.hung = true;
  job.process->terminate();
  job.silence->start(kEndGraceMs);
}

void FleetRunner::finish(QProcess* process, JobOutcome outcome) {
  const auto it = running_.find(process);
  if (it == running_.end()) return;
  std::unique_ptr<Running> job = std::move(it->second);
  running_.erase(it);
  job->silence->stop();
  process->disconnect(this);
  outcome.elapsedMs = job->clock.elapsed();
  // The process object may be the sender of the signal being handled.
  job->process.release()->deleteLater();
  Q_EMIT jobFinished(job->id, outcome);
  startNext();
  if (running_.empty() && pending_.empty()) Q_EMIT idle();
}
