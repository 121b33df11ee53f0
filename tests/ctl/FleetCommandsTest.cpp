// ledsignctl sign and fleet as the real binary: the sign list's command lines and damaged files,
// a fleet of virtual cards each with its own fault, and the runner's handling of children that
// fail, crash or hang.
#include <gtest/gtest.h>
#include <signal.h>

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <map>

#include "Card.h"
#include "CardStore.h"
#include "CtlRun.h"
#include "FleetRunner.h"
#include "HomeLock.h"
#include "ProgramStore.h"
#include "TestHome.h"
#include "VirtualCard.h"

namespace {

const QString kCtl = QStringLiteral(LEDSIGN_BIN_DIR "/ledsignctl");

using Outcome = CtlOutcome;

QProcessEnvironment childEnvironment() {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("NQ_LINK_TIMEOUT_MS"), QStringLiteral("1000"));
  return env;
}

Outcome run(const QString& home, const QStringList& args) {
  return runCtl(QStringList{QStringLiteral("--home"), home} + args, childEnvironment());
}

Outcome run(const QString& home, const QString& line) {
  return run(home, line.split(QLatin1Char(' '), Qt::SkipEmptyParts));
}

// n programs of the given size, each with its own red, green and yellow pixels.
void fillLibrary(const QString& home, int n, QSize size) {
  for (int k = 0; k < n; ++k) addLitProgram(home, k, size);
}

// A signsim process on a free loopback port.
struct SimProcess {
  QProcess process;
  int port = 0;
  bool start(const QStringList& args) {
    process.start(
        QStringLiteral(LEDSIGN_BIN_DIR "/signsim"),
        QStringList{QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--no-pty")} +
            args);
    if (!process.waitForStarted(5000)) return false;
    QByteArray out;
    while (!out.contains('\n') && process.waitForReadyRead(5000)) out += process.readAll();
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("tcp=(\\d+)")).match(QString::fromUtf8(out));
    port = m.hasMatch() ? m.captured(1).toInt() : 0;
    return port > 0;
  }
  ~SimProcess() {
    process.kill();
    process.waitForFinished(5000);
  }
};

QString net(int port) { return QStringLiteral("--net 127.0.0.1:%1").arg(port); }

TEST(FleetCommands, SignListCommandTable) {
  TestHome home;
  auto card = startCard(loopbackCard(96, 48, 2, true));
  ASSERT_TRUE(card);
  const QString pty = QString::fromStdString(card->ptyPath());
  struct Row {
    QString line;
    int code;
    const char* printed = nullptr;  // in stdout, or in stderr for a failure
  };
  const Row rows[] = {
      {QStringLiteral("sign add 门厅 ") + net(card->tcpPort()), 0},
      {QStringLiteral("sign add 门厅 --net 127.0.0.1:9"), 2, "已被另一个大屏使用"},
      {QStringLiteral("sign add 串口 --serial %1 --size 96x48").arg(pty), 0},
      {QStringLiteral("sign add b --net :80"), 2, "IP地址不能为空"},
      {QStringLiteral("sign add b --net h:70000"), 2, "--net PORT"},
      {QStringLiteral("sign add b --serial /dev/x --baud 1234"), 2, "波特率1234"},
      {QStringLiteral("sign add b --net h --serial /dev/x"), 2, "之一"},
      {QStringLiteral("sign add b --net h --size 0x5"), 2, "--size"},
      {QStringLiteral("sign list"), 0, "串口\t"},
      {QStringLiteral("--sign 串口 status --json"), 0, "\"width\":96"},
      {QStringLiteral("--sign 门厅 get brightness"), 0},
      {QStringLiteral("--sign 无此屏 status"), 2, "没有“无此屏”"},
      {QStringLiteral("--sign 门厅 --net 127.0.0.1:1 status"), 2, "只能选一个"},
      {QStringLiteral("--sign 门厅 fleet status"), 2, "不能与"},
      {QStringLiteral("sign remove 门厅"), 0},
      {QStringLiteral("sign remove 门厅"), 2, "没有“门厅”"},
      {QStringLiteral("sign list --json"), 0, "[{\"baud\":115200,\"device\":\"/dev/pts/"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line.toStdString());
    const auto before = filesUnder(home.path());
    const Outcome r = run(home.path(), row.line);
    EXPECT_EQ(r.code, row.code) << r.err.toStdString();
    if (row.printed) {
      EXPECT_TRUE((row.code == 0 ? r.out : r.err).contains(QString::fromUtf8(row.printed)))
          << r.out.toStdString() << r.err.toStdString();
    }
    if (row.code != 0) {
      EXPECT_EQ(filesUnder(home.path()), before);
    }
  }
}

// A list file that is missing, empty, garbage or partly unusable is read as far as it can be,
// said so, and left as it is until the list is changed.
TEST(FleetCommands, DamagedSignListIsReadNeverRewritten) {
  struct Row {
    const char* name;
    QByteArray bytes;  // empty name: no file at all
    const char* message;
    int listed;
  };
  const QByteArray good = QByteArray(
      "[\xB4\xF3\xC6\xC1"
      "0]\r\n\xC3\xFB\xB3\xC6=a\r\n"
      "\xCD\xA8\xD1\xB6\xB7\xBD\xCA\xBD=1\r\nLEDIP=h\r\nLEDPORT=9\r\n");
  const Row rows[] = {
      {"missing", {}, "还没有大屏列表", 0},
      {"empty", QByteArray(""), "是空的", 0},
      {"garbage", QByteArray("\x00\xff[[\r\n=\x81", 6), "没有可用的大屏", 0},
      {"a bad section after a good one",
       good + "[\xB4\xF3\xC6\xC1"
              "1]\r\n\xCD\xA8\xD1\xB6\xB7\xBD\xCA\xBD=7\r\n",
       "1个大屏无法使用", 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TestHome home;
    if (QByteArray(row.name) != "missing") {
      ASSERT_TRUE(home.write("signs.ini", row.bytes));
    }
    const Outcome listed = run(home.path(), "sign list");
    EXPECT_EQ(listed.code, 0);
    EXPECT_EQ(listed.out.count(QLatin1Char('\n')), row.listed);
    EXPECT_TRUE(listed.err.contains(QString::fromUtf8(row.message))) << listed.err.toStdString();
    EXPECT_EQ(run(home.path(), "fleet status").code, row.listed ? 1 : 2);
    EXPECT_EQ(home.exists("signs.ini"), QByteArray(row.name) != "missing");
    if (home.exists("signs.ini")) {
      EXPECT_EQ(home.read("signs.ini"), row.bytes);
    }
  }
}

// Five signs, each its own case: healthy, over a pseudo-terminal, a closed port, a card answering
// with bad checksums, and a card killed during its send. Each gets its own line and reason; the
// killed card keeps a whole library, old or new; the home is not touched.
TEST(FleetCommands, FleetSendIsolatesEachSign) {
  auto healthy = startCard(loopbackCard(96, 48, 2, false));
  auto serial = startCard(loopbackCard(96, 48, 2, true));
  ASSERT_TRUE(healthy && serial);
  SimProcess garbage;
  ASSERT_TRUE(
      garbage.start({QStringLiteral("--fault"), QStringLiteral("badsum"), QStringLiteral("--width"),
                     QStringLiteral("96"), QStringLiteral("--height"), QStringLiteral("48")}));
  QTemporaryDir state;
  auto killed = std::make_unique<SimProcess>();
  const QStringList killedArgs{QStringLiteral("--state"),  state.path(),
                               QStringLiteral("--width"),  QStringLiteral("96"),
                               QStringLiteral("--height"), QStringLiteral("48"),
                               QStringLiteral("--model"),  QStringLiteral("2")};
  ASSERT_TRUE(killed->start(killedArgs));

  TestHome old;  // what the killed card holds before
  fillLibrary(old.path(), 2, {96, 48});
  ASSERT_EQ(run(old.path(), net(killed->port) + QStringLiteral(" send")).code, 0);
  const std::vector<uint8_t> oldStream =
      signsim::CardStore(state.path().toStdString()).programStream();
  killed.reset();
  killed = std::make_unique<SimProcess>();
  ASSERT_TRUE(killed->start(killedArgs + QStringList{QStringLiteral("--fault"),
                                                     QStringLiteral("UploadChunk=delay:6000")}));

  TestHome home;
  fillLibrary(home.path(), 6, {96, 48});
  for (const QString& line : {QStringLiteral("sign add healthy ") + net(healthy->tcpPort()),
                              QStringLiteral("sign add serial --serial %1")
                                  .arg(QString::fromStdString(serial->ptyPath())),
                              QStringLiteral("sign add closed --net 127.0.0.1:1"),
                              QStringLiteral("sign add garbage ") + net(garbage.port),
                              QStringLiteral("sign add killed ") + net(killed->port)})
    ASSERT_EQ(run(home.path(), line).code, 0);
  const auto before = filesUnder(home.path());

  QProcess fleet;
  fleet.setProcessEnvironment(childEnvironment());
  fleet.start(kCtl, {QStringLiteral("--home"), home.path(), QStringLiteral("--timeout"),
                     QStringLiteral("10000"), QStringLiteral("fleet"), QStringLiteral("send")});
  QTest::qWait(1500);  // the killed card holds its first upload chunk's reply for 6 s
  ::kill(pid_t(killed->process.processId()), SIGKILL);
  fleet.waitForFinished(60000);
  ASSERT_EQ(fleet.state(), QProcess::NotRunning);
  const QString out = QString::fromUtf8(fleet.readAllStandardOutput());
  EXPECT_EQ(fleet.exitCode(), 1) << out.toStdString();
  const std::map<QString, QString> expected{{"healthy", "成功"},
                                            {"serial", "成功"},
                                            {"closed", "失败  .* s  连接失败"},
                                            {"garbage", "失败  .* s  \\S"},
                                            {"killed", "失败  .* s  \\S"}};
  for (const auto& [name, line] : expected)
    EXPECT_TRUE(out.contains(QRegularExpression(QStringLiteral("(^|\n)%1  %2").arg(name, line))))
        << name.toStdString() << "\n"
        << out.toStdString();
  EXPECT_TRUE(out.contains(QStringLiteral("共5个大屏：2个成功，3个失败")));
  EXPECT_EQ(filesUnder(home.path()), before);
  EXPECT_EQ(healthy->store().programCount(), 6);
  const signsim::CardStore after(state.path().toStdString());
  const bool whole = after.programStream() == oldStream ||
                     after.programStream() == healthy->store().programStream();
  EXPECT_TRUE(whole) << after.programCount();
}

// An English fleet still understands its English children: the status JSON and the exit codes it
// reads from them, and the result names of its own JSON, do not change with the language.
TEST(FleetCommands, EnglishFleetReadsItsChildren) {
  auto card = startCard(loopbackCard(96, 48, 2, false));
  ASSERT_TRUE(card);
  TestHome home;
  fillLibrary(home.path(), 2, {96, 48});
  ASSERT_EQ(run(home.path(), QStringLiteral("sign add a ") + net(card->tcpPort())).code, 0);
  // A status the runner could not read would fail the sign.
  for (const char* command : {"status", "send"}) {
    SCOPED_TRACE(command);
    const Outcome r = run(home.path(), QStringLiteral("--lang en --json fleet %1").arg(command));
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("\"result\":\"succeeded\""))) << r.out.toStdString();
  }
}

// The runner's own words for a child that could not do its job, one row per way of failing.
TEST(FleetRunner, ChildFailures) {
  QTemporaryDir dir;
  struct Row {
    const char* script;  // the child; empty: a program that does not exist
    FleetJobKind kind;
    JobResult result;
    const char* reason;
  };
  const Row rows[] = {
      {"echo 'ledsignctl: 发送失败,错误代码：4' >&2; exit 1", FleetJobKind::Send, JobResult::Failed,
       "发送失败,错误代码：4"},
      {"echo 'ledsignctl: 节目1的大小' >&2; exit 2", FleetJobKind::Send, JobResult::Refused,
       "节目1的大小"},
      {"kill -SEGV $$", FleetJobKind::Send, JobResult::Crashed, "异常退出"},
      {"echo '{\"width\":1}'", FleetJobKind::Status, JobResult::Failed, "无法识别"},
      {"echo '{\"done\":1,\"total\":2}'; exec sleep 30", FleetJobKind::Send, JobResult::TimedOut,
       "没有应答"},
      {"", FleetJobKind::Status, JobResult::NotStarted, "无法启动"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.script);
    FleetRunner::Options options;
    options.program = dir.filePath(QStringLiteral("missing"));
    if (*row.script) {
      options.program = dir.filePath(QStringLiteral("child.sh"));
      QFile f(options.program);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(QByteArray("#!/bin/sh\n") + row.script + "\n");
      f.close();
      f.setPermissions(f.permissions() | QFile::ExeOwner);
    }
    options.hangLimitMs = 2000;  // ample for a shell script to start on a busy machine
    FleetRunner runner(options);
    QSignalSpy finished(&runner, &FleetRunner::jobFinished);
    runner.enqueue(7, SignEntry{}, row.kind);
    ASSERT_TRUE(finished.wait(10000));
    const auto outcome = finished.front().at(1).value<JobOutcome>();
    EXPECT_EQ(finished.front().at(0).toInt(), 7);
    EXPECT_EQ(outcome.result, row.result);
    EXPECT_TRUE(outcome.reason.contains(QString::fromUtf8(row.reason)))
        << outcome.reason.toStdString();
  }
}

// A cancel drops the jobs waiting; the running one is never ended and reports its own result.
TEST(FleetRunner, CancelLetsTheRunningJobFinish) {
  FleetRunner::Options options;
  options.program = QStringLiteral("/bin/sleep");
  options.jobs = 1;
  FleetRunner runner(options);
  QSignalSpy finished(&runner, &FleetRunner::jobFinished);
  QSignalSpy dropped(&runner, &FleetRunner::jobDropped);
  QSignalSpy idle(&runner, &FleetRunner::idle);
  for (int k = 0; k < 3; ++k) runner.enqueue(k, SignEntry{}, FleetJobKind::Status);
  runner.cancelPending();
  EXPECT_EQ(dropped.size(), 2);
  ASSERT_TRUE(idle.wait(10000));
  ASSERT_EQ(finished.size(), 1);
  EXPECT_EQ(finished.front().at(0).toInt(), 0);
}

}  // namespace
