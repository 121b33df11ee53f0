#include <gtest/gtest.h>
#include <QMessageBox>
#include <QPushButton>
#include <QWindow>

#include "Commconfig.h"
#include "MainWindowFixture.h"
#include "Translations.h"
#include "Wordsedit.h"

namespace {

// Qt's standard buttons speak Chinese once the application has loaded Qt's translations.
TEST(QtChinese, MessageBoxButtonsReadChinese) {
  ASSERT_TRUE(installQtChinese()) << "qtbase_zh_CN.qm missing (Debian qt6-translations-l10n)";
  QMessageBox box(QMessageBox::Question, QStringLiteral("提示"), QStringLiteral("是否删除?"),
                  QMessageBox::Ok | QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
  EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')).left(1),
            QStringLiteral("是"));
  EXPECT_EQ(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')).left(1),
            QStringLiteral("否"));
}

// The settings window and the editor, made as the application makes them, stay above the main
// window: the window system knows them as its transients.
TEST_F(MainWindow, SecondaryWindowsStayAboveTheMainWindow) {
  TCommForm comm(*ws, prompt, form.get());
  TWordsForm words(*ws, prompt, form.get());
  words.setWindowFlag(Qt::Window);
  for (QWidget* window : {static_cast<QWidget*>(&comm), static_cast<QWidget*>(&words)}) {
    window->show();
    ASSERT_NE(window->windowHandle(), nullptr);
    EXPECT_EQ(window->windowHandle()->transientParent(), form->windowHandle())
        << window->metaObject()->className();
  }
}

}  // namespace
