#pragma once
// ledsignctl run as a process, as an operator or a script runs it. For suites that define
// LEDSIGN_BIN_DIR, the folder the tool is built in.

#include <QProcess>
#include <QString>
#include <QStringList>

// Exit code (-1 when the tool crashed), standard output and standard error.
struct CtlOutcome {
  int code = -1;
  QString out;
  QString err;
};

// ledsignctl ARGS in `env` with nothing on its standard input.
inline CtlOutcome runCtl(const QStringList& args, const QProcessEnvironment& env =
                                                      QProcessEnvironment::systemEnvironment()) {
  QProcess p;
  p.setProcessEnvironment(env);
  p.start(QStringLiteral(LEDSIGN_BIN_DIR "/ledsignctl"), args);
  p.closeWriteChannel();
  p.waitForFinished(60000);
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
          QString::fromUtf8(p.readAllStandardOutput()),
          QString::fromUtf8(p.readAllStandardError())};
}
