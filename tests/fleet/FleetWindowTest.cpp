// The fleet window against virtual cards on loopback and a pseudo-terminal, driven by clicks;
// every job runs in the built ledsignctl.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "CardDiscovery.h"
#include "FleetModel.h"
#include "FleetWindow.h"
#include "ProgramStore.h"
#include "ScriptedPrompt.h"
#include "SignDialog.h"
#include "SignList.h"
#include "TestHome.h"
#include "TestTranslator.h"
#include "VirtualCard.h"
#include "protocol/Program.h"

namespace {

constexpr int kWaitMs = 60000;

// The card's programs, decoded, against the home's pictures: the number of LEDs that differ.
int differingLeds(signsim::Card& card, const ProgramStore& store, int count) {
  std::lock_guard lock(card.store().mutex());
  std::vector<nq::WireProgram> programs;
  if (card.store().programCount() != count ||
      !nq::parseProgramStream(card.store().programStream(), count, programs))
    return -1;
  int differ = 0;
  for (int k = 0; k < count; ++k) {
    const QImage want = store.readPicture(k);
    const nq::Image got = nq::decodeProgram(programs[size_t(k)]);
    if (got.width != want.width() || got.height != want.height()) return -1;
    for (int y = 0; y < got.height; ++y)
      for (int x = 0; x < got.width; ++x) {
        const uint8_t* p = got.px(x, y);
        differ += nq::ledColourOf(p[0], p[1], p[2]) != nq::exactLedColour(want.pixel(x, y));
      }
  }
  return differ;
}

QStringList column(FleetModel& model, int c) {
  QStringList texts;
  for (int r = 0; r < model.rowCount(); ++r) texts << model.index(r, c).data().toString();
  return texts;
}

}  // namespace

// Two healthy signs (TCP/IP and serial), one on a closed port, and one found by discovery whose
// size the library does not fit: a refresh and a send to all four mark each row on its own.
TEST(FleetWindow, DiscoversRefreshesAndSendsToCheckedSigns) {
  TestHome home;
  ProgramStore store(home.path());
  for (int n = 0; n < 2; ++n) addLitProgram(home.path(), n, {64, 32});
  auto tcp = startCard(loopbackCard(64, 32, 2, false));
  auto serial = startCard(loopbackCard(64, 32, 2, true));
  signsim::CardOptions wideOptions = loopbackCard(128, 32, 2, false);
  wideOptions.discoveryPort = 0;
  auto wide = startCard(wideOptions);
  ASSERT_TRUE(tcp && serial && wide);
  qputenv("NQ_DISCOVERY_PORT", QByteArray::number(wide->discoveryPort()));
  qputenv("NQ_DISCOVERY_WINDOW_MS", "300");

  SignEntry hall{QStringLiteral("门厅"), false, QStringLiteral("127.0.0.1"), tcp->tcpPort()};
  SignEntry yard{
      QStringLiteral("操场"), true, {}, 8000, QString::fromStdString(serial->ptyPath()), 115200};
  SignEntry gone{QStringLiteral("仓库"), false, QStringLiteral("127.0.0.1"), 1};
  SignList::save(home.path(), {hall, yard, gone});

  ScriptedPrompt prompt;
  FleetWindow window(store, prompt);
  window.setToolDirectory(QStringLiteral(LEDSIGN_BIN_DIR));
  QStringList offered;
  window.chooseAdapter = [&](const QStringList& addresses, const QStringList&) {
    offered = addresses;
    return QStringLiteral("127.0.0.1");
  };
  window.open();
  FleetModel& model = window.model();
  EXPECT_EQ(column(model, FleetModel::Name),
            (QStringList{QStringLiteral("门厅"), QStringLiteral("操场"), QStringLiteral("仓库")}));

  QTest::mouseClick(window.DiscoverButton, Qt::LeftButton);
  QTRY_COMPARE_WITH_TIMEOUT(model.rowCount(), 4, kWaitMs);
  EXPECT_TRUE(offered.contains(QStringLiteral("127.0.0.1")));
  EXPECT_EQ(model.sign(3).name, QStringLiteral("控制卡 127.0.0.1"));
  EXPECT_EQ(model.sign(3).linkText(), QStringLiteral("127.0.0.1:%1").arg(wide->tcpPort()));
  EXPECT_EQ(SignList::load(home.path()).signs, model.signs());
  QTRY_VERIFY_WITH_TIMEOUT(window.RefreshButton->isEnabled(), kWaitMs);

  QTest::mouseClick(window.RefreshButton, Qt::LeftButton);
  QTRY_VERIFY_WITH_TIMEOUT(!window.busy(), kWaitMs);
  EXPECT_EQ(column(model, FleetModel::Reachable),
            (QStringList{QStringLiteral("是"), QStringLiteral("是"), QStringLiteral("否"),
                         QStringLiteral("是")}));
  EXPECT_EQ(model.index(3, FleetModel::SizeModel).data().toString(),
            QStringLiteral("128×32 型号2"));

  for (int r = 0; r < 4; ++r) model.setData(model.index(r, 0), Qt::Checked, Qt::CheckStateRole);
  QTest::mouseClick(window.SendButton, Qt::LeftButton);
  QTRY_VERIFY_WITH_TIMEOUT(!window.busy(), kWaitMs);
  EXPECT_EQ(model.state(0), RowState::Succeeded);
  EXPECT_EQ(model.state(1), RowState::Succeeded);
  EXPECT_EQ(model.state(2), RowState::Failed);
  EXPECT_TRUE(model.reason(2).contains(QStringLiteral("连接失败")))
      << model.reason(2).toStdString();
  EXPECT_EQ(model.state(3), RowState::CannotSend);
  EXPECT_TRUE(model.reason(3).contains(QStringLiteral("128×32"))) << model.reason(3).toStdString();
  EXPECT_EQ(differingLeds(*tcp, store, 2), 0);
  EXPECT_EQ(differingLeds(*serial, store, 2), 0);
  EXPECT_EQ(differingLeds(*wide, store, 0), 0);
  EXPECT_TRUE(window.RetryButton->isEnabled());
  EXPECT_EQ(prompt.messages, QStringList());
  for (auto* card : {tcp.get(), serial.get(), wide.get()}) card->stop();
}

// A damaged list shows the loader's message and stays as it is until the operator changes the
// list; the sign dialog keeps an entry the list cannot hold and says why.
TEST(FleetWindow, ListIsWrittenOnlyWhenTheOperatorChangesIt) {
  TestHome home;
  const QByteArray garbage("\x01\x02[大屏0\n名称=");
  ASSERT_TRUE(home.write(QStringLiteral("signs.ini"), garbage));
  ProgramStore store(home.path());
  ScriptedPrompt prompt;
  FleetWindow window(store, prompt);
  window.open();
  EXPECT_EQ(window.model().rowCount(), 0);
  EXPECT_EQ(window.MessageLabel->text(), SignList::load(home.path()).message);
  EXPECT_FALSE(window.MessageLabel->text().isEmpty());
  EXPECT_EQ(home.read(QStringLiteral("signs.ini")), garbage);

  struct Entry {
    const char* name;
    const char* host;
    const char* error;  // shown in the dialog, empty when saved
  };
  const Entry entries[] = {
      {"", "127.0.0.1", "名称不能为空"}, {"门厅", "", "IP地址不能为空"},
      {"门厅", "127.0.0.1", ""},         {"门厅", "127.0.0.2", "名称“门厅”已被另一个大屏使用"},
      {"侧门", "127.0.0.2", ""},
  };
  for (const Entry& e : entries) {
    SCOPED_TRACE(e.name);
    if (!window.Dialog->isVisible()) QTest::mouseClick(window.AddButton, Qt::LeftButton);
    ASSERT_TRUE(window.Dialog->isVisible());
    window.Dialog->NameEdit->setText(QString::fromUtf8(e.name));
    window.Dialog->HostEdit->setText(QString::fromUtf8(e.host));
    QTest::mouseClick(window.Dialog->OkButton, Qt::LeftButton);
    EXPECT_EQ(window.Dialog->isVisible(), *e.error != 0);
    if (*e.error) {
      EXPECT_EQ(window.Dialog->ErrorLabel->text(), QString::fromUtf8(e.error));
    }
  }
  window.Dialog->reject();
  EXPECT_EQ(window.model().signs(), SignList::load(home.path()).signs);
  EXPECT_EQ(window.model().rowCount(), 2);
  EXPECT_TRUE(window.MessageLabel->isHidden());

  window.Table->selectRow(0);
  prompt.answers = {true};
  QTest::mouseClick(window.RemoveButton, Qt::LeftButton);
  EXPECT_EQ(prompt.questions, QStringList{QStringLiteral("是否删除大屏“门厅”？")});
  const std::vector<SignEntry> left = SignList::load(home.path()).signs;
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left[0].name, QStringLiteral("侧门"));
}

// The sign list is the same file in every language: a translator that rewords every text the
// program shows must not reach its sections, keys or the names given to cards found on the
// network.
TEST(FleetStoredTexts, ListFileIgnoresLanguage) {
  SignEntry hall{QStringLiteral("门厅"),         true,   {},           8000,
                 QStringLiteral("/dev/ttyUSB0"), 115200, QSize(64, 32)};
  auto write = [&](const QString& home) {
    std::vector<SignEntry> signs{hall};
    SignEntry found{{}, false, QStringLiteral("10.0.0.5")};
    for (const SignEntry& card : newCards({found}, signs)) signs.push_back(card);
    SignList::save(home, signs);
    QFile file(SignList::path(home));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  };
  QTemporaryDir chinese, reworded;
  const QByteArray want = write(chinese.path());
  std::optional<TestTranslator> translator(
      std::in_place, [](const char*, const char*) { return QStringLiteral("reworded"); });
  const QByteArray got = write(reworded.path());
  const LoadedSignList loaded = SignList::load(reworded.path());
  translator.reset();
  EXPECT_EQ(got, want);
  ASSERT_EQ(loaded.signs.size(), 2u);
  EXPECT_EQ(loaded.signs[1].name, QStringLiteral("控制卡 10.0.0.5"));
}
