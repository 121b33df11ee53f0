// The main window and the settings window against the virtual card, in-process, over loopback
// TCP and a pseudo-terminal, through the real link libraries.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

#include "Commconfig.h"
#include "LinkLibraries.h"
#include "Mainface.h"
#include "VirtualCard.h"
#include "WorkspaceFixture.h"

namespace {

class CardLink : public WorkspaceFixture {
 protected:
  void startCard(bool pty, int baud = 115200) {
    signsim::CardOptions options = loopbackCard(96, 48, 1, pty);
    options.discoveryPort = 0;
    options.baud = baud;
    ASSERT_TRUE(WorkspaceFixture::startCard(options));
    qputenv("NQ_DISCOVERY_PORT", QByteArray::number(card->discoveryPort()));
  }

  void SetUp() override {
    // Discovery answers come at once.
    qputenv("NQ_DISCOVERY_WINDOW_MS", "400");
    qputenv("LEDSIGN_HOME", home.path().toLocal8Bit());
    ws->setLink(&libraries());
    main = std::make_unique<TMainForm>(*ws, prompt);
    main->sleep = [](int) {};
  }
  void TearDown() override {
    if (main && main->isConnected()) main->SpeedButton4->click();
    WorkspaceFixture::TearDown();
  }

  void useTcp() {
    ws->commSettings.Transport = QStringLiteral("1");
    ws->commSettings.ControllerIp = QStringLiteral("127.0.0.1");
    ws->commSettings.ControllerPort = card->tcpPort();
  }

  std::unique_ptr<TMainForm> main;
};

TEST_F(CardLink, ConnectsOverTcpAndNoticesWhenTheCardStops) {
  startCard(false);
  useTcp();
  main->SpeedButton5->click();
  ASSERT_TRUE(prompt.messages.isEmpty()) << prompt.messages.join('|').toStdString();
  EXPECT_TRUE(main->isConnected());
  EXPECT_EQ(ws->ScreenWidth, 96);
  EXPECT_EQ(ws->ScreenHeight, 48);
  EXPECT_EQ(main->shownPicture().size(), QSize(96, 48));
  EXPECT_EQ(ws->ControllerModel, 1);
  EXPECT_EQ(ws->ControllerProgramCount, 0);

  main->Timer1Timer();
  EXPECT_TRUE(main->isConnected());
  card->stop();
  main->Timer1Timer();
  EXPECT_EQ(prompt.messages, QStringList{QStringLiteral("获取心跳包失败")});
  EXPECT_FALSE(main->isConnected());
}

TEST_F(CardLink, AClosedPortIsReportedWithTheLibrarysCode) {
  startCard(false);
  useTcp();
  const int port = card->tcpPort();
  card->stop();
  ws->commSettings.ControllerPort = port;  // nothing listens there any more
  main->SpeedButton5->click();
  ASSERT_EQ(prompt.messages.size(), 1);
  EXPECT_TRUE(prompt.messages.front().startsWith(QStringLiteral("连接失败 错误代码:")));
  EXPECT_FALSE(main->isConnected());
}

TEST_F(CardLink, ConnectsOverThePseudoTerminal) {
  startCard(true, 19200);
  ws->commSettings.Transport = QStringLiteral("0");
  ws->commSettings.SerialPort = QString::fromStdString(card->ptyPath());
  ws->commSettings.BaudRate = 19200;
  main->SpeedButton5->click();
  ASSERT_TRUE(prompt.messages.isEmpty()) << prompt.messages.join('|').toStdString();
  EXPECT_TRUE(main->isConnected());
  EXPECT_EQ(ws->ScreenWidth, 96);
  EXPECT_EQ(ws->ControllerModel, 1);
}

TEST_F(CardLink, BaudQueryFindsTheCardsRate) {
  startCard(true, 2400);
  ws->commSettings.PortNames = {QString::fromStdString(card->ptyPath())};
  TCommForm dialog(*ws, prompt);
  dialog.show();
  dialog.baudPage->QueryButton->click();
  dialog.waitForQueries();
  QCoreApplication::processEvents();
  EXPECT_EQ(dialog.baudPage->Memo1->toPlainText(), QStringLiteral("波特率为：2400"));
}

TEST_F(CardLink, IpQueryOnLoopbackListsTheCard) {
  startCard(false);
  TCommForm dialog(*ws, prompt);
  dialog.show();
  dialog.PageControl1->setCurrentWidget(dialog.ipPage);
  QComboBox* adapters = dialog.ipPage->ComboBox4;
  const int loopback = adapters->findText(QStringLiteral("127.0.0.1 lo"));
  ASSERT_GE(loopback, 0) << adapters->currentText().toStdString();
  adapters->setCurrentIndex(loopback);
  dialog.ipPage->QueryButton->click();
  QTableWidget* grid = dialog.ipPage->StringGrid1;
  ASSERT_NE(grid->item(1, 1), nullptr);
  EXPECT_EQ(grid->item(1, 1)->text(), QStringLiteral("127.0.0.1"));
  EXPECT_EQ(grid->item(1, 4)->text(), QString::number(card->tcpPort()));

  dialog.StringGrid1DblClick(1);
  dialog.netPage->OkButton->click();
  EXPECT_EQ(ws->commSettings.ControllerPort, card->tcpPort());
  EXPECT_EQ(CommSettings::load(ws->commSettingsPath()).ControllerPort, card->tcpPort());
}

}  // namespace
