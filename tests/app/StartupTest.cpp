#include <gtest/gtest.h>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QWindow>
#include <algorithm>

#include "Commconfig.h"
#include "HomeLock.h"
#include "Language.h"
#include "MainWindowFixture.h"
#include "Prompt.h"
#include "Wordsedit.h"

namespace {

// Qt's standard buttons speak Chinese once the application has loaded Qt's translations.
TEST(QtChinese, MessageBoxButtonsReadChinese) {
  ASSERT_TRUE(installLanguage(Language::Chinese))
      << "qtbase_zh_CN.qm missing (Debian qt6-translations-l10n)";
  QMessageBox box(QMessageBox::Question, QStringLiteral("提示"), QStringLiteral("是否删除?"),
                  QMessageBox::Ok | QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
  EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')).left(1),
            QStringLiteral("是"));
  EXPECT_EQ(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')).left(1),
            QStringLiteral("否"));
}

// The file dialog's type, size and date columns follow the application's language, not the
// system's locale or a text Qt's translation lacks.
TEST(QtChinese, FileDialogColumnsReadChinese) {
  ASSERT_TRUE(installLanguage(Language::Chinese));
  QTemporaryDir folder;
  ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("图片")));
  QFile file(folder.filePath(QStringLiteral("a.bmp")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(QByteArray(2048, 'x')) == 2048);
  file.close();

  auto dialog = newFileDialog(nullptr, QStringLiteral("加载图片"), QStringLiteral("BMP (*.bmp)"));
  dialog->setDirectory(folder.path());
  dialog->show();
  auto* view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
  ASSERT_NE(view, nullptr);
  QAbstractItemModel* model = view->model();
  const QModelIndex root = view->rootIndex();
  ASSERT_TRUE(QTest::qWaitFor([&] { return model->rowCount(root) == 2; }, 5000));
  const QLocale chinese(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China);
  for (int row = 0; row < 2; ++row) {
    const QFileInfo info(
        QDir(folder.path()).filePath(model->index(row, 0, root).data().toString()));
    const auto column = [&](int c) { return model->index(row, c, root).data().toString(); };
    EXPECT_EQ(column(3), chinese.toString(info.lastModified(), QLocale::ShortFormat));
    if (info.isDir()) {
      EXPECT_EQ(column(2), QStringLiteral("文件夹"));
    } else {
      EXPECT_EQ(column(1), chinese.formattedDataSize(2048));
    }
  }
}

// The font dialog opens on the face's upright style for upright text, whatever the face calls its
// styles: OK without a change must not slant the text.
TEST(FontDialog, OpensUprightForUprightText) {
  for (const QString& family : QFontDatabase::families()) {
    const QStringList styles = QFontDatabase::styles(family);
    if (std::none_of(styles.begin(), styles.end(), [&](const QString& s) {
          return QFontDatabase::font(family, s, 12).style() == QFont::StyleNormal;
        }))
      continue;
    QFontDialog dialog(withFaceStyle(QFont(family, 12)));
    EXPECT_EQ(dialog.currentFont().style(), QFont::StyleNormal) << family.toStdString();
  }
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

// The editor holds its home from before it empties the library until it ends: a second start
// there is refused, naming the home; the lock an editor leaves when it dies is taken over.
TEST(OneEditorPerHome, ASecondStartIsRefusedAndADeadEditorsLockTakenOver) {
  TestHome home;
  ASSERT_TRUE(home.write("Program/0.bmp", "an earlier run's picture"));
  QProcess editor;
  editor.start(QStringLiteral(LEDSIGN_PATH), {QStringLiteral("--home"), home.path()});
  ASSERT_TRUE(QTest::qWaitFor([&] { return !home.exists("Program/0.bmp"); }, 60000));
  HomeLock second(home.path());
  EXPECT_FALSE(second.tryLock());
  EXPECT_TRUE(second.refusal().contains(QDir::toNativeSeparators(home.path())));
  editor.kill();
  ASSERT_TRUE(editor.waitForFinished() && home.exists(HomeLock::FileName));
  EXPECT_TRUE(second.tryLock());
}

}  // namespace
