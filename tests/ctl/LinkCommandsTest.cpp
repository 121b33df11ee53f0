// ledsignctl's controller commands, run as the real binary against the virtual card on loopback
// TCP and a pseudo-terminal.
#include <gtest/gtest.h>
#include <signal.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QThread>
#include <functional>
#include <map>

#include "Card.h"
#include "CtlRun.h"
#include "HomeLock.h"
#include "ProgramStore.h"
#include "Protocol.h"
#include "TestHome.h"
#include "VirtualCard.h"

namespace {

using Outcome = CtlOutcome;

class LinkCommands : public ::testing::Test {
 public:
  void SetUp() override {
    signsim::CardOptions options = loopbackCard(96, 48, 2, true);
    options.discoveryPort = 0;
    card = startCard(options);
    ASSERT_TRUE(card);
  }
  void TearDown() override {
    if (card) card->stop();
  }

  // "NET" and "PTY" stand for the card's TCP port and pseudo-terminal, "CLOSED" for a closed port.
  QProcess* start(const QString& home, const QString& line) {
    QStringList args{QStringLiteral("--home"), home};
    for (const QString& word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
      if (word == QLatin1String("NET"))
        args << QStringLiteral("--net") << QStringLiteral("127.0.0.1:%1").arg(card->tcpPort());
      else if (word == QLatin1String("PTY"))
        args << QStringLiteral("--serial") << QString::fromStdString(card->ptyPath())
             << QStringLiteral("--baud") << QStringLiteral("115200");
      else if (word == QLatin1String("CLOSED"))
        args << QStringLiteral("--net") << QStringLiteral("127.0.0.1:1");
      else
        args << word;
    }
    auto* p = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("NQ_LINK_TIMEOUT_MS"), QStringLiteral("1000"));
    env.insert(QStringLiteral("NQ_DISCOVERY_PORT"), QString::number(card->discoveryPort()));
    env.insert(QStringLiteral("NQ_DISCOVERY_WINDOW_MS"), QStringLiteral("300"));
    p->setProcessEnvironment(env);
    p->start(program, args);
    p->closeWriteChannel();
    return p;
  }
  Outcome run(const QString& home, const QString& line) {
    std::unique_ptr<QProcess> p(start(home, line));
    p->waitForFinished(60000);
    return {p->exitStatus() == QProcess::NormalExit ? p->exitCode() : -1,
            QString::fromUtf8(p->readAllStandardOutput()),
            QString::fromUtf8(p->readAllStandardError())};
  }

  signsim::CardConfig config() {
    std::lock_guard lock(card->store().mutex());
    return card->store().config();
  }

  std::unique_ptr<signsim::Card> card;
  QString program = QStringLiteral(LEDSIGN_BIN_DIR "/ledsignctl");
};

// One row: a command line, its exit code, and what it left on the card or printed. A failing
// row leaves the home as it was.
struct Row {
  const char* line;
  int code;
  std::function<void(LinkCommands&, const Outcome&)> effect = {};
  const char* fault = nullptr;  // "CMD=FAULT" set on the card for this row only
  bool locked = false;          // another process holds the home's lock
};

TEST_F(LinkCommands, CommandTable) {
  TestHome home;
  for (int n = 0; n < 3; ++n) addLitProgram(home.path(), n, {64, 32});
  auto out = [](const char* text) {
    return [text](LinkCommands&, const Outcome& r) { EXPECT_EQ(r.out.trimmed(), QString(text)); };
  };
  const Row rows[] = {
      {"NET set brightness 20", 0, [](auto& t, auto&) { EXPECT_EQ(t.config().brightness, 20); }},
      {"PTY set brightness 7", 0, [](auto& t, auto&) { EXPECT_EQ(t.config().brightness, 7); }},
      {"PTY get brightness", 0, out("7")},
      {"NET set brightness 33", 2, [](auto& t, auto&) { EXPECT_EQ(t.config().brightness, 7); }},
      {"NET set brightness 0x10", 2},
      {"NET set daynight 30 4", 0, [](auto& t, auto&) { EXPECT_EQ(t.config().night, 4); }},
      {"NET get daynight", 0, out("30 4")},
      {"NET get daynight --json", 0, out(R"({"day":30,"night":4})")},
      {"NET set onoff 06:30 22:15", 0, {}},
      {"PTY get onoff", 0, out("06:30 22:15")},
      {"NET set onoff 24:00 22:00", 2},
      {"NET set clock 2031-02-03T04:05:06", 0, {}},
      {"NET get clock", 0,
       [](auto&, const Outcome& r) {
         EXPECT_TRUE(r.out.startsWith("2031-02-03T04:0")) << r.out.toStdString();
       }},
      {"NET set clock 2031-02-30T04:05:06", 2},
      {"NET set size 128 32", 0, [](auto& t, auto&) { EXPECT_EQ(t.config().width, 128); }},
      {"NET set size 5000 32", 2},
      {"NET set scan 6 --inverted --oe-high", 0, {}},
      {"NET get scan", 0, out("6 --inverted --oe-high")},
      {"NET set scan 16", 2},
      {"NET set serial 115200 even 2", 0, {}},
      {"PTY get serial", 0, out("115200 even 2")},
      {"NET set serial 9600 even 2 --rs485", 0, {}},
      {"PTY set serial 9600 even 2 --rs485", 2},
      {"NET set serial 1234 none 1", 2},
      {"NET set net 10.1.2.3 255.255.0.0 10.1.0.1 5005", 0, {}},
      {"NET get net", 0, out("10.1.2.3 255.255.0.0 10.1.0.1 5005")},
      {"NET set net 300.1.2.3 255.255.0.0 10.1.0.1 5005", 2},
      {"--serial /dev/null get brightness", 2},  // a serial line needs its speed
      {"NET get volume", 2},
      {"NET set version 2", 2},
      {"NET frobnicate", 2},
      {"NET io 2 3", 2},  // the card holds no program yet
      {"NET io 7", 2},
      {"CLOSED status", 1,
       [](auto&, const Outcome& r) {
         EXPECT_TRUE(r.err.contains("连接失败,错误代码：")) << r.err.toStdString();
       }},
      {"NET status", 1, {}, "wrongcode"},
      {"PTY status", 1, {}, "badsum"},
      {"NET send", 1, {}, "UploadChunk=refuse:5"},
      {"NET send", 3, {}, nullptr, true},
      {"NET upgrade /nonexistent.bin", 2},
      {"NET format", 2},  // stdin is no terminal and there is no --yes
      {"discover", 0,
       [](auto&, const Outcome& r) {
         EXPECT_TRUE(r.out.contains("127.0.0.1")) << r.out.toStdString();
       }},
      {"discover 127.0.0.1", 0,
       [](auto&, const Outcome& r) {
         EXPECT_TRUE(r.out.contains("10.1.2.3")) << r.out.toStdString();
       }},
      {"discover 192.0.2.77", 2},  // no such adapter: nothing is sent anywhere
      {"NET send", 0, [](auto& t, auto&) { EXPECT_EQ(t.card->store().programCount(), 3); }},
      {"PTY io 2 3 1", 0,
       [](auto& t, auto&) { EXPECT_EQ(t.card->store().ioTable().lines[1].count, 2); }},
      {"NET io 2", 0, out("3 1")},
      {"NET io 2 4", 2},
      {"NET format --yes", 0, [](auto& t, auto&) { EXPECT_EQ(t.card->store().programCount(), 0); }},
      {"NET reboot", 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    if (row.fault) {
      const QString f = QString::fromLatin1(row.fault);
      const qsizetype eq = f.indexOf(QLatin1Char('='));
      const int command = eq < 0 ? -1 : int(*nq::commandByName(f.left(eq).toStdString()));
      card->faults().set(command, *signsim::parseFault(f.mid(eq + 1).toStdString()));
    }
    std::unique_ptr<HomeLock> lock;
    if (row.locked) {
      lock = std::make_unique<HomeLock>(home.path());
      ASSERT_TRUE(lock->tryLock());
    }
    const auto before = filesUnder(home.path());
    const Outcome r = run(home.path(), QString::fromLatin1(row.line));
    card->faults().clear();
    EXPECT_EQ(r.code, row.code) << r.err.toStdString();
    if (row.code != 0) {
      EXPECT_EQ(filesUnder(home.path()), before);
      EXPECT_EQ(r.err.count(QStringLiteral("ledsignctl: ")), 1) << r.err.toStdString();
    }
    if (row.effect) row.effect(*this, r);
  }
}

// An installed tree: ledsignctl in bin/, the link libraries only in the private folder.
TEST_F(LinkCommands, InstalledTreeFindsTheLinkLibrariesInTheirFolder) {
  TestHome tree;
  const QString libs = tree.file(QStringLiteral(LEDSIGN_INSTALL_LINKDIR));
  ASSERT_TRUE(QDir().mkpath(libs) && QDir().mkpath(tree.file(QStringLiteral("bin"))));
  program = tree.file(QStringLiteral("bin/ledsignctl"));
  ASSERT_TRUE(QFile::copy(QStringLiteral(LEDSIGN_BIN_DIR "/ledsignctl"), program));
  for (const char* lib : {"libNQ_COM_LED.so", "libNQ_NET_LED.so"})
    ASSERT_TRUE(QFile::copy(QStringLiteral(LEDSIGN_BIN_DIR "/") + lib, libs + '/' + lib));
  const TestHome home;
  const Outcome r = run(home.path(), QStringLiteral("NET status"));
  EXPECT_EQ(r.code, 0) << r.err.toStdString();
}

// status --json and send --json-progress give their documented shapes, and what a send put on
// the card comes back by a fetch into another home pixel for pixel.
TEST_F(LinkCommands, JsonShapesAndRoundTrip) {
  TestHome first;
  TestHome second;
  for (int n = 0; n < 12; ++n) addLitProgram(first.path(), n, {96, 48});

  const Outcome status = run(first.path(), "NET status --json");
  ASSERT_EQ(status.code, 0) << status.err.toStdString();
  const QJsonObject o = QJsonDocument::fromJson(status.out.toUtf8()).object();
  EXPECT_EQ(o.keys(), (QStringList{"brightness", "clock", "clock_offset_s", "height", "model",
                                   "off", "on", "programs", "version", "width"}));
  EXPECT_EQ(o["width"].toInt(), 96);
  EXPECT_EQ(o["height"].toInt(), 48);
  EXPECT_LE(std::abs(o["clock_offset_s"].toInt(99)), 2);
  EXPECT_EQ(o["on"].toString(), "07:00");

  const Outcome sent = run(first.path(), "NET send --json-progress");
  ASSERT_EQ(sent.code, 0) << sent.err.toStdString();
  const QStringList lines = sent.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_FALSE(lines.isEmpty());
  for (const QString& line : lines) {
    const QJsonObject p = QJsonDocument::fromJson(line.toUtf8()).object();
    EXPECT_EQ(p.keys(), (QStringList{"done", "total"})) << line.toStdString();
  }
  const QJsonObject last = QJsonDocument::fromJson(lines.last().toUtf8()).object();
  EXPECT_EQ(last["done"].toInt(), last["total"].toInt());
  EXPECT_GT(last["total"].toInt(), 0);

  const Outcome fetched = run(second.path(), "PTY fetch");
  ASSERT_EQ(fetched.code, 0) << fetched.err.toStdString();
  EXPECT_EQ(fetched.out.trimmed(), "12");
  ProgramStore a(first.path());
  ProgramStore b(second.path());
  for (int n = 0; n < 12; ++n) {
    EXPECT_EQ(b.readPicture(n).convertToFormat(QImage::Format_RGB32),
              a.readPicture(n).convertToFormat(QImage::Format_RGB32))
        << n;
    EXPECT_EQ(b.readPlaySettings(n), a.readPlaySettings(n)) << n;
  }
}

// Waits for the first progress line: the transfer is under way.
bool firstProgress(QProcess& p) {
  while (!p.canReadLine())
    if (!p.waitForReadyRead(20000)) return false;
  return true;
}

// The first Ctrl-C of a transfer only says that it finishes first; the second ends the process.
TEST_F(LinkCommands, InterruptsDuringTransfer) {
  TestHome home;
  for (int n = 0; n < 4; ++n) addLitProgram(home.path(), n, {96, 48});
  // The card takes its time to commit: the progress shows before the transfer ends.
  card->faults().set(int(nq::Cmd::UploadEnd), *signsim::parseFault("delay:800"));
  {
    std::unique_ptr<QProcess> p(start(home.path(), "NET send --json-progress"));
    ASSERT_TRUE(firstProgress(*p));
    ::kill(pid_t(p->processId()), SIGINT);
    ASSERT_TRUE(p->waitForFinished(60000));
    const QString err = QString::fromUtf8(p->readAllStandardError());
    EXPECT_EQ(p->exitCode(), 0) << err.toStdString();
    EXPECT_TRUE(err.contains("先完成") && err.contains("发送成功")) << err.toStdString();
  }
  std::unique_ptr<QProcess> p(start(home.path(), "NET send --json-progress"));
  ASSERT_TRUE(firstProgress(*p));
  ::kill(pid_t(p->processId()), SIGINT);
  QThread::msleep(20);
  ::kill(pid_t(p->processId()), SIGINT);
  ASSERT_TRUE(p->waitForFinished(20000));
  const QString err = QString::fromUtf8(p->readAllStandardError());
  EXPECT_EQ(p->exitCode(), 130) << err.toStdString();
  EXPECT_FALSE(err.contains("发送成功")) << err.toStdString();
}

}  // namespace
