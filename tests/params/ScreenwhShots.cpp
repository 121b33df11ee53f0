// Pictures of the nine pages after "获取" from the virtual card, for a person to look at. Runs
// only when LEDSIGN_PARAMS_SHOTS names a folder for the PNG files, typically under Xvfb with
// QT_QPA_PLATFORM=xcb and --gtest_filter='*ParamShots*'.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QTabWidget>

#include "CardFixture.h"

namespace {

using ParamShots = CardParams;

TEST_P(ParamShots, EveryPageAfterRead) {
  const QString folder = qEnvironmentVariable("LEDSIGN_PARAMS_SHOTS");
  if (folder.isEmpty()) GTEST_SKIP() << "set LEDSIGN_PARAMS_SHOTS to a folder for the pictures";
  ASSERT_TRUE(QDir().mkpath(folder));
  for (int i = 0; i < dialog->PageControl1->count(); ++i) {
    dialog->PageControl1->setCurrentIndex(i);
    QWidget* page = dialog->PageControl1->widget(i);
    for (QAbstractButton* b : page->findChildren<QAbstractButton*>())
      if (b->text() == QStringLiteral("获取")) b->click();
    QApplication::processEvents();
    const QString name = QStringLiteral("%1/params-%2.png").arg(folder).arg(i + 1);
    ASSERT_TRUE(dialog->grab().save(name)) << name.toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(Card, ParamShots, ::testing::Values(Transport::Net), transportName);

}  // namespace
