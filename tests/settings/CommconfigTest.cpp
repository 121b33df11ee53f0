#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <cstring>

#include "Commconfig.h"
#include "LedError.h"
#include "LinkLibraries.h"
#include "WorkspaceFixture.h"

using ::testing::_;
using ::testing::Invoke;
using ::testing::Return;
using ::testing::Throw;

namespace {

class CommDialog : public WorkspaceFixture {
 protected:
  void SetUp() override {
    useMockLink(false);
    ws->commSettings.PortNames = {"/dev/ttyS0", "/tmp/card"};
    ws->commSettings.SerialPort = QStringLiteral("/tmp/card");
    ws->commSettings.BaudRate = 0;
    dialog = std::make_unique<TCommForm>(*ws, prompt);
  }
  void TearDown() override {
    if (dialog) dialog->waitForQueries();
    WorkspaceFixture::TearDown();
  }
  CommSettings reload() { return CommSettings::load(home.file("set.ini")); }

  std::unique_ptr<TCommForm> dialog;
};

TEST_F(CommDialog, ShowsTheSettingsAndSavesTheSerialPage) {
  dialog->show();
  SerialPage* page = dialog->serialPage;
  EXPECT_EQ(page->ComboBox1->currentText(), QStringLiteral("/tmp/card"));
  EXPECT_EQ(page->ComboBox2->currentText(), QStringLiteral("1200"));  // baud 0 is not listed
  EXPECT_EQ(dialog->netPage->Edit1->text(), QStringLiteral("192.168.3.117"));
  EXPECT_EQ(dialog->netPage->Edit2->text(), QStringLiteral("8000"));
  EXPECT_EQ(dialog->baudPage->ComboBox3->currentText(), QStringLiteral("/dev/ttyS0"));
  EXPECT_EQ(page->Edit3->text(), QStringLiteral("500"));
  EXPECT_EQ(dialog->PageControl1->currentWidget(), page);
  EXPECT_EQ(ws->commSettings.BaudRate, 0);

  page->ComboBox2->setCurrentText(QStringLiteral("115200"));
  page->CheckBox1->setChecked(true);
  page->Edit3->setText(QStringLiteral("750"));
  page->OkButton->click();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_TRUE(prompt.messages.isEmpty());
  const CommSettings stored = reload();
  EXPECT_EQ(stored.SerialPort, QStringLiteral("/tmp/card"));
  EXPECT_EQ(stored.BaudRate, 115200);
  EXPECT_EQ(stored.GprsEnabled, 1);
  EXPECT_EQ(stored.TimeoutMs, 750);
  EXPECT_EQ(ws->commSettings.BaudRate, 115200);
  EXPECT_EQ(ws->commSettings.TimeoutMs, 750);
}

TEST_F(CommDialog, OkChecksEveryFieldBeforeWritingAnything) {
  struct Row {
    const char* what;
    bool serialPage;
    QString field;
    QString mustMention;
  };
  const Row rows[] = {
      {"timeout with a letter", true, QStringLiteral("50x"), QStringLiteral("超时")},
      {"empty timeout", true, QString(), QStringLiteral("超时")},
      {"port with a blank", false, QStringLiteral("80 00"), QStringLiteral("端口")},
      {"port in hex", false, QStringLiteral("0x1f"), QStringLiteral("端口")},
  };
  for (const Row& row : rows) {
    prompt.messages.clear();
    dialog->show();
    if (row.serialPage) {
      dialog->serialPage->Edit3->setText(row.field);
      dialog->serialPage->OkButton->click();
    } else {
      dialog->netPage->Edit1->setText(QStringLiteral("127.0.0.1"));
      dialog->netPage->Edit2->setText(row.field);
      dialog->netPage->OkButton->click();
    }
    ASSERT_EQ(prompt.messages.size(), 1) << row.what;
    EXPECT_TRUE(prompt.messages.front().contains(row.mustMention)) << row.what;
    EXPECT_TRUE(dialog->isVisible()) << row.what;
    EXPECT_FALSE(home.exists("set.ini")) << row.what;
    EXPECT_EQ(ws->commSettings.ControllerIp, QStringLiteral("192.168.3.117")) << row.what;
  }

  // No serial port at all: nothing to save, and nothing to query.
  ws->commSettings.PortNames.clear();
  prompt.messages.clear();
  dialog->close();
  dialog->show();
  dialog->serialPage->OkButton->click();
  EXPECT_CALL(link, GetBaud).Times(0);
  dialog->baudPage->QueryButton->click();
  EXPECT_EQ(prompt.messages.size(), 2);
  EXPECT_FALSE(home.exists("set.ini"));
}

TEST_F(CommDialog, NetPageStoresTheTextsAsTyped) {
  dialog->show();
  dialog->netPage->Edit1->setText(QStringLiteral("127.0.0.1"));
  dialog->netPage->Edit2->setText(QStringLiteral("8001"));
  dialog->netPage->OkButton->click();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(ws->commSettings.ControllerIp, QStringLiteral("127.0.0.1"));
  EXPECT_EQ(ws->commSettings.ControllerPort, 8001);
  EXPECT_EQ(reload().ControllerPort, 8001);

  dialog->show();
  dialog->netPage->Edit2->setText(QStringLiteral("9"));
  dialog->netPage->CancelButton->click();
  EXPECT_EQ(reload().ControllerPort, 8001);
}

// One line per press; a query that fails (a missing library throws in the worker) is one
// "提示" message on the GUI thread, and the application goes on.
TEST_F(CommDialog, BaudQueryAppendsOneLinePerPressAndReportsFailures) {
  EXPECT_CALL(link, GetBaud(QStringLiteral("/dev/ttyS0")))
      .WillOnce(Return(9600))
      .WillOnce(Throw(LedError(QStringLiteral("找不到通讯库 NQ_COM_LED"))))
      .WillOnce(Return(-1));
  dialog->show();
  for (int press = 0; press < 3; ++press) {
    dialog->baudPage->QueryButton->click();
    dialog->waitForQueries();
    QCoreApplication::processEvents();
  }
  EXPECT_EQ(dialog->baudPage->Memo1->toPlainText(),
            QStringLiteral("波特率为：9600\n检查硬件链路是否正常"));
  EXPECT_EQ(prompt.messages, QStringList{QStringLiteral("找不到通讯库 NQ_COM_LED")});
}

void fillCard(NetCardEntry& e, const char* address, const char* description) {
  std::strncpy(e.address, address, sizeof e.address - 1);
  std::strncpy(e.description, description, sizeof e.description - 1);
}

TEST_F(CommDialog, IpQueryFillsTheGridAndADoubleClickTakesAnAnswer) {
  EXPECT_CALL(link, GetNetCard(_)).WillRepeatedly(Invoke([](NetCardEntry* table) {
    fillCard(table[0], "", "unused");
    fillCard(table[1], "127.0.0.1", "lo");
    fillCard(table[2], "10.9.8.7", "not returned");  // beyond the count
    return 2;
  }));
  EXPECT_CALL(link, SendArpPacket(2)).Times(1);
  EXPECT_CALL(link, GetNetIP(_)).WillOnce(Invoke([](NetIpEntry* table) {
    std::strcpy(table[0].ip, "127.0.0.1");
    std::strcpy(table[0].mask, "255.0.0.0");
    std::strcpy(table[0].gateway, "127.0.0.1");
    table[0].port = 8123;
    return 0;
  }));
  dialog->show();
  dialog->PageControl1->setCurrentWidget(dialog->ipPage);
  IpQueryPage* page = dialog->ipPage;
  ASSERT_EQ(page->ComboBox4->count(), 1);
  EXPECT_EQ(page->ComboBox4->currentText(), QStringLiteral("127.0.0.1 lo"));
  EXPECT_EQ(page->StringGrid1->item(0, 2)->text(), QStringLiteral("子网掩码"));

  page->QueryButton->click();
  EXPECT_FALSE(page->QueryButton->isEnabled());
  EXPECT_EQ(page->StringGrid1->item(1, 1)->text(), QStringLiteral("127.0.0.1"));
  EXPECT_EQ(page->StringGrid1->item(1, 4)->text(), QStringLiteral("8123"));

  dialog->StringGrid1DblClick(0);  // the header row changes nothing
  dialog->StringGrid1DblClick(2);  // nor does an empty row
  EXPECT_EQ(dialog->PageControl1->currentWidget(), page);
  dialog->StringGrid1DblClick(1);
  EXPECT_EQ(dialog->PageControl1->currentWidget(), dialog->netPage);
  EXPECT_EQ(dialog->netPage->Edit1->text(), QStringLiteral("127.0.0.1"));
  EXPECT_EQ(dialog->netPage->Edit2->text(), QStringLiteral("8123"));
  EXPECT_FALSE(home.exists("set.ini"));

  // Showing the page again blanks the grid and enables the button.
  dialog->PageControl1->setCurrentWidget(page);
  EXPECT_TRUE(page->QueryButton->isEnabled());
  EXPECT_TRUE(page->StringGrid1->item(1, 1)->text().isEmpty());
}

}  // namespace

namespace {

TEST(LinkLibraries, AMissingLibraryOrFunctionIsNamedAtTheCall) {
  TestHome empty;
  LinkLibraries missing(empty.path());
  EXPECT_FALSE(missing.serialLoaded());
  try {
    missing.GetBaud(QStringLiteral("/dev/ttyS0"));
    FAIL() << "no error";
  } catch (const LedError& e) {
    EXPECT_TRUE(e.text().contains(QStringLiteral("NQ_COM_LED"))) << e.text().toStdString();
  }
  try {
    missing.Type(Transport::Net);
    FAIL() << "no error";
  } catch (const LedError& e) {
    EXPECT_TRUE(e.text().contains(QStringLiteral("NQ_NET_LED"))) << e.text().toStdString();
  }
}

}  // namespace
