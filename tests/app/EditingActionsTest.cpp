#include <QDir>
#include <QFontInfo>
#include <QPainter>
#include <QPushButton>
#include <QTextEdit>
#include <QtEndian>

#include "BmpCheck.h"
#include "MainWindowFixture.h"
#include "Pictureimport.h"
#include "TextFormat.h"
#include "Wordsedit.h"

namespace {

using EditingActions = MainWindow;

QString writeBmp(const TestHome& home, const QString& name, const QImage& img) {
  const QString path = home.file(name);
  EXPECT_TRUE(img.save(path, "BMP"));
  return path;
}

TEST_F(EditingActions, NewProgramsUseTheSignSizeAndTheControlsUpTo255) {
  ws->ScreenWidth = 64;
  form->Edit4->setText(QStringLiteral("12"));
  form->SpeedButton1->click();
  EXPECT_EQ(ws->ProgramCount, 1);
  EXPECT_EQ(captions(), (QStringList{"新节目表", "节目1", "发布信息"}));
  EXPECT_EQ(key(0, "屏宽"), QByteArray("64"));
  EXPECT_EQ(key(0, "停留时间"), QByteArray("12"));
  EXPECT_EQ(form->store().readPicture(0).size(), QSize(64, 32));
  EXPECT_TRUE(form->TreeView1->selectedItems().isEmpty());

  // An empty dwell box stores the spin position.
  form->Edit4->clear();
  form->SpeedButton1->click();
  EXPECT_EQ(key(1, "停留时间"), QByteArray("12"));

  ws->ScreenWidth = 4;
  ws->ScreenHeight = 4;
  while (ws->ProgramCount < 254) form->SpeedButton1->click();
  form->SpeedButton1->click();
  EXPECT_EQ(ws->ProgramCount, 255);
  EXPECT_NE(node(QStringLiteral("节目255")), nullptr);
  EXPECT_TRUE(prompt.messages.isEmpty());

  const QStringList before = captions();
  form->SpeedButton1->click();
  EXPECT_EQ(prompt.messages, QStringList{QStringLiteral("超出节目最大数")});
  EXPECT_EQ(captions(), before);
  EXPECT_FALSE(home.exists("Program/255.bmp"));
}

TEST_F(EditingActions, DeleteRenumbersAndRebuildsTheList) {
  form->SpeedButton2->click();  // empty library: nothing, silently
  EXPECT_TRUE(prompt.messages.isEmpty());

  for (int k = 0; k < 3; ++k) {
    form->ComboBox2->setCurrentIndex(k + 1);
    form->SpeedButton1->click();
  }
  QImage green(32, 32, QImage::Format_RGB32);
  green.fill(qRgb(0, 128, 0));
  form->store().writePicture(2, green);

  // A node that is not a program disables the button: the click does nothing.
  pick(QStringLiteral("发布信息"));
  form->SpeedButton2->click();
  EXPECT_TRUE(prompt.messages.isEmpty());
  EXPECT_EQ(ws->ProgramCount, 3);

  pick(QStringLiteral("节目2"));
  form->SpeedButton2->click();
  EXPECT_EQ(ws->ProgramCount, 2);
  EXPECT_EQ(captions(), (QStringList{"新节目表", "节目1", "发布信息", "节目2", "发布信息"}));
  EXPECT_EQ(form->store().readPicture(1).pixel(0, 0), qRgb(0, 128, 0));
  EXPECT_EQ(key(1, "播放方式"), QByteArray("3"));
  EXPECT_FALSE(key(2, "播放方式").has_value());
  EXPECT_FALSE(home.exists("Program/2.bmp"));
}

TEST_F(EditingActions, ResetCountKeepsTheFilesUntilNewProgramsReplaceThem) {
  form->SpeedButton1->click();
  form->SpeedButton1->click();
  QImage red(32, 32, QImage::Format_RGB32);
  red.fill(qRgb(255, 0, 0));
  form->store().writePicture(0, red);
  QDir(home.path()).mkpath("Rtf");
  ASSERT_TRUE(home.write("Rtf/0.rtf", "{\\rtf1 old text}"));

  ws->resetProgramCount();
  EXPECT_EQ(ws->ProgramCount, 0);
  EXPECT_EQ(captions(), QStringList{"新节目表"});
  EXPECT_TRUE(home.exists("Program/1.bmp"));

  form->SpeedButton1->click();
  EXPECT_EQ(form->store().readPicture(0).pixel(0, 0), qRgb(0, 0, 0));
  // The new program must not open the old program's text.
  EXPECT_FALSE(home.exists("Rtf/0.rtf"));
}

TEST_F(EditingActions, LoadPictureChecksTheFileAndTheSize) {
  ws->ScreenWidth = 64;
  form->SpeedButton1->click();
  pick(QStringLiteral("节目1"));

  QImage paint(64, 32, QImage::Format_RGB32);
  paint.fill(qRgb(0, 0, 0));
  paint.setPixel(10, 10, qRgb(237, 28, 36));
  const QString good = writeBmp(home, "good.bmp", paint);
  const QString tall = writeBmp(home, "tall.bmp", QImage(64, 33, QImage::Format_RGB32));
  ASSERT_TRUE(QImage(64, 32, QImage::Format_RGB32).save(home.file("picture.png"), "PNG"));
  ASSERT_TRUE(home.write("fake.bmp", "BM this is not really a bitmap"));
  QDir(home.path()).mkpath("folder.bmp");
  QByteArray huge = encodeBmp24(paint);
  qToLittleEndian<qint32>(100000, huge.data() + 18);  // a header claiming a huge width

  ASSERT_TRUE(home.write("huge.bmp", huge));
  const QByteArray before = home.read("Program/0.bmp");
  const QByteArray settingsBefore = home.read("Program/set.ini");
  struct Row {
    QString file;
    QString message;  // empty: no message at all
  };
  const Row refused[] = {
      {QString(), QString()},  // the operator cancels
      {tall, QStringLiteral("加载图片尺寸与屏宽高不一致!")},
      {home.file("picture.png"), QStringLiteral("不是BMP位图文件")},
      {home.file("fake.bmp"), QStringLiteral("不是BMP位图文件")},
      {home.file("folder.bmp"), QStringLiteral("是文件夹")},
      {home.file("huge.bmp"), QStringLiteral("太大")},
      {home.file("missing.bmp"), QStringLiteral("无法读取")},
  };
  for (const Row& row : refused) {
    prompt.messages.clear();
    prompt.files = {row.file};
    form->SpeedButton7->click();
    if (row.message.isEmpty()) {
      EXPECT_TRUE(prompt.messages.isEmpty());
    } else {
      ASSERT_EQ(prompt.messages.size(), 1) << row.file.toStdString();
      EXPECT_TRUE(prompt.messages.front().contains(row.message))
          << prompt.messages.front().toStdString();
    }
    EXPECT_EQ(home.read("Program/0.bmp"), before) << row.file.toStdString();
    EXPECT_EQ(home.read("Program/set.ini"), settingsBefore) << row.file.toStdString();
  }

  prompt.messages.clear();
  form->ComboBox2->setCurrentIndex(5);
  prompt.files = {good};
  form->SpeedButton7->click();
  EXPECT_TRUE(prompt.messages.isEmpty());
  EXPECT_EQ(home.read("Program/0.bmp"), home.read("good.bmp"));
  EXPECT_EQ(key(0, "颜色"), QByteArray("1"));
  EXPECT_EQ(key(0, "播放方式"), QByteArray("5"));
  EXPECT_EQ(form->shownPicture().pixel(10, 10), qRgb(237, 28, 36));

  // Cancelling after a successful load leaves the program as it is.
  prompt.files = {QString()};
  form->SpeedButton7->click();
  EXPECT_EQ(home.read("Program/0.bmp"), home.read("good.bmp"));

  // A colour the sign lacks (bright green) is stored as it is, with one warning.
  paint.setPixel(20, 20, qRgb(0, 255, 0));
  prompt.files = {writeBmp(home, "bright.bmp", paint)};
  form->SpeedButton7->click();
  EXPECT_EQ(home.read("Program/0.bmp"), home.read("bright.bmp"));
  ASSERT_EQ(prompt.messages.size(), 1);
  EXPECT_TRUE(prompt.messages.front().contains(QStringLiteral("导入图片")));
}

// The editor made as the application makes it: a child of the main window, then a window of its
// own. It types in the Song face (its stand-in), not in a face it inherited on the way, the font
// dialog opens on that face, and the operator can type at once.
TEST_F(EditingActions, EditorMadeAsTheApplicationMakesItKeepsTheSongFace) {
  TWordsForm editor(*ws, prompt, form.get());
  editor.setWindowFlag(Qt::Window);
  form->WordsForm = &editor;
  form->SpeedButton1->click();
  pick(QStringLiteral("节目1"));
  form->SpeedButton3->click();
  ASSERT_TRUE(editor.isVisible());
  EXPECT_EQ(editor.focusWidget(), editor.RichEdit1);
  const QString song = QFontInfo(QFont(ledtext::DefaultFace)).family();
  EXPECT_EQ(QFontInfo(editor.RichEdit1->document()->defaultFont()).family(), song);
  editor.SpeedButton8->click();
  ASSERT_EQ(prompt.fontsShown.size(), 1u);
  EXPECT_EQ(prompt.fontsShown.front().font.family(), song);
  form->WordsForm = nullptr;
}

TEST_F(EditingActions, EditAndPreviewCheckTheirPreconditions) {
  TWordsForm editor(*ws, prompt);
  form->WordsForm = &editor;
  form->SpeedButton3->click();  // nothing picked
  EXPECT_FALSE(editor.isVisible());
  form->SpeedButton8->click();  // empty library: no preview, no message
  EXPECT_TRUE(prompt.messages.isEmpty());

  form->SpeedButton1->click();
  pick(QStringLiteral("新节目表"));
  form->SpeedButton3->click();  // disabled on the root
  EXPECT_TRUE(prompt.messages.isEmpty());
  EXPECT_FALSE(editor.isVisible());

  form->store().writePicture(0, QImage(48, 16, QImage::Format_RGB32));
  pick(QStringLiteral("节目1"));
  form->SpeedButton3->click();
  EXPECT_TRUE(editor.isVisible());
  EXPECT_EQ(ws->ProgramWidth[0], 48);
  EXPECT_EQ(ws->ProgramHeight[0], 16);
  form->WordsForm = nullptr;
}

}  // namespace

namespace {

// The editor saves into the program it was opened for, with that program's own play settings,
// whatever the main window picks meanwhile; the main window shows the saved picture only when
// the saved program is the one picked.
TEST_F(EditingActions, EditorSaveKeepsToItsProgramWhateverIsPicked) {
  TWordsForm editor(*ws, prompt);
  form->WordsForm = &editor;
  form->SpeedButton1->click();
  form->SpeedButton1->click();
  form->store().writePlaySettings(0, 3, 1, QStringLiteral("9"));
  form->store().writePlaySettings(1, 7, 2, QStringLiteral("40"));

  for (bool pickOther : {true, false}) {
    SCOPED_TRACE(pickOther ? "another program picked" : "the edited program picked");
    pick(QStringLiteral("节目2"));
    pick(QStringLiteral("节目1"));
    form->SpeedButton3->click();
    ASSERT_TRUE(editor.isVisible());
    editor.RichEdit1->setPlainText(QStringLiteral("AB"));
    if (pickOther) pick(QStringLiteral("节目2"));
    editor.SpeedButton15->click();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(key(0, "播放方式"), QByteArray("3"));
    EXPECT_EQ(key(0, "播放速度"), QByteArray("1"));
    EXPECT_EQ(key(0, "停留时间"), QByteArray("9"));
    EXPECT_EQ(key(0, "颜色"), QByteArray("1"));
    EXPECT_EQ(key(1, "颜色"), QByteArray("0"));
    // The shown picture is the picked program's: red text only when 节目1 is picked.
    bool red = false;
    const QImage shown = form->shownPicture();
    for (int y = 0; y < shown.height(); ++y)
      for (int x = 0; x < shown.width(); ++x) red |= qRed(shown.pixel(x, y)) > 0;
    EXPECT_EQ(red, !pickOther);
  }
  EXPECT_TRUE(prompt.messages.isEmpty()) << prompt.messages.join(u'|').toStdString();
  form->WordsForm = nullptr;
}

}  // namespace

// The import button and the 系统 menu item open the conversion for the picked program; OK stores
// it with the shown play settings and the main window shows the stored picture.
TEST_F(EditingActions, ImportPictureConvertsIntoThePickedProgram) {
  QImage photo(120, 40, QImage::Format_ARGB32);
  photo.fill(Qt::transparent);
  QPainter(&photo).fillRect(0, 0, 60, 40, QColor(250, 60, 40));
  ASSERT_TRUE(photo.save(home.file("logo.png")));
  form->SpeedButton1->click();
  form->SpeedButton1->click();
  prompt.files = {home.file("logo.png")};
  form->SpeedButton9->click();  // nothing picked: nothing opens
  EXPECT_FALSE(form->PictureImportForm->isVisible());

  pick(QStringLiteral("节目2"));
  form->ComboBox3->setCurrentIndex(1);
  form->P1->trigger();
  ASSERT_TRUE(form->PictureImportForm->isVisible());
  EXPECT_EQ(form->PictureImportForm->program(), 1);
  form->PictureImportForm->OkButton->click();
  EXPECT_TRUE(prompt.messages.isEmpty()) << prompt.messages.join('|').toStdString();
  EXPECT_EQ(key(1, "颜色"), QByteArray("1"));
  EXPECT_EQ(key(1, "播放速度"), QByteArray("1"));
  const QImage stored = form->store().readPicture(1);
  EXPECT_EQ(form->shownPicture().convertToFormat(QImage::Format_RGB32),
            stored.convertToFormat(QImage::Format_RGB32));
  EXPECT_EQ(stored.pixel(8, 16), qRgb(255, 0, 0));
  EXPECT_EQ(stored.pixel(24, 16), qRgb(0, 0, 0));                  // transparent half
  EXPECT_EQ(home.read("Program/0.bmp").size(), 54 + 32 * 32 * 3);  // program 1 untouched
}

// A picture loaded or imported whose settings cannot then be written leaves the program as it
// was: its old picture, or none when it had none.
TEST_F(EditingActions, PictureWithoutItsSettingsIsTakenBack) {
  form->SpeedButton1->click();
  pick(QStringLiteral("节目1"));
  QImage red(32, 32, QImage::Format_RGB32);
  red.fill(Qt::red);
  prompt.files = {writeBmp(home, "red.bmp", red), home.file("red.bmp")};
  const QByteArray black = home.read("Program/0.bmp");
  ASSERT_TRUE(QFile::remove(home.file("Program/set.ini")) &&
              QDir().mkdir(home.file("Program/set.ini")));
  form->SpeedButton7->click();
  EXPECT_EQ(home.read("Program/0.bmp"), black);
  ASSERT_TRUE(QFile::remove(home.file("Program/0.bmp")));
  form->SpeedButton9->click();
  form->PictureImportForm->OkButton->click();
  EXPECT_FALSE(home.exists("Program/0.bmp"));
  EXPECT_EQ(prompt.messages.size(), 2);  // each failure, once
}
