// The parameter dialog over a scripted link: the opening, the transport of every call, the result
// convention with the lost link over TCP/IP, and what each page makes of the controller's answers.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <functional>

#include "ConnectionPages.h"
#include "Screenwh.h"
#include "TuningPages.h"
#include "WorkspaceFixture.h"

using ::testing::_;
using ::testing::DoAll;
using ::testing::Invoke;
using ::testing::Return;
using ::testing::SetArgPointee;

namespace {

class ParamDialog : public WorkspaceFixture {
 protected:
  void SetUp() override {
    useMockLink();
    useTransport(Transport::Net);
    dialog = std::make_unique<TScreenWHForm>(*ws, prompt);
  }

  std::unique_ptr<TScreenWHForm> dialog;
};

const QStringList kReadOk{QStringLiteral("获取成功")};

TEST_F(ParamDialog, OpensOnlyWhileConnectedWithTheHeartbeatPaused) {
  ws->markDisconnected();
  dialog->launch();
  EXPECT_EQ(prompt.messages, QStringList{QStringLiteral("请先连接大屏")});
  EXPECT_FALSE(ws->heartbeatPaused());

  ws->markConnected();
  ws->ScreenWidth = 96;
  ws->ScreenHeight = 48;
  dialog->versionPage->Edit1->setText(QStringLiteral("kept"));
  for (int model : {1, 2}) {
    ws->ControllerModel = model;
    dialog->PageControl1->setCurrentWidget(dialog->clockPage);
    dialog->sizePage->Edit1->setText(QStringLiteral("7"));
    bool sawPaused = false;
    QTimer::singleShot(0, dialog.get(), [&] {
      sawPaused = ws->heartbeatPaused();
      dialog->reject();
    });
    dialog->launch();
    EXPECT_TRUE(sawPaused);
    EXPECT_FALSE(ws->heartbeatPaused());
    EXPECT_EQ(dialog->PageControl1->currentWidget(), dialog->sizePage) << model;
    EXPECT_EQ(dialog->sizePage->Edit1->text(), QStringLiteral("96"));
    EXPECT_EQ(dialog->sizePage->Edit2->text(), QStringLiteral("48"));
    EXPECT_EQ(dialog->PageControl1->isTabVisible(2), model != 1) << model;
    EXPECT_EQ(dialog->versionPage->Edit1->text(), QStringLiteral("kept"));
  }
  EXPECT_EQ(prompt.messages.size(), 1);
}

// One failing call per row, run over each transport: the call goes to that transport's library,
// the message follows the result convention, and only a failed read or change over TCP/IP loses
// the link (never the size, never a text read).
struct Failure {
  const char* name;
  std::function<void(MockLink&, Transport)> arrange;
  std::function<void(TScreenWHForm&)> act;
  const char* message;
  bool losesLink;
};

void fillNetFields(NetworkPage* page) {
  page->Edit1->setText(QStringLiteral("192.168.1.10"));
  page->Edit2->setText(QStringLiteral("255.255.255.0"));
  page->Edit3->setText(QStringLiteral("192.168.1.1"));
  page->Edit4->setText(QStringLiteral("8000"));
}

const Failure kFailures[] = {
    {"SerialRead",
     [](MockLink& l, Transport t) { EXPECT_CALL(l, GetSerialPara(t, _)).WillOnce(Return(3)); },
     [](TScreenWHForm& d) { d.serialPage->GroupBox1->ReadButton->click(); }, "获取失败", true},
    {"SerialChange",
     [](MockLink& l, Transport t) { EXPECT_CALL(l, ModSerialPara(t, _)).WillOnce(Return(3)); },
     [](TScreenWHForm& d) {
       d.serialPage->GroupBox1->showChoice({3, 0, 0, 0});
       d.serialPage->GroupBox1->ChangeButton->click();
     },
     "修改失败", true},
    {"NetRead",
     [](MockLink& l, Transport t) { EXPECT_CALL(l, GetNetPara(t, _)).WillOnce(Return(1)); },
     [](TScreenWHForm& d) { d.netPage->ReadButton->click(); }, "获取失败", true},
    {"NetChange",
     [](MockLink& l, Transport t) { EXPECT_CALL(l, ModNetPara(t, _)).WillOnce(Return(1)); },
     [](TScreenWHForm& d) {
       fillNetFields(d.netPage);
       d.netPage->ChangeButton->click();
     },
     "修改失败", true},
    {"ScanRead",
     [](MockLink& l, Transport t) { EXPECT_CALL(l, GetScanPara(t, _)).WillOnce(Return(-1)); },
     [](TScreenWHForm& d) { d.scanPage->ReadButton->click(); }, "获取失败", true},
    {"ScanChange",
     [](MockLink& l, Transport t) { EXPECT_CALL(l, ModScanPara(t, _, _, _)).WillOnce(Return(2)); },
     [](TScreenWHForm& d) { d.scanPage->ChangeButton->click(); }, "修改失败", true},
    {"BrightnessReadNegative",
     [](MockLink& l, Transport t) { EXPECT_CALL(l, GetBrightnessPara(t)).WillOnce(Return(-1)); },
     [](TScreenWHForm& d) { d.brightnessPage->ReadButton->click(); }, "获取失败", true},
    {"BrightnessReadZero",
     [](MockLink& l, Transport t) { EXPECT_CALL(l, GetBrightnessPara(t)).WillOnce(Return(0)); },
     [](TScreenWHForm& d) { d.brightnessPage->ReadButton->click(); }, "获取失败", false},
    {"BrightnessChange",
     [](MockLink& l, Transport t) { EXPECT_CALL(l, ModBrightnessPara(t, 1)).WillOnce(Return(1)); },
     [](TScreenWHForm& d) { d.brightnessPage->ChangeButton->click(); }, "修改失败", true},
    {"DayNightRead",
     [](MockLink& l, Transport t) {
       EXPECT_CALL(l, GetDayNightBrightness(t, _)).WillOnce(Return(4));
     },
     [](TScreenWHForm& d) { d.dayNightPage->ReadButton->click(); }, "获取失败", true},
    {"DayNightChange",
     [](MockLink& l, Transport t) {
       EXPECT_CALL(l, ModDayNightBrightness(t, 1, 1)).WillOnce(Return(4));
     },
     [](TScreenWHForm& d) { d.dayNightPage->ChangeButton->click(); }, "修改失败", true},
    {"OnOffRead",
     [](MockLink& l, Transport t) {
       EXPECT_CALL(l, GetOnOffTime(t)).WillOnce(Return(QStringLiteral("超时")));
     },
     [](TScreenWHForm& d) { d.onOffPage->ReadButton->click(); }, "超时", false},
    {"OnOffChange",
     [](MockLink& l, Transport t) {
       EXPECT_CALL(l, ModOnOffTime(t, -1, -1, -1, -1)).WillOnce(Return(1));
     },
     [](TScreenWHForm& d) { d.onOffPage->ChangeButton->click(); }, "修改失败", true},
    {"ClockRead",
     [](MockLink& l, Transport t) {
       EXPECT_CALL(l, GetTime(t)).WillOnce(Return(QStringLiteral("回码错误")));
     },
     [](TScreenWHForm& d) { d.clockPage->ReadButton->click(); }, "回码错误", false},
    {"ClockSet",
     [](MockLink& l, Transport t) {
       EXPECT_CALL(l, ModTime(t, _, _, _, _, _, _)).WillOnce(Return(1));
     },
     [](TScreenWHForm& d) { d.clockPage->SetButton->click(); }, "校时失败", true},
    {"ScreenSize",
     [](MockLink& l, Transport t) { EXPECT_CALL(l, Mod_KuanGao(t, _)).WillOnce(Return(1)); },
     [](TScreenWHForm& d) { d.sizePage->SetButton->click(); }, "设置失败", false},
};

class ParamFailure : public ParamDialog,
                     public ::testing::WithParamInterface<std::tuple<int, Transport>> {};

TEST_P(ParamFailure, ReportsAndLosesTheLinkOnlyWhereItShould) {
  const auto& [row, t] = GetParam();
  const Failure& f = kFailures[row];
  useTransport(t);
  dialog->show();
  f.arrange(link, t);
  // The call runs under the busy cursor and the status bar's wait text, the message after it.
  QStringList waits;
  QObject::connect(ws.get(), &Workspace::linkWaitChanged, [&](const QString& text) {
    waits << text + QString::number(prompt.messages.size());
  });
  f.act(*dialog);
  EXPECT_EQ(waits, (QStringList{QStringLiteral("正在通讯…0"), QStringLiteral("0")}));
  EXPECT_EQ(prompt.messages, QStringList{QString::fromUtf8(f.message)});
  EXPECT_EQ(ws->isConnected(), !(f.losesLink && t == Transport::Net));
  EXPECT_TRUE(dialog->isVisible());
}

INSTANTIATE_TEST_SUITE_P(EveryOperation, ParamFailure,
                         ::testing::Combine(::testing::Range(0, int(std::size(kFailures))),
                                            ::testing::Values(Transport::Serial, Transport::Net)),
                         [](const auto& p) {
                           return std::string(kFailures[std::get<0>(p.param)].name) +
                                  (std::get<1>(p.param) == Transport::Serial ? "OverSerial"
                                                                             : "OverNet");
                         });

TEST_F(ParamDialog, Rs485ButtonsDoNothingOverSerialAndUseTheNetworkLibraryOverTcp) {
  SerialGroup* rs485 = dialog->serialPage->GroupBox2;
  rs485->showChoice({9, 0, 0, 0});
  useTransport(Transport::Serial);
  EXPECT_CALL(link, Get485Para(_)).Times(0);
  EXPECT_CALL(link, Mod485Para(_)).Times(0);
  rs485->ReadButton->click();
  rs485->ChangeButton->click();
  EXPECT_TRUE(prompt.messages.isEmpty());
  ::testing::Mock::VerifyAndClearExpectations(&link);

  useTransport(Transport::Net);
  SerialParaRecord sent{};
  EXPECT_CALL(link, Mod485Para(_))
      .WillOnce(DoAll(Invoke([&](SerialParaRecord* r) { sent = *r; }), Return(0)));
  EXPECT_CALL(link, Get485Para(_))
      .WillOnce(DoAll(SetArgPointee<0>(SerialParaRecord{4800, 4, 0, 32}), Return(0)));
  rs485->ChangeButton->click();
  rs485->ReadButton->click();
  EXPECT_EQ(sent.baud, 115200);
  EXPECT_EQ(rs485->choice(), (params::SerialChoice{2, 1, 0, 1}));
  EXPECT_EQ(prompt.messages, (QStringList{QStringLiteral("修改成功"), QStringLiteral("获取成功")}));
}

TEST_F(ParamDialog, SerialListsKeepWhatTheControllerCannotStandFor) {
  SerialGroup* rs232 = dialog->serialPage->GroupBox1;
  EXPECT_CALL(link, ModSerialPara(_, _)).Times(0);
  rs232->ChangeButton->click();  // the lists start empty: nothing to send
  EXPECT_TRUE(prompt.messages.isEmpty());

  EXPECT_CALL(link, GetSerialPara(Transport::Net, _))
      .WillOnce(DoAll(SetArgPointee<1>(SerialParaRecord{9600, 4, 0, 0}), Return(0)))
      .WillOnce(DoAll(SetArgPointee<1>(SerialParaRecord{12345, 2, 0, 32}), Return(0)));
  rs232->ReadButton->click();
  rs232->ReadButton->click();
  EXPECT_EQ(rs232->ComboBox1->currentText(), QStringLiteral("9600"));
  EXPECT_EQ(rs232->ComboBox2->currentText(), QStringLiteral("偶校验"));
  EXPECT_EQ(rs232->ComboBox4->currentText(), QStringLiteral("2位"));
  EXPECT_EQ(prompt.messages, (kReadOk + kReadOk));
}

TEST_F(ParamDialog, ScreenSize) {
  struct Row {
    const char* width;
    const char* height;
    bool called;
    const char* message;  // contained in the one message, "" for none
    int programCount;     // afterwards, from 3
  };
  const Row rows[] = {
      {"32", "32", true, "", 3},  // the size it had: list kept, picture still cleared
      {"64", "16", true, "", 0},  // another size: the list starts again
      {"", "32", false, "屏宽", 3},        {"32", "", false, "屏高", 3},
      {"4097", "32", false, "1到4096", 3}, {"32", "0", false, "1到4096", 3},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.width) + "x" + r.height);
    ws->ScreenWidth = ws->ScreenHeight = 32;
    ws->libraryReplaced(3);
    ASSERT_TRUE(home.write(QStringLiteral("Program/2.bmp"), "BM"));
    prompt.messages.clear();
    dialog->show();
    dialog->sizePage->Edit1->setText(QString::fromUtf8(r.width));
    dialog->sizePage->Edit2->setText(QString::fromUtf8(r.height));
    QSignalSpy replaced(ws.get(), &Workspace::libraryWasReplaced);
    QSignalSpy resized(ws.get(), &Workspace::signSizeChanged);
    ScreenSizeRecord sent{};
    EXPECT_CALL(link, Mod_KuanGao(Transport::Net, _))
        .Times(r.called ? 1 : 0)
        .WillRepeatedly(
            DoAll(Invoke([&](Transport, ScreenSizeRecord* s) { sent = *s; }), Return(0)));
    dialog->sizePage->SetButton->click();
    ::testing::Mock::VerifyAndClearExpectations(&link);

    EXPECT_EQ(ws->ProgramCount, r.programCount);
    EXPECT_EQ(replaced.size(), r.programCount == 0 ? 1 : 0);
    EXPECT_TRUE(home.exists(QStringLiteral("Program/2.bmp")));
    EXPECT_EQ(dialog->isVisible(), !r.called);
    if (r.called) {
      EXPECT_EQ(sent.width, QByteArray(r.width).toInt());
      EXPECT_EQ(sent.height, QByteArray(r.height).toInt());
      EXPECT_EQ(resized.size(), 1);
      EXPECT_EQ(ws->ScreenWidth, sent.width);
      EXPECT_EQ(ws->ScreenHeight, sent.height);
      EXPECT_TRUE(prompt.messages.isEmpty());
    } else {
      EXPECT_EQ(resized.size(), 0);
      ASSERT_EQ(prompt.messages.size(), 1);
      EXPECT_TRUE(prompt.messages.front().contains(QString::fromUtf8(r.message)))
          << prompt.messages.front().toStdString();
    }
  }
}

TEST_F(ParamDialog, SizeFieldsTakeOnlyDigits) {
  dialog->show();
  QLineEdit* width = dialog->sizePage->Edit1;
  width->clear();
  QTest::keyClicks(width, QStringLiteral("1a-2 3"));
  EXPECT_EQ(width->text(), QStringLiteral("123"));
  QTest::keyClick(width, Qt::Key_Backspace);
  EXPECT_EQ(width->text(), QStringLiteral("12"));
}

TEST_F(ParamDialog, NetworkChangeChecksStripsAndFitsTheAddresses) {
  struct Row {
    const char* ip;
    const char* mask;
    const char* port;
    const char* sentIp;   // nullptr: nothing sent
    const char* message;  // contained in the one message
  };
  const Row rows[] = {
      {" 192.168.1.10 ", "255.255.255.0", "8000", "192.168.1.10", "修改成功"},
      {"010.001.000.001", "255.0.0.0", "1", "010.001.000.001", "修改成功"},
      {"192. 168. 100. 200", "255.255.255.0", "8000", "192.168.100.200", "修改成功"},
      {"1 .2.3.4", "255.255.255.0", "8000", nullptr, "数据格式无效"},
      {"1.2.3.4", "255.255.255", "8000", nullptr, "数据格式无效"},
      {"1.2.3.4", "255.255.255.0", "", nullptr, "端口"},
  };
  NetworkPage* page = dialog->netPage;
  for (const Row& r : rows) {
    SCOPED_TRACE(r.ip);
    prompt.messages.clear();
    page->Edit1->setText(QString::fromUtf8(r.ip));
    page->Edit2->setText(QString::fromUtf8(r.mask));
    page->Edit3->setText(QStringLiteral(" 192.168.1.1"));
    page->Edit4->setText(QString::fromUtf8(r.port));
    NetParaRecord sent;
    std::memset(&sent, 0x55, sizeof sent);
    EXPECT_CALL(link, ModNetPara(Transport::Net, _))
        .Times(r.sentIp ? 1 : 0)
        .WillRepeatedly(DoAll(Invoke([&](Transport, NetParaRecord* n) { sent = *n; }), Return(0)));
    page->ChangeButton->click();
    ::testing::Mock::VerifyAndClearExpectations(&link);

    ASSERT_EQ(prompt.messages.size(), 1);
    EXPECT_TRUE(prompt.messages.front().contains(QString::fromUtf8(r.message)));
    EXPECT_EQ(page->Edit1->text(), QString::fromUtf8(r.ip).trimmed());
    EXPECT_EQ(page->Edit3->text(), QStringLiteral("192.168.1.1"));
    if (r.sentIp) {
      NetParaRecord expected;
      std::memset(&expected, 0, sizeof expected);
      std::strcpy(expected.ip, r.sentIp);
      std::strcpy(expected.mask, r.mask);
      std::strcpy(expected.gateway, "192.168.1.1");
      expected.port = QByteArray(r.port).toInt();
      EXPECT_EQ(std::memcmp(&sent, &expected, sizeof sent), 0);
    }
  }
}

TEST_F(ParamDialog, NetworkReadFillsTheFields) {
  NetParaRecord answer{};
  std::memcpy(answer.ip, "10.0.0.99", 10);
  std::memcpy(answer.mask, "255.255.0.0", 12);
  std::memset(answer.gateway, '7', sizeof answer.gateway);  // no NUL: the field is the bound
  answer.port = 5005;
  EXPECT_CALL(link, GetNetPara(Transport::Net, _))
      .WillOnce(DoAll(SetArgPointee<1>(answer), Return(0)));
  dialog->netPage->ReadButton->click();
  EXPECT_EQ(dialog->netPage->Edit1->text(), QStringLiteral("10.0.0.99"));
  EXPECT_EQ(dialog->netPage->Edit2->text(), QStringLiteral("255.255.0.0"));
  EXPECT_EQ(dialog->netPage->Edit3->text(), QString(16, QLatin1Char('7')));
  EXPECT_EQ(dialog->netPage->Edit4->text(), QStringLiteral("5005"));
  EXPECT_EQ(prompt.messages, kReadOk);
}

TEST_F(ParamDialog, ScanReadShowsTheTabledEntryAndFlags) {
  struct Row {
    int code, flags;
    const char* entry;
    bool rowDecoding, inverted;
    const char* polarity;
  };
  const Row rows[] = {
      {5, 17, "04-P16-08-08-16", false, true, "高有效"},
      {3, 0, "04-P16-08", true, false, "低有效"},
      {16, 16, "04-P16-08", true, false, "高有效"},  // 16: mode and row decoding unchanged
  };
  ScanPage* page = dialog->scanPage;
  for (const Row& r : rows) {
    EXPECT_CALL(link, GetScanPara(Transport::Net, _))
        .WillOnce(DoAll(SetArgPointee<1>(r.flags), Return(r.code)));
    page->ReadButton->click();
    EXPECT_EQ(page->ComboBox1->currentText(), QString::fromUtf8(r.entry)) << r.code;
    EXPECT_EQ(page->CheckBox1->isChecked(), r.rowDecoding) << r.code;
    EXPECT_EQ(page->CheckBox2->isChecked(), r.inverted) << r.code;
    EXPECT_EQ(page->ComboBox2->currentText(), QString::fromUtf8(r.polarity)) << r.code;
  }
  EXPECT_EQ(prompt.messages, kReadOk + kReadOk + kReadOk);
}

TEST_F(ParamDialog, ScanChangeSendsTheListPositionAndFlags) {
  struct Row {
    int entry;
    bool rowDecoding, inverted;
    int polarity;
    int index, row, flags;
  };
  const Row rows[] = {
      {1, true, false, 0, 1, 1, 0},  // "04-P16-08", "低有效"
      {3, false, true, 1, 3, 0, 17},
      {-1, false, false, -1, -1, 0, 16},  // nothing chosen
  };
  ScanPage* page = dialog->scanPage;
  for (const Row& r : rows) {
    page->ComboBox1->setCurrentIndex(r.entry);
    page->CheckBox1->setChecked(r.rowDecoding);
    page->CheckBox2->setChecked(r.inverted);
    page->ComboBox2->setCurrentIndex(r.polarity);
    EXPECT_CALL(link, ModScanPara(Transport::Net, r.index, r.row, r.flags)).WillOnce(Return(0));
    page->ChangeButton->click();
  }
  EXPECT_EQ(prompt.messages.size(), 3);
  EXPECT_EQ(prompt.messages.count(QStringLiteral("修改成功")), 3);
}

TEST_F(ParamDialog, BrightnessBarsAndTheirNumbers) {
  BrightnessPage* page = dialog->brightnessPage;
  EXPECT_EQ(page->Label1->text(), QStringLiteral("0"));
  EXPECT_CALL(link, GetBrightnessPara(Transport::Net)).WillOnce(Return(40)).WillOnce(Return(0));
  page->ReadButton->click();
  EXPECT_EQ(page->TrackBar1->value(), 32);
  EXPECT_EQ(page->Label1->text(), QStringLiteral("32"));
  page->ReadButton->click();
  EXPECT_EQ(page->TrackBar1->value(), 32);
  EXPECT_EQ(prompt.messages, (QStringList{QStringLiteral("获取成功"), QStringLiteral("获取失败")}));
  EXPECT_TRUE(ws->isConnected());

  DayNightPage* dn = dialog->dayNightPage;
  EXPECT_CALL(link, GetDayNightBrightness(Transport::Net, _))
      .WillOnce(DoAll(SetArgPointee<1>(DayNightRecord{40, 7}), Return(0)));
  dn->ReadButton->click();
  EXPECT_EQ(dn->TrackBar1->value(), 32);
  EXPECT_EQ(dn->Label1->text(), QStringLiteral("32"));
  EXPECT_EQ(dn->Label2->text(), QStringLiteral("7"));
  EXPECT_CALL(link, ModDayNightBrightness(Transport::Net, 32, 7)).WillOnce(Return(0));
  dn->ChangeButton->click();
}

TEST_F(ParamDialog, OnOffTextsFillTheFourLists) {
  struct Row {
    QString text;  // null: the library gave no text
    const char* message;
    std::array<int, 4> shown;  // afterwards; -1 none
  };
  const Row rows[] = {
      {QStringLiteral("08?30?22?15"), "获取成功", {8, 30, 22, 15}},
      {QStringLiteral("超时"), "超时", {8, 30, 22, 15}},
      {QStringLiteral("0830"), "获取失败", {8, 30, 22, 15}},
      {QString(), "获取失败", {8, 30, 22, 15}},
      {QStringLiteral("24:60-00:59"), "获取成功", {-1, -1, 0, 59}},
  };
  OnOffTimePage* page = dialog->onOffPage;
  QComboBox* const lists[] = {page->ComboBox1, page->ComboBox2, page->ComboBox3, page->ComboBox4};
  for (const Row& r : rows) {
    prompt.messages.clear();
    EXPECT_CALL(link, GetOnOffTime(Transport::Net)).WillOnce(Return(r.text));
    page->ReadButton->click();
    EXPECT_EQ(prompt.messages, QStringList{QString::fromUtf8(r.message)}) << r.text.toStdString();
    for (int i = 0; i < 4; ++i) EXPECT_EQ(lists[i]->currentIndex(), r.shown[size_t(i)]) << i;
    EXPECT_TRUE(ws->isConnected());
  }
  EXPECT_CALL(link, ModOnOffTime(Transport::Net, -1, -1, 0, 59)).WillOnce(Return(0));
  page->ChangeButton->click();
}

TEST_F(ParamDialog, ClockAndVersionTexts) {
  dialog->show();
  ClockPage* clock = dialog->clockPage;
  clock->now = [] { return QDateTime(QDate(2019, 3, 5), QTime(7, 8, 9, 456)); };
  EXPECT_CALL(link, ModTime(Transport::Net, 2019, 3, 5, 7, 8, 9)).WillOnce(Return(0));
  clock->SetButton->click();
  EXPECT_CALL(link, GetTime(Transport::Net))
      .WillOnce(Return(QStringLiteral("2019-03-05 07:08:09 and more")))
      .WillOnce(Return(QStringLiteral("超时")));
  clock->ReadButton->click();
  EXPECT_EQ(clock->Edit1->text(), QStringLiteral("2019-03-05 07:08:09"));
  clock->ReadButton->click();
  EXPECT_EQ(clock->Edit1->text(), QStringLiteral("2019-03-05 07:08:09"));
  dialog->PageControl1->setCurrentWidget(clock);  // showing the page empties the display
  EXPECT_TRUE(clock->Edit1->text().isEmpty());

  EXPECT_CALL(link, GetVersion(Transport::Net))
      .WillOnce(Return(QStringLiteral("未连接")))
      .WillOnce(Return(QString()));
  dialog->versionPage->ReadButton->click();
  EXPECT_EQ(dialog->versionPage->Edit1->text(), QStringLiteral("未连接"));
  EXPECT_EQ(prompt.messages, (QStringList{QStringLiteral("校时成功"), QStringLiteral("获取成功"),
                                          QStringLiteral("超时")}));
  dialog->versionPage->ReadButton->click();
  EXPECT_EQ(prompt.messages.back(), QStringLiteral("获取失败"));
  EXPECT_TRUE(ws->isConnected());
}

}  // namespace
