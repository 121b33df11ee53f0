#include <QDir>
#include <QTemporaryDir>

#include "MainWindowFixture.h"

namespace {

class ExportImport : public MainWindow {
 protected:
  QTemporaryDir folder;
  QString in(const QString& name) { return QDir(folder.path()).filePath(name); }
  QByteArray readIn(const QString& name) {
    QFile f(in(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void writeIn(const QString& name, const QByteArray& bytes) {
    QFile f(in(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  // Three programs with different pictures and play modes.
  void makeThree() {
    for (int k = 0; k < 3; ++k) {
      form->ComboBox2->setCurrentIndex(k + 2);
      form->SpeedButton1->click();
      QImage img(32, 32, QImage::Format_RGB32);
      img.fill(qRgb(k * 100, 0, 0));
      form->store().writePicture(k, img);
    }
  }
  void exportTo(const QString& path) {
    prompt.folders = {path};
    form->O1->trigger();
  }
  void importFrom(const QString& path) {
    prompt.folders = {path};
    form->I1->trigger();
  }
};

TEST_F(ExportImport, EmptyLibraryRefusesWithoutADialog) {
  form->O1->trigger();
  EXPECT_EQ(prompt.messages, QStringList{QStringLiteral("导出节目不能为空")});
  EXPECT_TRUE(prompt.dialogTitles.isEmpty());
}

TEST_F(ExportImport, SurvivesARestartByteForByte) {
  makeThree();
  writeIn("5.bmp", "stray");
  exportTo(folder.path());
  EXPECT_EQ(prompt.dialogTitles, QStringList{QStringLiteral("导出到文件夹")});
  EXPECT_EQ(prompt.messages, QStringList{QStringLiteral("导出节目成功")});
  EXPECT_EQ(readIn("5.bmp"), "stray");
  QByteArray pictures[3];
  for (int k = 0; k < 3; ++k) pictures[k] = home.read(QStringLiteral("Program/%1.bmp").arg(k));
  const QByteArray settings = home.read("Program/set.ini");
  for (int k = 0; k < 3; ++k) EXPECT_EQ(readIn(QStringLiteral("%1.bmp").arg(k)), pictures[k]);
  EXPECT_EQ(readIn("set.ini"), settings);

  start();  // a new run wipes the library
  EXPECT_FALSE(home.exists("Program/0.bmp"));
  prompt.messages.clear();
  QFile::remove(in("5.bmp"));
  importFrom(folder.path());
  EXPECT_EQ(prompt.messages, QStringList{QStringLiteral("导入节目成功")});
  EXPECT_EQ(ws->ProgramCount, 3);
  EXPECT_EQ(captions(), (QStringList{"新节目表", "节目1", "发布信息", "节目2", "发布信息", "节目3",
                                     "发布信息"}));
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(home.read(QStringLiteral("Program/%1.bmp").arg(k)), pictures[k]) << k;
  }
  EXPECT_EQ(home.read("Program/set.ini"), settings);
  EXPECT_EQ(QDir(home.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{"Program"});
}

TEST_F(ExportImport, ImportStopsAtTheFirstGapAndAcceptsAnEmptyLibrary) {
  for (const char* name : {"0.bmp", "1.bmp", "3.bmp"}) writeIn(name, name);
  writeIn("set.ini", "[x]\r\n");
  importFrom(folder.path());
  EXPECT_EQ(ws->ProgramCount, 2);
  EXPECT_EQ(captions(), (QStringList{"新节目表", "节目1", "发布信息", "节目2", "发布信息"}));
  EXPECT_FALSE(home.exists("Program/3.bmp"));

  QTemporaryDir onlySettings;
  QFile::copy(in("set.ini"), QDir(onlySettings.path()).filePath("set.ini"));
  prompt.messages.clear();
  importFrom(onlySettings.path());
  EXPECT_EQ(ws->ProgramCount, 0);
  EXPECT_EQ(captions(), QStringList{"新节目表"});
  EXPECT_EQ(prompt.messages, QStringList{QStringLiteral("导入节目成功")});
}

TEST_F(ExportImport, ImportRefusesAFolderWithoutSettingsAndChangesNothing) {
  makeThree();
  const QByteArray picture0 = home.read("Program/0.bmp");
  writeIn("0.bmp", "other picture");
  importFrom(folder.path());
  ASSERT_EQ(prompt.messages.size(), 1);
  EXPECT_TRUE(prompt.messages.front().contains(QStringLiteral("set.ini")));
  EXPECT_EQ(home.read("Program/0.bmp"), picture0);
  EXPECT_EQ(ws->ProgramCount, 3);
}

TEST_F(ExportImport, FailedCopiesAreReportedAndLoseNothing) {
  makeThree();
  // A directory standing where the export must write 1.bmp.
  QDir(folder.path()).mkpath("1.bmp/inside");
  exportTo(folder.path());
  ASSERT_EQ(prompt.messages.size(), 1);
  EXPECT_TRUE(prompt.messages.front().contains(QStringLiteral("导出失败")));
  EXPECT_TRUE(prompt.messages.front().contains(QStringLiteral("1.bmp")));
  EXPECT_TRUE(QFileInfo(in("1.bmp/inside")).isDir());

  // An import whose second picture cannot be read leaves the library as it was.
  writeIn("0.bmp", "new 0");
  writeIn("set.ini", "new settings");
  QByteArray before[3];
  for (int k = 0; k < 3; ++k) before[k] = home.read(QStringLiteral("Program/%1.bmp").arg(k));
  const QByteArray settings = home.read("Program/set.ini");
  prompt.messages.clear();
  importFrom(folder.path());
  ASSERT_EQ(prompt.messages.size(), 1);
  EXPECT_TRUE(prompt.messages.front().contains(QStringLiteral("导入失败")));
  for (int k = 0; k < 3; ++k)
    EXPECT_EQ(home.read(QStringLiteral("Program/%1.bmp").arg(k)), before[k]);
  EXPECT_EQ(home.read("Program/set.ini"), settings);
  EXPECT_EQ(ws->ProgramCount, 3);
}

TEST_F(ExportImport, ImportTakesAtMost255AndDropsOldRichText) {
  for (int n = 0; n < 257; ++n) writeIn(QStringLiteral("%1.bmp").arg(n), "p");
  writeIn("set.ini", "");
  QDir(home.path()).mkpath("Rtf");
  ASSERT_TRUE(home.write("Rtf/0.rtf", "{\\rtf1 old}"));
  importFrom(folder.path());
  EXPECT_EQ(ws->ProgramCount, 255);
  ASSERT_EQ(prompt.messages.size(), 1);
  EXPECT_TRUE(prompt.messages.front().startsWith(QStringLiteral("导入节目成功")));
  EXPECT_TRUE(prompt.messages.front().contains(QStringLiteral("255")));
  EXPECT_TRUE(home.exists("Program/254.bmp"));
  EXPECT_FALSE(home.exists("Program/255.bmp"));
  EXPECT_FALSE(home.exists("Rtf/0.rtf"));
}

TEST_F(ExportImport, CancelledDialogsDoNothing) {
  makeThree();
  exportTo(QString());
  importFrom(QString());
  EXPECT_TRUE(prompt.messages.isEmpty());
  EXPECT_EQ(ws->ProgramCount, 3);
}

}  // namespace
