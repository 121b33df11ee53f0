#include <QLabel>
#include <QStatusBar>
#include <QTimer>

#include "LinkLibraries.h"
#include "MainWindowFixture.h"

using ::testing::_;
using ::testing::DoAll;
using ::testing::InSequence;
using ::testing::Invoke;
using ::testing::Return;
using ::testing::SetArgPointee;

namespace {

class Connection : public MainWindow {
 protected:
  void SetUp() override {
    MainWindow::SetUp();
    attach();
  }
  void attach() {
    useMockLink(false);
    form->sleep = [this](int ms) {
      sleeps << ms;
      events << QStringLiteral("sleep %1").arg(ms);
    };
    ON_CALL(link, GetWidthHeight)
        .WillByDefault(DoAll(SetArgPointee<1>(32), SetArgPointee<2>(32), Return(0)));
    ON_CALL(link, OpenSerial).WillByDefault(Invoke([this](const QString&, int) {
      events << QStringLiteral("open");
      return 0;
    }));
  }
  void useTransport(const char* value) {
    ASSERT_TRUE(home.write("set.ini", QByteArray("[\xC5\xE4\xD6\xC3\xB2\xCE\xCA\xFD]\r\n"
                                                 "\xCD\xA8\xD1\xB6\xB7\xBD\xCA\xBD=") +
                                          value +
                                          "\r\nLEDIP=127.0.0.1\r\nLEDPORT=1\r\n"
                                          "\xB4\xAE\xBF\xDA=/dev/ttyX\r\n"
                                          "\xB2\xA8\xCC\xD8\xC2\xCA=9600\r\n"));
    start();
    attach();
  }
  void expectSize(int w, int h, int result) {
    EXPECT_CALL(link, GetWidthHeight(_, _, _))
        .WillOnce(DoAll(SetArgPointee<1>(w), SetArgPointee<2>(h), Return(result)));
  }

  QList<int> sleeps;
  QStringList events;
};

TEST_F(Connection, SerialConnectReadsSizeCountAndModel) {
  useTransport("0");
  {
    InSequence order;
    EXPECT_CALL(link, Set_GPRS(0, 500));
    EXPECT_CALL(link, CloseSerial());
    EXPECT_CALL(link, OpenSerial(QStringLiteral("/dev/ttyX"), 9600));
    expectSize(64, 16, 0);
    EXPECT_CALL(link, ProgramNumber(Transport::Serial)).WillOnce(Return(7));
    EXPECT_CALL(link, Type(Transport::Serial)).WillOnce(Return(2));
  }
  form->SpeedButton5->click();
  EXPECT_EQ(sleeps, (QList<int>{1, 500}));
  EXPECT_TRUE(prompt.messages.isEmpty());
  EXPECT_TRUE(form->isConnected());
  EXPECT_FALSE(form->SpeedButton5->isVisible());
  EXPECT_EQ(ws->ScreenWidth, 64);
  EXPECT_EQ(ws->ScreenHeight, 16);
  EXPECT_EQ(form->shownPicture().size(), QSize(64, 16));
  EXPECT_EQ(ws->ControllerProgramCount, 7);
  EXPECT_EQ(ws->ControllerModel, 2);

  EXPECT_CALL(link, CloseSerial());
  EXPECT_CALL(link, Disnect()).Times(0);
  form->SpeedButton4->click();
  EXPECT_FALSE(form->isConnected());
}

TEST_F(Connection, StatusBarShowsTheLinkTheWaitAndThePickedProgram) {
  useTransport("1");
  const auto panel = [this](int i) {
    return form->StatusBar1->findChildren<QLabel*>().at(i)->text();
  };
  EXPECT_EQ(panel(0), QStringLiteral("未连接"));
  QString during;
  bool busy = false;
  EXPECT_CALL(link, Connect).WillOnce(Invoke([&](const QString&, int) {
    during = panel(0);
    busy = QApplication::overrideCursor() != nullptr;
    return 0;
  }));
  expectSize(64, 32, 0);
  EXPECT_CALL(link, Type).WillOnce(Return(2));
  form->SpeedButton5->click();
  EXPECT_EQ(during, QStringLiteral("正在连接…"));
  EXPECT_TRUE(busy);
  EXPECT_EQ(panel(0), QStringLiteral("已连接 TCP/IP 127.0.0.1:1 64×32 型号2"));

  form->SpeedButton1->click();
  pick(QStringLiteral("节目1"));
  EXPECT_EQ(panel(1), QStringLiteral("节目1 64×32"));
  form->SpeedButton4->click();
  EXPECT_EQ(panel(0), QStringLiteral("未连接"));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Connection, FailuresBeforeTheSizeLeaveEverythingAsItWas) {
  struct Row {
    const char* transport;
    int openResult;
    int sizeResult;
    QString message;
  };
  const Row rows[] = {
      {"0", 4, 0, QStringLiteral("打开串口失败")},
      {"0", 0, 2, QStringLiteral("获取宽高失败 错误码:2")},
      {"1", 6, 0, QStringLiteral("连接失败 错误代码:6")},
      {"1", 0, 5, QStringLiteral("获取宽高失败")},
  };
  for (const Row& row : rows) {
    useTransport(row.transport);
    prompt.messages.clear();
    events.clear();
    const bool serial = QByteArray(row.transport) == "0";
    if (serial) {
      ON_CALL(link, GetWidthHeight)
          .WillByDefault(DoAll(SetArgPointee<1>(32), SetArgPointee<2>(32), Return(0)));
      ON_CALL(link, OpenSerial).WillByDefault(Invoke([this, &row](const QString&, int) {
        events << QStringLiteral("open");
        return row.openResult;
      }));
    } else {
      EXPECT_CALL(link, Connect(QStringLiteral("127.0.0.1"), 1)).WillOnce(Return(row.openResult));
    }
    if (row.openResult == 0) {
      expectSize(99, 99, row.sizeResult);
    } else {
      EXPECT_CALL(link, GetWidthHeight).Times(0);
    }
    EXPECT_CALL(link, ProgramNumber).Times(0);
    form->SpeedButton5->click();
    EXPECT_EQ(prompt.messages, QStringList{row.message});
    EXPECT_FALSE(form->isConnected());
    EXPECT_EQ(ws->ScreenWidth, 32);
    EXPECT_EQ(form->shownPicture().size(), QSize(32, 32));
    if (serial) {
      // The failure shows only after the 500 ms wait.
      EXPECT_EQ(events.mid(0, 3), (QStringList{"sleep 1", "open", "sleep 500"}));
    }
    ::testing::Mock::VerifyAndClearExpectations(&link);
  }
}

TEST_F(Connection, CountAndModelFailuresKeepTheLinkAndTheNewSize) {
  for (const bool countFails : {true, false}) {
    useTransport("1");
    prompt.messages.clear();
    EXPECT_CALL(link, Connect).WillOnce(Return(0));
    expectSize(128, 32, 0);
    EXPECT_CALL(link, ProgramNumber(Transport::Net)).WillOnce(Return(countFails ? -2 : 3));
    if (countFails) {
      EXPECT_CALL(link, Type).Times(0);
    } else {
      EXPECT_CALL(link, Type(Transport::Net)).WillOnce(Return(-5));
    }
    form->SpeedButton5->click();
    EXPECT_EQ(prompt.messages, QStringList{countFails ? QStringLiteral("获取节目数失败")
                                                      : QStringLiteral("获取LED控制卡型号失败")});
    EXPECT_TRUE(form->isConnected());
    EXPECT_EQ(form->shownPicture().size(), QSize(128, 32));
    EXPECT_EQ(ws->ControllerProgramCount, countFails ? -2 : 3);
    if (!countFails) {
      EXPECT_EQ(ws->ControllerModel, -5);
    }
    ::testing::Mock::VerifyAndClearExpectations(&link);
  }
}

TEST_F(Connection, HeartbeatWatchesOnlyATcpLink) {
  useTransport("1");
  EXPECT_CALL(link, SendHeart).Times(0);
  form->Timer1Timer();  // disconnected: nothing
  ::testing::Mock::VerifyAndClearExpectations(&link);

  ON_CALL(link, Connect).WillByDefault(Return(0));
  expectSize(32, 32, 0);
  form->SpeedButton5->click();
  ASSERT_TRUE(form->isConnected());
  EXPECT_CALL(link, SendHeart).WillOnce(Return(0)).WillOnce(Return(2));
  form->Timer1Timer();
  EXPECT_TRUE(form->isConnected());
  form->Timer1Timer();
  form->Timer1Timer();  // already marked disconnected: silent
  EXPECT_EQ(prompt.messages, QStringList{QStringLiteral("获取心跳包失败")});
  EXPECT_FALSE(form->isConnected());
  ::testing::Mock::VerifyAndClearExpectations(&link);

  useTransport("0");
  expectSize(32, 32, 0);
  form->SpeedButton5->click();
  ASSERT_TRUE(form->isConnected());
  EXPECT_CALL(link, SendHeart).Times(0);
  form->Timer1Timer();
}

TEST_F(Connection, FormatAndRebootOverBothTransports) {
  struct Row {
    const char* transport;
    int result;
    QString formatMessage;
    bool connectedAfterFormat;
    QString rebootMessage;
  };
  const Row rows[] = {
      {"0", 0, QStringLiteral("格式化成功"), true, QStringLiteral("发送成功")},
      {"0", 3, QStringLiteral("格式化失败"), true, QStringLiteral("发送失败")},
      {"1", 0, QStringLiteral("格式化成功"), true, QStringLiteral("发送成功")},
      {"1", 3, QStringLiteral("格式化失败"), false, QStringLiteral("发送失败")},
  };
  for (const Row& row : rows) {
    useTransport(row.transport);
    const Transport t = QByteArray(row.transport) == "0" ? Transport::Serial : Transport::Net;
    form->G1->trigger();  // disconnected: the guard
    EXPECT_EQ(prompt.messages, QStringList{QStringLiteral("请先连接大屏")});

    form->SpeedButton5->click();
    prompt.messages.clear();
    prompt.answers = {false};
    EXPECT_CALL(link, Format).Times(0);
    form->G1->trigger();
    ASSERT_FALSE(prompt.questions.isEmpty());
    EXPECT_EQ(prompt.questions.back(), QStringLiteral("是否格式化LED大屏!"));
    ::testing::Mock::VerifyAndClearExpectations(&link);

    prompt.answers = {true};
    EXPECT_CALL(link, Format(t)).WillOnce(Invoke([&](Transport) {
      // No heartbeat runs while a TCP/IP format is on its way.
      EXPECT_EQ(form->Timer1->isActive(), t == Transport::Serial);
      return row.result;
    }));
    form->G1->trigger();
    EXPECT_EQ(prompt.messages, QStringList{row.formatMessage});
    EXPECT_EQ(form->isConnected(), row.connectedAfterFormat);
    EXPECT_TRUE(form->Timer1->isActive());

    // Reboot has no guard; over TCP/IP it always ends the link.
    prompt.messages.clear();
    prompt.answers = {true};
    EXPECT_CALL(link, Reboot(t)).WillOnce(Return(row.result));
    form->R1->trigger();
    EXPECT_EQ(prompt.messages, QStringList{row.rebootMessage});
    EXPECT_EQ(form->isConnected(), t == Transport::Serial && row.connectedAfterFormat);
    EXPECT_TRUE(form->Timer1->isActive());
    prompt.messages.clear();
    ::testing::Mock::VerifyAndClearExpectations(&link);
  }
}

TEST_F(Connection, TransportMenuWritesOnlyOnChange) {
  EXPECT_TRUE(form->C1->isChecked());
  form->C1->trigger();  // already ticked: nothing written
  EXPECT_FALSE(home.exists("set.ini"));
  EXPECT_TRUE(form->C1->isChecked());

  form->C3->trigger();
  EXPECT_TRUE(form->C3->isChecked());
  EXPECT_FALSE(form->C1->isChecked());
  EXPECT_EQ(ws->commSettings.Transport, QStringLiteral("1"));
  const QByteArray written = home.read("set.ini");
  EXPECT_TRUE(written.contains("\xCD\xA8\xD1\xB6\xB7\xBD\xCA\xBD=1\r\n")) << written.toStdString();

  // Switching while connected leaves the old link; disconnect closes the chosen transport.
  form->C1->trigger();
  form->SpeedButton5->click();
  form->C3->trigger();
  EXPECT_TRUE(form->isConnected());
  EXPECT_CALL(link, Disnect());
  EXPECT_CALL(link, CloseSerial()).Times(0);
  form->SpeedButton4->click();
}

TEST_F(Connection, MissingLibrariesAreNamed) {
  ws->setLink(nullptr);
  form->SpeedButton5->click();
  ASSERT_EQ(prompt.messages.size(), 1);
  EXPECT_TRUE(prompt.messages.front().contains(QStringLiteral("NQ_COM_LED")));
}

TEST_F(Connection, AnImpossibleSignSizeIsRefused) {
  expectSize(0, 100000, 0);
  form->SpeedButton5->click();
  EXPECT_EQ(prompt.messages.size(), 1);
  EXPECT_FALSE(form->isConnected());
  EXPECT_EQ(ws->ScreenWidth, 32);
}

}  // namespace

namespace {

// One size limit: a sign larger than 4096 a side is refused at connect and changes nothing; one
// beyond the card's program size is accepted with a notice.
TEST_F(Connection, SignSizeLimitIsTheWorkspacesLimit) {
  struct Row {
    int w, h;
    bool accepted;
  };
  for (const Row& r : {Row{4096, 16, true}, Row{16, 4096, true}, Row{4097, 16, false},
                       Row{16384, 16384, false}, Row{-1, 32, false}}) {
    SCOPED_TRACE(testing::Message() << r.w << " x " << r.h);
    prompt.messages.clear();
    if (form->isConnected()) ws->markDisconnected();
    ws->ScreenWidth = 32;
    ws->ScreenHeight = 32;
    const int shownBefore = form->shownPicture().width();
    expectSize(r.w, r.h, 0);
    form->SpeedButton5->click();
    EXPECT_EQ(form->isConnected(), r.accepted);
    EXPECT_EQ(ws->ScreenWidth, r.accepted ? r.w : 32);
    EXPECT_EQ(form->shownPicture().width(), r.accepted ? r.w : shownBefore);
    // A sign the card cannot fill with one program is accepted and told at once.
    ASSERT_EQ(prompt.messages.size(), 1);
    EXPECT_EQ(prompt.messages[0].contains(QStringLiteral("最大宽度不能大于640")) ||
                  prompt.messages[0].contains(QStringLiteral("最大高度不能大于256")),
              r.accepted);
  }
}

// Without the link libraries the application still starts and the connect button names the
// missing library.
TEST_F(Connection, MissingLibraryFilesAreNamedAtConnect) {
  TestHome empty;
  LinkLibraries missing(empty.path());
  ws->setLink(&missing);
  ws->commSettings.Transport = QStringLiteral("1");
  form->SpeedButton5->click();
  ASSERT_EQ(prompt.messages.size(), 1);
  EXPECT_TRUE(prompt.messages.front().contains(QStringLiteral("NQ_NET_LED")));
}

}  // namespace
