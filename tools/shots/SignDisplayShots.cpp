// The application beside the virtual card's sign window, the sign part way through a text
// program entering in "左移": beside it on a screen wide enough, else below it.

#include <QComboBox>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include "LinkLibraries.h"
#include "Mainface.h"
#include "ProgramStore.h"
#include "ScreenShot.h"
#include "SendRecord.h"
#include "SignWindow.h"
#include "TextRender.h"
#include "Workspace.h"

namespace {

TEST(SignDisplayShots, ApplicationBesideTheSignPlayingATextProgram) {
  const auto card = startShotCard(128, 32, 2);
  ASSERT_TRUE(card);
  {
    std::lock_guard lock(card->store().mutex());
    auto& c = card->store().config();
    c.brightness = 28;
    c.onOff[0] = c.onOff[2] = 0;
  }

  // The operator's program: a text page made by the text renderer, played in "左移".
  ShotHome home;
  ShotPrompt prompt;
  Workspace ws(home.path());
  TMainForm main(ws, prompt);
  ws.ScreenWidth = 128;
  ws.ScreenHeight = 32;
  main.SpeedButton1->click();
  QTextDocument doc;
  doc.setDefaultFont(QFont(QStringLiteral("宋体"), 12));
  doc.setHtml(
      QStringLiteral("<p align=center><span style='color:#ff0000'>欢迎</span>"
                     "<span style='color:#ffff00'>光临</span>"
                     "<span style='color:#008000'>本店</span></p>"));
  const QImage page = ledtext::placeTextBand(ledtext::renderRichText(doc, {128, 32}), 1);
  main.store().writePicture(0, page);
  main.store().writeSettings(0, {128, 32, colourClass(page), 1, 0, 5});
  main.RebuildProgramList();
  main.move(0, 0);
  main.show();
  QTreeWidgetItem* program = main.TreeView1->topLevelItem(0)->child(0);  // 节目1
  ASSERT_NE(program, nullptr);
  const QRect item = main.TreeView1->visualItemRect(program);
  QTest::mouseClick(main.TreeView1->viewport(), Qt::LeftButton, {}, item.center());

  // Sent as the send window sends it: the library's files through the link library.
  LinkLibraries link(QStringLiteral(LEDSIGN_BIN_DIR));
  ASSERT_EQ(link.Connect(QStringLiteral("127.0.0.1"), card->tcpPort()), 0);
  ASSERT_EQ(link.ModProgram(Transport::Net, buildSendRecord(main.store(), 1).get()), 0);
  link.Disnect();
  // The status bar names the link the library was sent over.
  ws.commSettings.Transport = QStringLiteral("1");
  ws.commSettings.ControllerIp = QStringLiteral("127.0.0.1");
  ws.commSettings.ControllerPort = card->tcpPort();
  {
    std::lock_guard lock(card->store().mutex());
    ws.ControllerModel = card->store().config().model;
  }
  ws.markConnected();

  signsim::SignWindow sign(card->store(), {});
  sign.timer->stop();  // the steps below stand in for the timer
  sign.adjustSize();
  // Beside the application where the screen is wide enough, else below it.
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  if (main.frameGeometry().right() + sign.frameGeometry().width() < screen.right())
    sign.move(main.frameGeometry().right() + 1, 0);
  else
    sign.move(0, main.frameGeometry().bottom() + 1);
  sign.show();
  for (int tick = 0; tick < 80; ++tick) sign.step();  // the page part way in from the right
  QTest::qWait(500);

  const QString path = shotFile(QStringLiteral("sign-display.png"));
  // The two windows as the screen shows them, on the windows' ground where neither is.
  const QRect both = main.frameGeometry().united(sign.frameGeometry());
  QPixmap shot(both.size());
  shot.fill(main.palette().window().color());
  QPainter painter(&shot);
  for (const QWidget* w : {static_cast<QWidget*>(&main), static_cast<QWidget*>(&sign)}) {
    const QRect r = w->frameGeometry();
    painter.drawPixmap(r.topLeft() - both.topLeft(), QGuiApplication::primaryScreen()->grabWindow(
                                                         0, r.x(), r.y(), r.width(), r.height()));
  }
  painter.end();
  ASSERT_TRUE(shot.save(path)) << path.toStdString();
  card->stop();
}

}  // namespace
