// The program-control and upgrade dialogs against the virtual card, in-process, through the real
// link libraries over loopback TCP and a pseudo-terminal.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <mutex>

#include "Kernel.h"
#include "LinkLibraries.h"
#include "Pramme.h"
#include "Protocol.h"
#include "VirtualCard.h"
#include "WorkspaceFixture.h"

namespace {

class CardTransfer : public WorkspaceFixture, public ::testing::WithParamInterface<Transport> {
 protected:
  void SetUp() override {
    signsim::CardOptions options;  // the card's own size and model, on loopback and a pty
    options.pace = false;
    ASSERT_TRUE(startCard(options));
    ASSERT_TRUE(connectCard(GetParam()));
  }
};

TEST_P(CardTransfer, InputLineTableRoundTrip) {
  ProgramIoTable stored{};
  stored.lines[1].count = 2;
  stored.lines[1].programs[0] = 2;
  stored.lines[1].programs[1] = 0;
  stored.lines[5].count = 1;
  stored.lines[5].programs[0] = 7;
  {
    std::lock_guard lock(card->store().mutex());
    ASSERT_TRUE(card->store().setIoTable(stored));
  }

  TPrammeForm dialog(*ws, prompt);
  dialog.show();
  dialog.Button3->click();
  dialog.ComboBox1->setCurrentIndex(1);
  ASSERT_EQ(dialog.ListBox2->count(), 2);
  EXPECT_EQ(dialog.ListBox2->item(0)->text(), QStringLiteral("节目3"));
  dialog.ListBox2->setCurrentRow(0);
  dialog.Button2->click();
  dialog.Button4->click();
  EXPECT_EQ(prompt.messages, QStringList{"下发成功"});

  ProgramIoTable held{};
  {
    std::lock_guard lock(card->store().mutex());
    held = card->store().ioTable();
  }
  EXPECT_EQ(held.lines[1].count, 1);
  EXPECT_EQ(held.lines[1].programs[0], 0);
  EXPECT_EQ(held.lines[5].count, 1);
  EXPECT_EQ(held.lines[5].programs[0], 7);

  TPrammeForm again(*ws, prompt);
  again.show();
  again.Button3->click();
  again.ComboBox1->setCurrentIndex(5);
  ASSERT_EQ(again.ListBox2->count(), 1);
  EXPECT_EQ(again.ListBox2->item(0)->text(), QStringLiteral("节目8"));
  EXPECT_TRUE(ws->isConnected());
}

TEST_P(CardTransfer, UpgradeChangesTheReportedVersion) {
  const QString before = libraries().GetVersion(GetParam());
  QByteArray image(70000, '\0');
  for (int i = 0; i < image.size(); ++i) image[i] = char((i * 31) ^ (i >> 8));
  ASSERT_TRUE(home.write(QStringLiteral("fw.bin"), image));
  prompt.files.push_back(home.file(QStringLiteral("fw.bin")));

  TKernelForm dialog(*ws, prompt);
  dialog.show();
  QSignalSpy finished(&dialog, &TKernelForm::upgradeFinished);
  dialog.Button1->click();
  ASSERT_TRUE(finished.wait(20000));
  EXPECT_EQ(prompt.messages, QStringList{"升级成功"});
  EXPECT_EQ(ws->isConnected(), GetParam() == Transport::Serial);

  if (!ws->isConnected()) {
    ASSERT_TRUE(connectCard(GetParam()));
  }
  const uint32_t crc = nq::crc32(
      std::span(reinterpret_cast<const uint8_t*>(image.constData()), size_t(image.size())));
  const QString after = libraries().GetVersion(GetParam());
  EXPECT_NE(after, before);
  EXPECT_EQ(after, QStringLiteral("FW-") +
                       QString::number(crc, 16).rightJustified(8, QLatin1Char('0')).toUpper());
  std::lock_guard lock(card->store().mutex());
  EXPECT_EQ(card->store().firmware().size(), size_t(image.size()));
}

INSTANTIATE_TEST_SUITE_P(Transports, CardTransfer,
                         ::testing::Values(Transport::Serial, Transport::Net), [](const auto& row) {
                           return row.param == Transport::Serial ? "Serial" : "Tcp";
                         });

}  // namespace
