// The program-control dialog with a scripted link: reading, editing and sending the input-line
// table, and what each failure leaves behind.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <cstring>
#include <optional>
#include <tuple>

#include "Pramme.h"
#include "ProgramIoRules.h"
#include "TestTranslator.h"
#include "WorkspaceFixture.h"

using ::testing::_;
using ::testing::DoAll;
using ::testing::Return;
using ::testing::SetArgPointee;

namespace {

QStringList texts(const QListWidget* list) {
  QStringList result;
  for (int i = 0; i < list->count(); ++i) result << list->item(i)->text();
  return result;
}

ProgramIoEntry entry(std::initializer_list<int> programs) {
  ProgramIoEntry e{};
  e.count = static_cast<int32_t>(programs.size());
  int i = 0;
  for (int p : programs) e.programs[i++] = p;
  return e;
}

class ProgramControl : public WorkspaceFixture {
 protected:
  void SetUp() override {
    useMockLink();
    useTransport(Transport::Net);
    dialog = std::make_unique<TPrammeForm>(*ws, prompt);
    table.lines[1] = entry({2, 0});
  }

  // "获取" against a controller holding `count` programs and `table`.
  void read(int count = 3) {
    ON_CALL(link, ProgramNumber(_)).WillByDefault(Return(count));
    ON_CALL(link, GetProgramIO(_, _)).WillByDefault(DoAll(SetArgPointee<1>(table), Return(0)));
    dialog->Button3->click();
  }

  // "下发", returning the table and line the link received.
  std::pair<ProgramIoTable, int> send(int result = 0) {
    ProgramIoTable sent{};
    int line = -99;
    EXPECT_CALL(link, ModProgramIO(_, _, _)).WillOnce([&](Transport, int l, ProgramIoTable* t) {
      sent = *t;
      line = l;
      return result;
    });
    dialog->Button4->click();
    return {sent, line};
  }

  void select(QListWidget* list, int row) { list->setCurrentRow(row); }

  std::unique_ptr<TPrammeForm> dialog;
  ProgramIoTable table{};
};

TEST_F(ProgramControl, ReadShowsAllProgramsAndEachLinesList) {
  table.lines[0] = entry({1});
  dialog->show();
  read(3);
  EXPECT_TRUE(prompt.messages.isEmpty());
  EXPECT_EQ(ws->ControllerProgramCount, 3);
  EXPECT_EQ(texts(dialog->ListBox1), QStringList({"节目1", "节目2", "节目3"}));
  EXPECT_EQ(dialog->ListBox1->selectedItems().value(0), dialog->ListBox1->item(0));
  EXPECT_EQ(dialog->ComboBox1->currentText(), QStringLiteral("IO1"));
  EXPECT_EQ(texts(dialog->ListBox2), QStringList{"节目2"});
  dialog->ComboBox1->setCurrentIndex(1);
  EXPECT_EQ(texts(dialog->ListBox2), QStringList({"节目3", "节目1"}));
}

TEST_F(ProgramControl, AssignInsertsAfterTheSelectionAndStopsAtSixteen) {
  dialog->show();
  read(3);
  dialog->ComboBox1->setCurrentIndex(1);  // 节目3, 节目1
  select(dialog->ListBox1, 1);
  select(dialog->ListBox2, 1);
  dialog->Button1->click();
  EXPECT_EQ(texts(dialog->ListBox2), QStringList({"节目3", "节目1", "节目2"}));
  dialog->ListBox2->clearSelection();
  select(dialog->ListBox1, 0);
  dialog->Button1->click();
  EXPECT_EQ(texts(dialog->ListBox2), QStringList({"节目3", "节目1", "节目2", "节目1"}));

  select(dialog->ListBox2, 0);
  dialog->Button2->click();
  EXPECT_EQ(texts(dialog->ListBox2), QStringList({"节目1", "节目2", "节目1"}));
  dialog->Button2->click();  // nothing selected any more
  EXPECT_EQ(dialog->ListBox2->count(), 3);

  select(dialog->ListBox1, 2);
  for (int i = 0; i < 13; ++i) dialog->Button1->click();
  EXPECT_EQ(dialog->ListBox2->count(), 16);
  EXPECT_TRUE(prompt.messages.isEmpty());
  dialog->Button1->click();
  EXPECT_EQ(dialog->ListBox2->count(), 16);
  EXPECT_EQ(prompt.messages, QStringList{"超出最大节目数"});

  const auto [sent, line] = send();
  EXPECT_EQ(line, 1);
  EXPECT_EQ(sent.lines[1].count, 16);
  EXPECT_EQ(sent.lines[1].programs[0], 0);
  EXPECT_EQ(sent.lines[1].programs[1], 1);
  EXPECT_EQ(sent.lines[1].programs[15], 2);
}

TEST_F(ProgramControl, SwitchingLinesDropsUnsentEditsAndKeepsSentOnes) {
  dialog->show();
  read(3);
  select(dialog->ListBox1, 2);
  dialog->Button1->click();  // IO1: 节目3, not sent
  dialog->ComboBox1->setCurrentIndex(1);
  dialog->ComboBox1->setCurrentIndex(0);
  EXPECT_TRUE(texts(dialog->ListBox2).isEmpty());

  dialog->Button1->click();
  send();
  dialog->ComboBox1->setCurrentIndex(1);
  dialog->ComboBox1->setCurrentIndex(0);
  EXPECT_EQ(texts(dialog->ListBox2), QStringList{"节目3"});
  EXPECT_EQ(prompt.messages, QStringList{"下发成功"});
}

// The lists show the names in the operator's language; they are read back into numbers.
TEST_F(ProgramControl, TranslatedNamesSendTheSameNumbers) {
  std::optional<TestTranslator> names(std::in_place, [](const char* context, const char*) {
    return qstrcmp(context, "ProgramIoRules") == 0 ? QStringLiteral("No. %1 program") : QString();
  });
  dialog->show();
  read(3);
  dialog->ComboBox1->setCurrentIndex(1);
  EXPECT_EQ(texts(dialog->ListBox2), QStringList({"No. 3 program", "No. 1 program"}));
  select(dialog->ListBox1, 1);
  dialog->Button1->click();
  const auto [sent, line] = send();
  names.reset();
  EXPECT_EQ(prompt.messages, QStringList{"下发成功"});
  EXPECT_EQ(line, 1);
  EXPECT_EQ(sent.lines[1].count, 3);
  EXPECT_EQ(sent.lines[1].programs[2], 1);
}

TEST_F(ProgramControl, SendCarriesTheChosenLineAndTheRestAsRead) {
  dialog->show();
  read(3);
  dialog->ComboBox1->setCurrentIndex(3);  // "IO4", nothing assigned
  auto [sent, line] = send();
  EXPECT_EQ(line, 3);
  EXPECT_EQ(sent.lines[3].count, 0);
  EXPECT_EQ(sent.lines[1].count, 2);
  EXPECT_EQ(sent.lines[1].programs[0], 2);

  // Shown again without "获取": the table is all empty, the chosen line kept.
  dialog->hide();
  dialog->show();
  EXPECT_EQ(dialog->ComboBox1->currentIndex(), 3);
  EXPECT_EQ(dialog->ListBox1->count(), 0);
  useTransport(Transport::Serial);
  std::tie(sent, line) = send();
  const ProgramIoTable empty{};
  EXPECT_EQ(std::memcmp(&sent, &empty, sizeof empty), 0);
}

TEST_F(ProgramControl, SendIsDisabledUntilALineIsChosen) {
  dialog->show();
  EXPECT_FALSE(dialog->Button4->isEnabled());
  EXPECT_CALL(link, ModProgramIO(_, _, _)).Times(0);
  dialog->Button4->click();
  read(0);
  EXPECT_TRUE(dialog->Button4->isEnabled());
}

// Counts outside what the lists can show never read past the table or list too much.
TEST_F(ProgramControl, OutOfRangeCountsAreBounded) {
  table.lines[0].count = 17;
  for (int i = 0; i < 16; ++i) table.lines[0].programs[i] = i;
  table.lines[1].count = -4;
  dialog->show();
  read(1000);
  EXPECT_EQ(dialog->ListBox1->count(), 255);
  EXPECT_EQ(dialog->ListBox1->item(254)->text(), QStringLiteral("节目255"));
  EXPECT_EQ(dialog->ListBox2->count(), 16);
  EXPECT_EQ(dialog->ListBox2->item(15)->text(), QStringLiteral("节目16"));
  dialog->ComboBox1->setCurrentIndex(1);
  EXPECT_EQ(dialog->ListBox2->count(), 0);
}

// A program number the controller should never hold is shown but not sent back.
TEST_F(ProgramControl, ABadNumberReadIsNotSentBack) {
  table.lines[0] = entry({-1, 4});
  dialog->show();
  read(3);
  EXPECT_EQ(texts(dialog->ListBox2), QStringList({"节目0", "节目5"}));
  EXPECT_CALL(link, ModProgramIO(_, _, _)).Times(0);
  dialog->Button4->click();
  EXPECT_EQ(prompt.messages, QStringList{"无效的节目：节目0，未下发"});
}

struct FailureRow {
  const char* name;
  Transport transport;
  bool countFails, readFails, sendFails;
  const char* message;
  bool staysConnected;
};

class ProgramControlFailure : public ProgramControl,
                              public ::testing::WithParamInterface<FailureRow> {};

TEST_P(ProgramControlFailure, ReportsOnceAndKeepsWhatWasShown) {
  const FailureRow& row = GetParam();
  useTransport(row.transport);
  dialog->show();
  read(2);  // a first good read: IO1 empty, the left list 节目1, 节目2
  ASSERT_TRUE(prompt.messages.isEmpty());
  const ProgramIoTable before = dialog->table();

  table.lines[0] = entry({1, 1});
  ON_CALL(link, ProgramNumber(_)).WillByDefault(Return(row.countFails ? -1 : 5));
  ON_CALL(link, GetProgramIO(_, _))
      .WillByDefault(DoAll(SetArgPointee<1>(table), Return(row.readFails ? 3 : 0)));
  if (row.sendFails) {
    send(4);
  } else {
    dialog->Button3->click();
    EXPECT_EQ(texts(dialog->ListBox1), QStringList({"节目1", "节目2"}));
    EXPECT_TRUE(texts(dialog->ListBox2).isEmpty());
    EXPECT_EQ(std::memcmp(&before, &dialog->table(), sizeof before), 0);
  }
  EXPECT_EQ(prompt.messages, QStringList{QString::fromUtf8(row.message)});
  EXPECT_EQ(ws->isConnected(), row.staysConnected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ProgramControlFailure,
    ::testing::Values(
        FailureRow{"CountNet", Transport::Net, true, false, false, "获取节目数失败", true},
        FailureRow{"ReadNet", Transport::Net, false, true, false, "获取失败", false},
        FailureRow{"ReadSerial", Transport::Serial, false, true, false, "获取失败", true},
        FailureRow{"SendNet", Transport::Net, false, false, true, "下发失败", false},
        FailureRow{"SendSerial", Transport::Serial, false, false, true, "下发失败", true}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ProgramIoRules, ParsesOnlyTheNamesItWrites) {
  using programio::programNumber;
  EXPECT_EQ(programNumber(QStringLiteral("节目1")), 0);
  EXPECT_EQ(programNumber(QStringLiteral("节目255")), 254);
  for (const char* bad : {"节目0", "节目256", "节目", "节目+3", "节目 3", "节目-1", "IO3"})
    EXPECT_EQ(programNumber(QString::fromUtf8(bad)), std::nullopt) << bad;
}

TEST_F(ProgramControl, OpensOnlyWhenConnectedWithTheHeartbeatPaused) {
  ws->markDisconnected();
  dialog->launch();
  EXPECT_EQ(prompt.messages, QStringList{"请先连接大屏"});
  EXPECT_FALSE(dialog->isVisible());

  ws->markConnected();
  bool pausedWhileShown = false;
  QTimer::singleShot(0, dialog.get(), [&] {
    pausedWhileShown = dialog->isVisible() && ws->heartbeatPaused();
    dialog->reject();
  });
  dialog->launch();
  EXPECT_TRUE(pausedWhileShown);
  EXPECT_FALSE(ws->heartbeatPaused());
}

}  // namespace
