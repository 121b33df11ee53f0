// The parameter dialog's nine pages after "获取" from the virtual card over TCP/IP, one picture
// each (params-1.png … params-9.png; scripts/shots.sh puts them together).
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QTabWidget>

#include "LinkLibraries.h"
#include "ScreenShot.h"
#include "Screenwh.h"
#include "Workspace.h"

namespace {

TEST(ParamShots, EveryPageAfterRead) {
  const auto card = startShotCard(96, 48, 2);
  ASSERT_TRUE(card);
  LinkLibraries link(QStringLiteral(LEDSIGN_BIN_DIR));
  ShotHome home;
  ShotPrompt prompt;
  Workspace ws(home.path());
  ASSERT_TRUE(connectShotCard(ws, link, *card));
  ws.ScreenWidth = 96;
  ws.ScreenHeight = 48;
  ws.ControllerModel = 2;

  TScreenWHForm dialog(ws, prompt);
  dialog.show();
  for (int i = 0; i < dialog.PageControl1->count(); ++i) {
    dialog.PageControl1->setCurrentIndex(i);
    QWidget* page = dialog.PageControl1->widget(i);
    for (QAbstractButton* b : page->findChildren<QAbstractButton*>())
      if (b->text() == QCoreApplication::translate("ClockPage", "获取")) b->click();
    QApplication::processEvents();
    const QString name = shotFile(QStringLiteral("params-%1.png").arg(i + 1));
    ASSERT_TRUE(dialog.grab().save(name)) << name.toStdString();
  }
  link.Disnect();
  card->stop();
}

}  // namespace
