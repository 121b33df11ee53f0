// Screenshots of the standard boxes in Chinese and of the status bar while connected to the
// virtual card, for a person to look at. Runs only when LEDSIGN_SHOTS names a folder for the PNG
// files, typically under Xvfb with QT_QPA_PLATFORM=xcb and --gtest_filter='ChineseShots.*'.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include "Card.h"
#include "LinkLibraries.h"
#include "Mainface.h"
#include "Prompt.h"
#include "TestHome.h"
#include "Translations.h"

namespace {

// Saves the modal dialog that `open` shows, then closes it.
void shootModal(const QString& file, const std::function<void()>& open) {
  QTimer::singleShot(600, [file] {
    QWidget* box = QApplication::activeModalWidget();
    if (!box) return;
    box->grab().save(file);
    box->close();
  });
  open();
}

TEST(ChineseShots, DialogsAndConnectedStatusBar) {
  const QString folder = qEnvironmentVariable("LEDSIGN_SHOTS");
  if (folder.isEmpty()) GTEST_SKIP() << "set LEDSIGN_SHOTS to a folder to write the screenshots";
  ASSERT_TRUE(QDir().mkpath(folder));
  ASSERT_TRUE(installQtChinese());

  signsim::CardOptions options;
  options.tcpPort = 0;
  options.pty = false;
  options.width = 64;
  options.height = 32;
  options.model = 2;
  signsim::Card card(options);
  std::string error;
  ASSERT_TRUE(card.start(&error)) << error;

  TestHome home;
  qputenv("LEDSIGN_HOME", home.path().toLocal8Bit());
  LinkLibraries libraries{QStringLiteral(LEDSIGN_BIN_DIR)};
  Workspace ws(home.path());
  ws.setLink(&libraries);
  DialogPrompt prompt;
  TMainForm main(ws, prompt);
  ws.commSettings.Transport = QStringLiteral("1");
  ws.commSettings.ControllerIp = QStringLiteral("127.0.0.1");
  ws.commSettings.ControllerPort = card.tcpPort();
  main.show();
  main.SpeedButton5->click();
  ASSERT_TRUE(main.isConnected());
  main.SpeedButton1->click();
  main.TreeView1->setCurrentItem(main.TreeView1->topLevelItem(0)->child(0));
  main.TreeView1Click();
  QCoreApplication::processEvents();
  main.grab().save(folder + QStringLiteral("/status-connected.png"));

  const auto path = [&](const char* name) {
    return folder + QLatin1Char('/') + QLatin1String(name);
  };
  shootModal(path("question-zh.png"),
             [&] { prompt.question(&main, QStringLiteral("是否格式化LED大屏!")); });
  shootModal(path("file-dialog-zh.png"), [&] {
    prompt.openFile(&main, QStringLiteral("加载图片"),
                    QStringLiteral("BMP 图片 (*.bmp);;所有文件 (*)"));
  });
  shootModal(path("font-dialog-zh.png"), [&] {
    prompt.chooseFont(&main, {QFont(QStringLiteral("宋体"), 12), QColor(255, 0, 0)});
  });
  main.SpeedButton4->click();
  card.stop();
  for (const char* name :
       {"status-connected.png", "question-zh.png", "file-dialog-zh.png", "font-dialog-zh.png"}) {
    EXPECT_TRUE(QFile::exists(path(name))) << name;
  }
}

}  // namespace
