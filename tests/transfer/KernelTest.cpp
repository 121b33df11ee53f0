// The firmware upgrade dialog with a scripted link: what reaches the library, what the operator
// is told, and the connection state afterwards.
#include <gtest/gtest.h>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <future>

#include "Getpram.h"
#include "Kernel.h"
#include "Pramme.h"
#include "WorkspaceFixture.h"

using ::testing::_;
using ::testing::Return;

namespace {

class Upgrade : public WorkspaceFixture {
 protected:
  void SetUp() override {
    useMockLink();
    dialog = std::make_unique<TKernelForm>(*ws, prompt);
  }

  // A file of `size` bytes in the home, offered to the next file dialog.
  QString offer(const QString& name, qsizetype size) {
    QByteArray bytes(size, '\0');
    for (qsizetype i = 0; i < size; ++i) bytes[i] = char(i * 7 + 1);
    EXPECT_TRUE(home.write(name, bytes));
    prompt.files.push_back(home.file(name));
    return home.file(name);
  }

  // Presses "升级" and waits until the result has been shown.
  void upgrade() {
    QSignalSpy finished(dialog.get(), &TKernelForm::upgradeFinished);
    dialog->Button1->click();
    if (dialog->upgrading()) {
      ASSERT_TRUE(finished.wait(5000));
    }
  }

  std::unique_ptr<TKernelForm> dialog;
};

TEST_F(Upgrade, SerialHandsTheLibraryThePathWhateverItsSize) {
  useTransport(Transport::Serial);
  dialog->show();
  const QString path = offer(QStringLiteral("big.bin"), 200000);
  EXPECT_CALL(link, UpdateFile(path)).WillOnce(Return(0));
  EXPECT_CALL(link, UpdateBytes(_)).Times(0);
  EXPECT_CALL(link, Disnect()).Times(0);
  upgrade();
  EXPECT_EQ(prompt.messages, QStringList{"升级成功"});
  EXPECT_EQ(prompt.dialogTitles.size(), 1);
  EXPECT_EQ(dialog->ProgressBar1->value(), dialog->ProgressBar1->maximum());
  EXPECT_TRUE(ws->isConnected());
  EXPECT_TRUE(dialog->Button1->isEnabled());
}

struct NetRow {
  const char* name;
  int result;
  const char* message;
};

class NetUpgrade : public Upgrade, public ::testing::WithParamInterface<NetRow> {};

// Over TCP/IP the image goes as bytes, and the link is closed after success and failure alike.
TEST_P(NetUpgrade, SendsTheBytesThenClosesTheLink) {
  useTransport(Transport::Net);
  dialog->show();
  offer(QStringLiteral("fw.bin"), 131072);
  QByteArray sent;
  {
    ::testing::InSequence order;
    EXPECT_CALL(link, UpdateBytes(_)).WillOnce([&](const QByteArray& b) {
      sent = b;
      return GetParam().result;
    });
    EXPECT_CALL(link, Disnect()).WillOnce(Return(0));
  }
  upgrade();
  EXPECT_EQ(sent, home.read(QStringLiteral("fw.bin")));
  EXPECT_EQ(prompt.messages, QStringList{QString::fromUtf8(GetParam().message)});
  EXPECT_FALSE(ws->isConnected());
  EXPECT_TRUE(dialog->Button1->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Rows, NetUpgrade,
                         ::testing::Values(NetRow{"Success", 0, "升级成功"},
                                           NetRow{"Failure", 6, "升级失败"}),
                         [](const auto& row) { return std::string(row.param.name); });

struct RefusalRow {
  const char* name;
  Transport transport;
  qsizetype size;  // -1: no such file
  const char* message;
};

class RefusedImage : public Upgrade, public ::testing::WithParamInterface<RefusalRow> {};

// A file that would reach the controller cut, empty or not at all is refused: nothing is sent.
TEST_P(RefusedImage, IsNamedAndNothingIsSent) {
  const RefusalRow& row = GetParam();
  useTransport(row.transport);
  dialog->show();
  QString path = home.file(QStringLiteral("fw.bin"));
  if (row.size >= 0) {
    path = offer(QStringLiteral("fw.bin"), row.size);
  } else {
    prompt.files.push_back(path);
  }
  EXPECT_CALL(link, UpdateBytes(_)).Times(0);
  EXPECT_CALL(link, UpdateFile(_)).Times(0);
  EXPECT_CALL(link, Disnect()).Times(0);
  upgrade();
  EXPECT_EQ(prompt.messages, QStringList{QString::fromUtf8(row.message) + path});
  EXPECT_FALSE(dialog->upgrading());
  EXPECT_TRUE(dialog->Button1->isEnabled());
  EXPECT_TRUE(ws->isConnected());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RefusedImage,
    ::testing::Values(RefusalRow{"TooLargeForTcp", Transport::Net, 131073,
                                 "升级文件超过131072字节，无法通过TCP/IP升级："},
                      RefusalRow{"EmptyNet", Transport::Net, 0, "升级文件为空："},
                      RefusalRow{"EmptySerial", Transport::Serial, 0, "升级文件为空："},
                      RefusalRow{"MissingSerial", Transport::Serial, -1, "无法读取升级文件："}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(Upgrade, ACancelledFileChoiceStartsNothing) {
  useTransport(Transport::Net);
  dialog->show();
  offer(QStringLiteral("fw.bin"), 10);
  EXPECT_CALL(link, UpdateBytes(_)).WillOnce(Return(0));
  upgrade();
  ws->markConnected();
  prompt.messages.clear();
  // The second press: the dialog is cancelled (no file queued).
  dialog->Button1->click();
  EXPECT_FALSE(dialog->upgrading());
  EXPECT_TRUE(dialog->Button1->isEnabled());
  EXPECT_TRUE(prompt.messages.isEmpty());
  EXPECT_TRUE(ws->isConnected());
  EXPECT_EQ(prompt.dialogTitles.size(), 2);
}

// The worker is never abandoned: while it runs, nothing closes the dialog. The bar waits at 28
// of 30 until the library's progress query answers, then shows its bytes.
TEST_F(Upgrade, RefusesToCloseWhileTheUpgradeRunsAndShowsItsProgress) {
  useTransport(Transport::Net);
  dialog->show();
  offer(QStringLiteral("fw.bin"), 10);
  std::atomic<bool> answers{false};
  ON_CALL(link, Progress(Transport::Net, _, _))
      .WillByDefault([&](Transport, int* done, int* total) {
        if (!answers) return false;
        *done = 500;
        *total = 1000;
        return true;
      });
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  EXPECT_CALL(link, UpdateBytes(_)).WillOnce([released](const QByteArray&) {
    released.wait();
    return 0;
  });
  QSignalSpy finished(dialog.get(), &TKernelForm::upgradeFinished);
  dialog->Button1->click();
  ASSERT_TRUE(dialog->upgrading());
  EXPECT_FALSE(dialog->Button1->isEnabled());
  for (int i = 0; i < 40; ++i) dialog->Timer1Timer();
  EXPECT_EQ(dialog->ProgressBar1->value(), 28);
  answers = true;
  QSignalSpy moved(&dialog->progress(), &TransferProgress::changed);
  ASSERT_TRUE(moved.wait(5000));
  EXPECT_EQ(dialog->ProgressBar1->maximum(), 1000);
  EXPECT_EQ(dialog->ProgressBar1->value(), 500);

  dialog->Button2->click();
  dialog->close();
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(prompt.messages.size(), 2);

  release.set_value();
  ASSERT_TRUE(finished.wait(5000));
  EXPECT_EQ(prompt.messages.last(), QStringLiteral("升级成功"));
  dialog->Button2->click();
  EXPECT_FALSE(dialog->isVisible());
}

TEST_F(Upgrade, OpensOnlyWhenConnectedWithTheHeartbeatPaused) {
  ws->markDisconnected();
  dialog->launch();
  EXPECT_EQ(prompt.messages, QStringList{"请先连接大屏"});

  ws->markConnected();
  bool pausedWhileShown = false;
  QTimer::singleShot(0, dialog.get(), [&] {
    pausedWhileShown = dialog->isVisible() && ws->heartbeatPaused() &&
                       dialog->size() == QSize(301, 109) && dialog->Button1->isEnabled();
    dialog->Button2->click();
  });
  dialog->launch();
  EXPECT_TRUE(pausedWhileShown);
  EXPECT_FALSE(ws->heartbeatPaused());
}

// Return presses the action button of each dialog; the firmware dialog opens in the middle of
// the screen, wherever its owner is.
TEST_F(Upgrade, ReturnPressesTheActionButtonOfEachDialog) {
  QWidget owner;
  owner.setGeometry(0, 0, 120, 80);
  owner.show();
  TKernelForm kernel(*ws, prompt, &owner);
  TGetPramForm fetch(*ws, prompt, &owner);
  TPrammeForm io(*ws, prompt, &owner);
  for (QPushButton* action : {kernel.Button1, fetch.Button1, io.Button3}) {
    action->window()->show();
    QSignalSpy pressed(action, &QPushButton::clicked);
    QTest::keyClick(action->window(), Qt::Key_Return);
    EXPECT_EQ(pressed.count(), 1) << action->window()->windowTitle().toStdString();
  }
  fetch.waitForTransfer();
  EXPECT_EQ(kernel.frameGeometry().center(), kernel.screen()->availableGeometry().center());
}

}  // namespace
