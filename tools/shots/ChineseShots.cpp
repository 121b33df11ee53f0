// The standard boxes in the shots' language, and the main window connected to the virtual card:
// just after the connect, then with a program picked and the link in the status bar.
#include <gtest/gtest.h>
#include <QApplication>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include "Language.h"
#include "LinkLibraries.h"
#include "Mainface.h"
#include "ScreenShot.h"

namespace {

// Saves the modal dialog that `open` shows, then closes it.
void shootModal(const QString& file, const std::function<void()>& open) {
  QTimer::singleShot(600, [file] {
    QWidget* box = QApplication::activeModalWidget();
    if (!box) return;
    EXPECT_TRUE(box->grab().save(file)) << file.toStdString();
    box->close();
  });
  open();
}

TEST(ChineseShots, DialogsAndConnectedStatusBar) {
  const auto card = startShotCard(64, 32, 2);
  ASSERT_TRUE(card);

  ShotHome home;
  qputenv("LEDSIGN_HOME", home.path().toLocal8Bit());
  LinkLibraries libraries{QStringLiteral(LEDSIGN_BIN_DIR)};
  Workspace ws(home.path());
  ws.setLink(&libraries);
  DialogPrompt prompt;
  TMainForm main(ws, prompt);
  ws.commSettings.Transport = QStringLiteral("1");
  ws.commSettings.ControllerIp = QStringLiteral("127.0.0.1");
  ws.commSettings.ControllerPort = card->tcpPort();
  main.show();
  main.SpeedButton5->click();
  ASSERT_TRUE(main.isConnected());
  QCoreApplication::processEvents();
  EXPECT_TRUE(main.grab().save(shotFile(QStringLiteral("connected.png"))));
  main.SpeedButton1->click();
  main.TreeView1->setCurrentItem(main.TreeView1->topLevelItem(0)->child(0));
  main.TreeView1Click();
  QCoreApplication::processEvents();
  EXPECT_TRUE(main.grab().save(shotFile(QStringLiteral("status-connected.png"))));

  shootModal(shotFile(QStringLiteral("question-%1.png").arg(languageCode(currentLanguage()))), [&] {
    prompt.question(&main, QCoreApplication::translate("TMainForm", "是否格式化LED大屏!"));
  });
  shootModal(
      shotFile(QStringLiteral("file-dialog-%1.png").arg(languageCode(currentLanguage()))), [&] {
        prompt.openFile(&main, QCoreApplication::translate("TMainForm", "加载图片"),
                        QCoreApplication::translate("TMainForm", "BMP 图片 (*.bmp);;所有文件 (*)"));
      });
  shootModal(shotFile(QStringLiteral("font-dialog-%1.png").arg(languageCode(currentLanguage()))),
             [&] {
               prompt.chooseFont(&main, {QFont(QStringLiteral("宋体"), 12), QColor(255, 0, 0)});
             });
  main.SpeedButton4->click();
  card->stop();
}

}  // namespace
