// The send and fetch dialogs against a scripted link: guards, messages, the order of calls,
// the connection state after a failure, the send record, refused paths, and a running transfer
// that cannot be closed.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <future>

#include "Getpram.h"
#include "LedError.h"
#include "Sendpram.h"
#include "WorkspaceFixture.h"

using ::testing::_;
using ::testing::InSequence;
using ::testing::Invoke;
using ::testing::Return;

namespace {

const QString Serial = QStringLiteral("0");
const QString Net = QStringLiteral("1");

class Transfer : public WorkspaceFixture {
 protected:
  void SetUp() override {
    open(home.path());
    fillLibrary(5);
  }

  // Programs 0 .. count-1 as a send checks them: a red pixel each.
  void fillLibrary(int count) {
    QImage red(1, 1, QImage::Format_RGB32);
    red.fill(qRgb(255, 0, 0));
    for (int k = 0; k < count; ++k) {
      ws->store().writePicture(k, red);
      ws->store().writeSettings(k, {1, 1, 1, 0, 4, 5});
    }
  }

  void open(const QString& path) {
    send.reset();
    fetch.reset();
    reopen(path);
    useMockLink();
    ws->heartbeat()->start();
    send = std::make_unique<TSendPramForm>(*ws, prompt);
    fetch = std::make_unique<TGetPramForm>(*ws, prompt);
  }

  // Handles events until `done` holds, for at most five seconds.
  template <typename Condition>
  static bool eventually(Condition done) {
    QElapsedTimer since;
    since.start();
    while (!done() && since.elapsed() < 5000) QTest::qWait(20);
    return done();
  }

  std::unique_ptr<TSendPramForm> send;
  std::unique_ptr<TGetPramForm> fetch;
};

TEST_F(Transfer, SendGuardsStopBeforeTheDialog) {
  const struct {
    int count;
    bool connected;
    const char* message;
  } rows[] = {{0, true, "发送节目数目不能为0"},
              {0, false, "发送节目数目不能为0"},
              {2, false, "未连接LED大屏"}};
  EXPECT_CALL(link, ModProgram(_, _)).Times(0);
  for (const auto& row : rows) {
    prompt.messages.clear();
    ws->ProgramCount = row.count;
    if (!row.connected) ws->markDisconnected();
    send->launch();
    EXPECT_EQ(prompt.messages, QStringList{QString::fromUtf8(row.message)}) << row.count;
    EXPECT_TRUE(ws->heartbeat()->isActive());
  }
}

TEST_F(Transfer, SendShowsTheResultAndMarksDisconnectedOverTcpIpOnly) {
  const struct {
    const QString& transport;
    int result;
    const char* message;
    bool connectedAfter;
  } rows[] = {{Serial, 0, "发送成功", true},
              {Net, 0, "发送成功", true},
              {Serial, 7, "发送失败,错误代码：7", true},
              {Net, 7, "发送失败,错误代码：7", false},  // the link lost part way
              {Net, 105, "发送失败,错误代码：105", false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.message + row.transport.toStdString());
    prompt.messages.clear();
    ws->markConnected();
    ws->commSettings.Transport = row.transport;
    ws->ProgramCount = 2;
    const Transport expected = row.transport == Serial ? Transport::Serial : Transport::Net;
    EXPECT_CALL(link, ModProgram(expected, _)).WillOnce(Return(row.result));
    // The dialog stays up under the message, the heartbeat paused.
    bool upWhileShown = false;
    prompt.onMessage = [&](const QString&) {
      upWhileShown = send->isVisible() && !ws->heartbeat()->isActive() && ws->isConnected();
    };
    send->launch();  // modal: returns once the dialog has closed itself
    EXPECT_EQ(prompt.messages, QStringList{QString::fromUtf8(row.message)});
    EXPECT_TRUE(upWhileShown);
    EXPECT_FALSE(send->isVisible());
    EXPECT_EQ(ws->isConnected(), row.connectedAfter);
    EXPECT_TRUE(ws->heartbeat()->isActive());
    EXPECT_EQ(send->ProgressBar1->value(), row.result == 0 ? 30 : 0);
    ::testing::Mock::VerifyAndClearExpectations(&link);
  }
}

TEST_F(Transfer, SendRecordHoldsThreePathsTheCountAndTheSettingsPath) {
  ws->ProgramCount = 3;
  std::vector<char> bytes(sizeof(ProgramSendRecord), '\x7f');
  EXPECT_CALL(link, ModProgram(Transport::Serial, _))
      .WillOnce(Invoke([&](Transport, ProgramSendRecord* record) {
        std::memcpy(bytes.data(), record, bytes.size());
        return 0;
      }));
  send->launch();
  ASSERT_EQ(bytes.size(), 65288u);
  // Worked out by hand from the layout: slots of 255 bytes, the count at 65028 (little-endian),
  // the settings path at 65032; zeros everywhere else.
  std::vector<char> expected(65288, '\0');
  const auto put = [&](size_t at, const QString& path) {
    const QByteArray p = QDir::toNativeSeparators(home.file(path)).toLocal8Bit();
    std::memcpy(expected.data() + at, p.constData(), size_t(p.size()));
  };
  put(0, QStringLiteral("Program/0.bmp"));
  put(255, QStringLiteral("Program/1.bmp"));
  put(510, QStringLiteral("Program/2.bmp"));
  expected[65028] = 3;
  put(65032, QStringLiteral("Program/set.ini"));
  EXPECT_TRUE(bytes == expected);
  EXPECT_EQ(prompt.messages, QStringList{QStringLiteral("发送成功")});
}

TEST_F(Transfer, SendRefusesAPathThatDoesNotFitOrIsNotGbkBeforeTheCall) {
  // "/Program/set.ini" and "/Program/100.bmp" both add 16 bytes to the home; a picture path may
  // hold 254 bytes, the settings path 255.
  const struct {
    int homeLength;  // 0: a short home named by `name`
    const char* name;
    int count;
    bool sent;
  } rows[] = {
      {238, "", 101, true},    {239, "", 100, true},  {239, "", 101, false},
      {240, "", 1, false},     {0, "节目", 1, false}, {0, "\xF0\x9F\x98\x80", 1, false},
      {0, "plain", 255, true},
  };
  for (const auto& row : rows) {
    QString path = home.file(QString::fromUtf8(row.name));
    if (row.homeLength > 0) {
      path = home.path() + QLatin1Char('/');
      path += QString(row.homeLength - path.size(), QLatin1Char('h'));
    }
    ASSERT_TRUE(QDir().mkpath(path + QStringLiteral("/Program")));
    SCOPED_TRACE(path.toStdString());
    open(path);
    if (row.sent) fillLibrary(row.count);
    ws->ProgramCount = row.count;
    prompt.messages.clear();
    EXPECT_CALL(link, ModProgram(_, _)).Times(row.sent ? 1 : 0);  // a nice mock answers 0
    send->launch();
    ASSERT_EQ(prompt.messages.size(), 1);
    if (row.sent) {
      EXPECT_EQ(prompt.messages.front(), QStringLiteral("发送成功"));
    } else {
      EXPECT_TRUE(prompt.messages.front().contains(path)) << prompt.messages.front().toStdString();
      EXPECT_TRUE(ws->isConnected());
    }
    ::testing::Mock::VerifyAndClearExpectations(&link);
  }
}

TEST_F(Transfer, WhileACallRunsNeitherDialogClosesAndTheBarShowsTheBytes) {
  ON_CALL(link, Progress(_, _, _)).WillByDefault(Invoke([](Transport, int* done, int* total) {
    *done = 400;
    *total = 1000;
    return true;
  }));
  std::promise<void> release;
  std::shared_future<void> gate = release.get_future().share();
  EXPECT_CALL(link, ModProgram(_, _)).WillOnce(Invoke([gate](Transport, ProgramSendRecord*) {
    gate.wait();
    return 0;
  }));
  ws->ProgramCount = 1;
  send->show();
  ASSERT_TRUE(send->running());
  send->close();
  QTest::keyClick(send.get(), Qt::Key_Escape);
  EXPECT_TRUE(send->isVisible());
  EXPECT_TRUE(eventually([&] { return send->ProgressBar1->maximum() == 1000; }));
  EXPECT_EQ(send->ProgressBar1->value(), 400);
  release.set_value();
  send->waitForTransfer();
  EXPECT_FALSE(send->isVisible());
  EXPECT_EQ(send->ProgressBar1->value(), 1000);

  std::promise<void> releaseFetch;
  std::shared_future<void> fetchGate = releaseFetch.get_future().share();
  EXPECT_CALL(link, ProgramNumber(_)).WillOnce(Invoke([fetchGate](Transport) {
    fetchGate.wait();
    return 0;
  }));
  fetch->show();
  fetch->Button1->click();
  ASSERT_TRUE(fetch->running());
  EXPECT_FALSE(fetch->Button1->isEnabled());
  EXPECT_FALSE(fetch->Button2->isEnabled());
  fetch->close();
  QTest::keyClick(fetch.get(), Qt::Key_Escape);
  EXPECT_TRUE(fetch->isVisible());
  releaseFetch.set_value();
  fetch->waitForTransfer();
  EXPECT_TRUE(fetch->isVisible());
  EXPECT_TRUE(fetch->Button1->isEnabled());
  fetch->Button2->click();
  EXPECT_FALSE(fetch->isVisible());
}

TEST_F(Transfer, FetchGuardsStopBeforeTheDialog) {
  const struct {
    bool connected;
    int controllerCount;
    const char* message;
  } rows[] = {{false, 3, "请先连接大屏"}, {true, 0, "节目数为0"}};
  EXPECT_CALL(link, ProgramNumber(_)).Times(0);
  for (const auto& row : rows) {
    prompt.messages.clear();
    ws->ControllerProgramCount = row.controllerCount;
    if (!row.connected) ws->markDisconnected();
    fetch->launch();
    EXPECT_EQ(prompt.messages, QStringList{QString::fromUtf8(row.message)});
    ws->markConnected();
  }
}

TEST_F(Transfer, FetchOutcomes) {
  const struct {
    const char* name;
    const QString& transport;
    int count;   // what ProgramNumber answers
    int result;  // what GetProgram answers, when it is called
    const char* message;
    bool connectedAfter;
  } rows[] = {
      {"CountFailsOverSerial", Serial, -2, 0, "获取节目数失败", true},
      {"CountFailsOverTcpIp", Net, -2, 0, "获取节目数失败", false},
      {"NoPrograms", Net, 0, 0, "节目数为0", true},
      {"MoreThanTheTablesHold", Net, 256, 0,
       "控制卡报告有256个节目，超过节目表能容纳的255个，未获取", true},
      {"FetchFailsOverSerial", Serial, 3, 5, "获取节目失败", true},
      {"FetchFailsOverTcpIp", Net, 3, 5, "获取节目失败", false},
      {"Fetched", Net, 3, 0, "获取节目成功", true},
  };
  ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("Rtf")));
  ASSERT_TRUE(home.write(QStringLiteral("Rtf/0.rtf"), "{\\rtf1 old}"));
  ASSERT_TRUE(home.write(QStringLiteral("Rtf/7.rtf"), "{\\rtf1 old}"));
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    prompt.messages.clear();
    ws->markConnected();
    ws->commSettings.Transport = row.transport;
    ws->ProgramCount = 5;
    QSignalSpy replaced(ws.get(), &Workspace::libraryWasReplaced);
    const Transport t = row.transport == Serial ? Transport::Serial : Transport::Net;
    ON_CALL(link, GetProgram(_, _)).WillByDefault(Return(row.result));
    {
      InSequence order;
      EXPECT_CALL(link, ProgramNumber(t)).WillOnce(Return(row.count));
      EXPECT_CALL(link, GetProgram(t, row.count)).Times(row.count >= 1 && row.count <= 255 ? 1 : 0);
    }
    fetch->show();
    fetch->Button1->click();
    fetch->waitForTransfer();
    EXPECT_EQ(prompt.messages, QStringList{QString::fromUtf8(row.message)});
    EXPECT_EQ(ws->isConnected(), row.connectedAfter);
    const bool fetched = row.result == 0 && row.count == 3;
    EXPECT_EQ(fetch->isVisible(), !fetched);  // after a failure another try is possible
    EXPECT_EQ(fetch->Button1->isEnabled(), true);
    EXPECT_EQ(ws->ProgramCount, fetched ? 3 : 5);
    EXPECT_EQ(replaced.size(), fetched ? 1 : 0);
    EXPECT_EQ(home.exists(QStringLiteral("Rtf/0.rtf")), !fetched);
    EXPECT_EQ(home.exists(QStringLiteral("Rtf/7.rtf")), !fetched);
    EXPECT_EQ(fetch->ProgressBar1->value(), fetched ? 30 : 0);
    ::testing::Mock::VerifyAndClearExpectations(&link);
  }
}

// A link call that throws (a library without the function, say) is one message with its text; the
// send dialog closes, the fetch dialog stays for another try, the heartbeat is paused meanwhile
// and resumes after, and the library is not touched.
TEST_F(Transfer, ALinkCallThatThrowsIsReportedAndChangesNothing) {
  const QString text = QStringLiteral("链接库缺少函数 NQ_NET_LED_GetProgram");
  const auto missing = [text](auto&&...) -> int { throw LedError(text); };
  ws->commSettings.Transport = Net;
  ws->ProgramCount = 2;
  ws->ControllerProgramCount = 3;
  EXPECT_CALL(link, ModProgram(_, _)).WillOnce(missing);
  ON_CALL(link, ProgramNumber(_)).WillByDefault(Return(3));
  EXPECT_CALL(link, GetProgram(_, 3)).WillOnce(missing);
  bool pausedWhileShown = false;
  prompt.onMessage = [&](const QString&) { pausedWhileShown = !ws->heartbeat()->isActive(); };

  send->launch();
  EXPECT_EQ(prompt.messages, QStringList{text});
  EXPECT_TRUE(pausedWhileShown);

  prompt.messages.clear();
  pausedWhileShown = false;
  bool stayedOpen = false;
  prompt.onMessage = [&](const QString&) {
    pausedWhileShown = !ws->heartbeat()->isActive();
    QTimer::singleShot(0, fetch.get(), [&] {
      stayedOpen = fetch->isVisible() && fetch->Button1->isEnabled();
      fetch->Button2->click();
    });
  };
  QTimer::singleShot(0, fetch.get(), [&] { fetch->Button1->click(); });
  fetch->launch();  // modal until 取消
  EXPECT_EQ(prompt.messages, QStringList{text});
  EXPECT_TRUE(pausedWhileShown);
  EXPECT_TRUE(stayedOpen);
  EXPECT_TRUE(ws->heartbeat()->isActive());
  EXPECT_TRUE(ws->isConnected());
  EXPECT_EQ(ws->ProgramCount, 2);
}

}  // namespace
