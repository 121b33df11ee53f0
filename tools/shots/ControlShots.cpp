// The program-control dialog after "获取" and the upgrade dialog with its "升级成功" notice,
// against the virtual card over loopback TCP; each shot is the screen's region of the windows
// shown.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <mutex>

#include "Kernel.h"
#include "LinkLibraries.h"
#include "Pramme.h"
#include "Program.h"
#include "ScreenShot.h"
#include "Workspace.h"

namespace {

void settle(int ms) {
  QSignalSpy never(qApp, &QObject::destroyed);
  never.wait(ms);
}

TEST(ControlShots, ProgramControlAndUpgrade) {
  const auto card = startShotCard(64, 32, 2);
  ASSERT_TRUE(card);
  {
    // Five programs on the card and a list for "IO1".
    std::vector<uint8_t> stream;
    for (int i = 0; i < 5; ++i) nq::encodeProgram(stream, nq::Image(64, 32), nq::ProgramSettings{});
    ProgramIoTable io{};
    io.lines[0].count = 4;
    const int programs[] = {0, 2, 4, 2};
    std::copy(std::begin(programs), std::end(programs), io.lines[0].programs);
    std::lock_guard lock(card->store().mutex());
    ASSERT_TRUE(card->store().replacePrograms(5, stream));
    ASSERT_TRUE(card->store().setIoTable(io));
  }

  LinkLibraries link(QStringLiteral(LEDSIGN_BIN_DIR));
  ShotHome home;
  ShotPrompt prompt;
  Workspace ws(home.path());
  ASSERT_TRUE(connectShotCard(ws, link, *card));

  TPrammeForm control(ws, prompt);
  control.show();
  control.Button3->click();
  ASSERT_TRUE(prompt.messages.isEmpty()) << prompt.messages.join('|').toStdString();
  control.ListBox1->setCurrentRow(1);
  control.ListBox2->setCurrentRow(1);
  settle(500);
  shootScreen(shotFile(QStringLiteral("program-control.png")), {&control});
  control.hide();

  QByteArray image(40000, '\0');
  for (int i = 0; i < image.size(); ++i) image[i] = char(i * 13);
  QFile firmware(home.file(QStringLiteral("firmware.bin")));
  ASSERT_TRUE(firmware.open(QIODevice::WriteOnly) && firmware.write(image) == image.size());
  firmware.close();
  prompt.files.push_back(firmware.fileName());
  TKernelForm upgrade(ws, prompt);
  prompt.shot = shotFile(QStringLiteral("upgrade-done.png"));
  prompt.around = {&upgrade};
  // Without a window manager the box would hide the dialog: put it just below.
  prompt.prepare = [&](QWidget* box) {
    box->move(upgrade.frameGeometry().left(), upgrade.frameGeometry().bottom() + 12);
  };
  upgrade.show();
  settle(300);
  QSignalSpy finished(&upgrade, &TKernelForm::upgradeFinished);
  upgrade.Button1->click();
  ASSERT_TRUE(finished.wait(20000));
  EXPECT_EQ(prompt.messages, QStringList{QCoreApplication::translate("TKernelForm", "升级成功")});
  card->stop();
}

}  // namespace
