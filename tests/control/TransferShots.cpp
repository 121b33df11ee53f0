// Screenshots of the program-control dialog after "获取" and of the upgrade dialog with its
// "升级成功" notice, against the virtual card, for a person to look at. Runs only when
// LEDSIGN_TRANSFER_SHOTS names a folder, under Xvfb with QT_QPA_PLATFORM=xcb and
// --gtest_filter='TransferShots.*'; each shot is the screen's region of the windows shown.
#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <mutex>

#include "Card.h"
#include "Kernel.h"
#include "LinkLibraries.h"
#include "Pramme.h"
#include "Program.h"
#include "Prompt.h"
#include "ScreenShot.h"
#include "TestHome.h"
#include "Translations.h"
#include "Workspace.h"

namespace {

// Real "提示" boxes; the first one shown is photographed with `owner`, then closed.
class ShotPrompt final : public Prompt {
 public:
  QString shotFile;
  QStringList messages;
  QStringList files;

  void message(QWidget* owner, const QString& text) override {
    messages << text;
    if (!shotFile.isEmpty()) {
      QTimer::singleShot(500, [this, owner] {
        QWidget* box = QApplication::activeModalWidget();
        // Without a window manager the box would hide the dialog: put it just below.
        if (box) box->move(owner->frameGeometry().left(), owner->frameGeometry().bottom() + 12);
        QTimer::singleShot(300, [this, owner, box] {
          shootScreen(shotFile, {owner, box});
          shotFile.clear();
          if (box) box->close();
        });
      });
    } else {
      QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
      });
    }
    real_.message(owner, text);
  }
  bool question(QWidget*, const QString&) override { return false; }
  QString openFile(QWidget*, const QString&, const QString&) override {
    return files.isEmpty() ? QString() : files.takeFirst();
  }
  QString chooseFolder(QWidget*, const QString&) override { return {}; }
  std::optional<FontChoice> chooseFont(QWidget*, const FontChoice&) override {
    return std::nullopt;
  }

 private:
  DialogPrompt real_;
};

void settle(int ms) {
  QSignalSpy never(qApp, &QObject::destroyed);
  never.wait(ms);
}

TEST(TransferShots, ProgramControlAndUpgrade) {
  const QString folder = qEnvironmentVariable("LEDSIGN_TRANSFER_SHOTS");
  if (folder.isEmpty()) GTEST_SKIP() << "set LEDSIGN_TRANSFER_SHOTS to a folder for the shots";
  ASSERT_TRUE(QDir().mkpath(folder));
  ASSERT_TRUE(installQtChinese());

  signsim::CardOptions options;
  options.tcpPort = 0;
  options.pty = false;
  signsim::Card card(options);
  std::string error;
  ASSERT_TRUE(card.start(&error)) << error;
  {
    // Five programs on the card and a list for "IO1".
    std::vector<uint8_t> stream;
    for (int i = 0; i < 5; ++i) nq::encodeProgram(stream, nq::Image(64, 32), nq::ProgramSettings{});
    ProgramIoTable io{};
    io.lines[0].count = 4;
    const int programs[] = {0, 2, 4, 2};
    std::copy(std::begin(programs), std::end(programs), io.lines[0].programs);
    std::lock_guard lock(card.store().mutex());
    ASSERT_TRUE(card.store().replacePrograms(5, stream));
    ASSERT_TRUE(card.store().setIoTable(io));
  }

  LinkLibraries link(QStringLiteral(LEDSIGN_BIN_DIR));
  TestHome home;
  ShotPrompt prompt;
  Workspace ws(home.path());
  ws.setLink(&link);
  ws.commSettings.Transport = QStringLiteral("1");
  ASSERT_EQ(link.Connect(QStringLiteral("127.0.0.1"), card.tcpPort()), 0);
  ws.markConnected();

  TPrammeForm control(ws, prompt);
  control.show();
  control.Button3->click();
  ASSERT_TRUE(prompt.messages.isEmpty()) << prompt.messages.join('|').toStdString();
  control.ListBox1->setCurrentRow(1);
  control.ListBox2->setCurrentRow(1);
  settle(500);
  shootScreen(QDir(folder).filePath(QStringLiteral("program-control.png")), {&control});
  control.hide();

  QByteArray image(40000, '\0');
  for (int i = 0; i < image.size(); ++i) image[i] = char(i * 13);
  ASSERT_TRUE(home.write(QStringLiteral("firmware.bin"), image));
  prompt.files << home.file(QStringLiteral("firmware.bin"));
  prompt.shotFile = QDir(folder).filePath(QStringLiteral("upgrade-done.png"));
  TKernelForm upgrade(ws, prompt);
  upgrade.show();
  settle(300);
  QSignalSpy finished(&upgrade, &TKernelForm::upgradeFinished);
  upgrade.Button1->click();
  ASSERT_TRUE(finished.wait(20000));
  EXPECT_EQ(prompt.messages, QStringList{"升级成功"});
  card.stop();
}

}  // namespace
