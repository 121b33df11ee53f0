#include <QDir>
#include <QFontInfo>
#include <QLabel>
#include <QRawFont>
#include <QStatusBar>
#include <QTimer>
#include <string_view>

#include "FleetWindow.h"
#include "MainWindowFixture.h"

namespace {

TEST_F(MainWindow, StartsWithAnEmptyWipedLibraryAndTheDefaultControls) {
  for (const char* f : {"Program/0.bmp", "Program/1.bmp", "Program/3.bmp", "Program/set.ini"}) {
    ASSERT_TRUE(home.write(f, "x"));
  }
  start();
  EXPECT_FALSE(home.exists("Program/0.bmp"));
  EXPECT_FALSE(home.exists("Program/set.ini"));
  EXPECT_TRUE(home.exists("Program/3.bmp"));

  EXPECT_EQ(captions(), QStringList{QStringLiteral("新节目表")});
  EXPECT_EQ(ws->ProgramCount, 0);
  EXPECT_EQ(form->shownPicture().size(), QSize(32, 32));
  EXPECT_EQ(form->shownPicture().pixel(31, 31), qRgb(0, 0, 0));
  EXPECT_EQ(form->ComboBox2->currentText(), QStringLiteral("立即显示（无特效）"));
  EXPECT_EQ(form->ComboBox3->currentText(), QStringLiteral("较慢"));
  EXPECT_EQ(form->Edit4->text(), QStringLiteral("5"));
  EXPECT_TRUE(form->SpeedButton5->isVisible());
  EXPECT_FALSE(form->SpeedButton4->isVisible());
  EXPECT_TRUE(form->C1->isChecked());
  EXPECT_FALSE(form->C3->isChecked());
  EXPECT_TRUE(form->Timer1->isActive());
  EXPECT_EQ(form->centralWidget()->size(), QSize(816, 450 - 57 - form->StatusBar1->height()));
  EXPECT_TRUE(prompt.messages.isEmpty());
}

// 控制 → 大屏管理 opens one window of its own beside the main window, raised again by the next
// click, and leaves the main window's connection alone.
TEST_F(MainWindow, FleetItemOpensOneNonModalWindow) {
  form->M1->trigger();
  FleetWindow* fleet = form->FleetForm;
  ASSERT_NE(fleet, nullptr);
  EXPECT_TRUE(fleet->isVisible() && fleet->isWindow());
  EXPECT_EQ(fleet->windowTitle(), QStringLiteral("大屏管理"));
  EXPECT_EQ(fleet->windowModality(), Qt::NonModal);
  fleet->close();
  form->M1->trigger();
  EXPECT_EQ(form->FleetForm, fleet);
  EXPECT_TRUE(fleet->isVisible());
  EXPECT_FALSE(form->isConnected());
  EXPECT_TRUE(prompt.messages.isEmpty());
}

// The tree's labels mix Chinese and digits ("节目1"): one face draws both, not the Song stand-in
// whose Latin glyphs are smaller and sit higher than its Chinese ones.
TEST_F(MainWindow, TreeLabelsAreDrawnInOneFace) {
  const QFont labels = form->TreeView1->font();
  EXPECT_NE(QFontInfo(labels).family(), QFontInfo(form->font()).family());
  const QRawFont face = QRawFont::fromFont(labels);
  for (const char32_t c : std::u32string_view(U"节目0123456789"))
    EXPECT_TRUE(face.supportsCharacter(c)) << unsigned(c);
}

TEST_F(MainWindow, EveryToolButtonExplainsItself) {
  for (QToolButton* b :
       {form->SpeedButton1, form->SpeedButton2, form->SpeedButton3, form->SpeedButton4,
        form->SpeedButton5, form->SpeedButton6, form->SpeedButton7, form->SpeedButton8}) {
    EXPECT_FALSE(b->toolTip().isEmpty());
    EXPECT_FALSE(b->icon().isNull());
  }
}

TEST_F(MainWindow, PickingNodesSwitchesTheEditingButtonsAndShowsThePicture) {
  form->SpeedButton1->click();
  form->SpeedButton1->click();
  // Program 1 gets a red picture and its own play settings.
  QImage red(32, 32, QImage::Format_RGB32);
  red.fill(qRgb(255, 0, 0));
  form->store().writePicture(1, red);
  form->store().writePlaySettings(1, 7, 2, QStringLiteral("40"));

  pick(QStringLiteral("节目2"));
  EXPECT_EQ(ws->SelectedProgram, 1);
  EXPECT_TRUE(form->SpeedButton2->isEnabled());
  EXPECT_EQ(form->shownPicture().pixel(0, 0), qRgb(255, 0, 0));
  EXPECT_EQ(form->ComboBox2->currentIndex(), 7);
  EXPECT_EQ(form->ComboBox3->currentIndex(), 2);
  EXPECT_EQ(form->Edit4->text(), QStringLiteral("40"));
  EXPECT_EQ(form->UpDown3->position(), 40);

  for (const char* caption : {"发布信息", "新节目表"}) {
    pick(QString::fromUtf8(caption));
    EXPECT_FALSE(form->SpeedButton2->isEnabled()) << caption;
    EXPECT_FALSE(form->SpeedButton3->isEnabled()) << caption;
    EXPECT_FALSE(form->SpeedButton7->isEnabled()) << caption;
    EXPECT_EQ(form->shownPicture().pixel(0, 0), qRgb(255, 0, 0)) << caption;
    EXPECT_EQ(ws->SelectedProgram, 1) << caption;
  }

  pick(QStringLiteral("节目1"));
  EXPECT_TRUE(form->SpeedButton7->isEnabled());
  EXPECT_EQ(form->shownPicture().pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(form->ComboBox3->currentIndex(), 4);
  EXPECT_TRUE(prompt.messages.isEmpty());
}

TEST_F(MainWindow, DwellTypingIsWrittenBackAndCappedAt255) {
  form->SpeedButton1->click();
  pick(QStringLiteral("节目1"));
  form->Edit4->clear();
  EXPECT_EQ(key(0, "停留时间"), QByteArray("5"));  // clearing stores nothing

  QStringList stored;
  for (QChar c : QStringLiteral("3a0-0")) {
    typeDwell(QString(c));
    stored << QString::fromLatin1(key(0, "停留时间").value_or("?"));
  }
  // Letters and signs are discarded; the third digit turns 300 into 255.
  EXPECT_EQ(stored, (QStringList{"3", "3", "30", "30", "255"}));
  EXPECT_EQ(form->Edit4->text(), QStringLiteral("255"));
  EXPECT_EQ(form->UpDown3->position(), 255);
}

TEST_F(MainWindow, PlaySettingChangesNeedAProgramNode) {
  form->SpeedButton1->click();
  const QByteArray before = home.read("Program/set.ini");

  form->ComboBox3->setCurrentIndex(1);  // nothing picked: nothing happens
  EXPECT_TRUE(prompt.messages.isEmpty());

  pick(QStringLiteral("新节目表"));
  form->ComboBox3->setCurrentIndex(2);
  EXPECT_EQ(prompt.messages, QStringList{QStringLiteral("请选择你要编辑的节目表!")});
  EXPECT_EQ(home.read("Program/set.ini"), before);

  pick(QStringLiteral("节目1"));  // shows the program's own speed again: 4
  form->ComboBox2->setCurrentIndex(12);
  EXPECT_EQ(key(0, "播放方式"), QByteArray("12"));
  EXPECT_EQ(key(0, "播放速度"), QByteArray("4"));
  EXPECT_EQ(key(0, "停留时间"), QByteArray("5"));
}

TEST_F(MainWindow, BadProgramFilesAreReportedOnceAndTheSettingsStillShow) {
  form->SpeedButton1->click();
  form->SpeedButton1->click();
  struct Row {
    const char* what;
    QByteArray picture;  // empty QByteArray() with remove = true: the file is missing
    bool remove;
    int messages;
  };
  const Row rows[] = {
      {"missing picture", {}, true, 0},
      {"empty picture", QByteArray(""), false, 1},
      {"not a bitmap", QByteArray("GIF89a..........................."), false, 1},
      {"truncated bitmap", home.read("Program/0.bmp").left(100), false, 1},
  };
  for (const Row& row : rows) {
    prompt.messages.clear();
    QFile::remove(home.file("Program/1.bmp"));
    if (!row.remove) {
      ASSERT_TRUE(home.write("Program/1.bmp", row.picture));
    }
    form->store().writePlaySettings(1, 3, 1, QStringLiteral("9"));
    pick(QStringLiteral("节目1"));
    pick(QStringLiteral("节目2"));
    EXPECT_EQ(prompt.messages.size(), row.messages) << row.what;
    EXPECT_EQ(form->shownPicture().size(), QSize(32, 32)) << row.what;
    EXPECT_EQ(form->shownPicture().pixel(5, 5), qRgb(0, 0, 0)) << row.what;
    EXPECT_EQ(form->ComboBox2->currentIndex(), 3) << row.what;
    EXPECT_EQ(form->Edit4->text(), QStringLiteral("9")) << row.what;
  }
}

TEST_F(MainWindow, GarbageSettingsReadAsDefaults) {
  form->SpeedButton1->click();
  ASSERT_TRUE(home.write("Program/set.ini",
                         "[\xBD\xDA\xC4\xBF"
                         "0]\r\n\xB2\xA5\xB7\xC5\xB7\xBD\xCA\xBD=99\r\n"
                         "\xB2\xA5\xB7\xC5\xCB\xD9\xB6\xC8=fast\r\n[\xBD\xDA\xC4\xBF"
                         "0]\r\n"
                         "\xCD\xA3\xC1\xF4\xCA\xB1\xBC\xE4=1"));
  pick(QStringLiteral("节目1"));
  EXPECT_EQ(form->ComboBox2->currentIndex(), 0);
  EXPECT_EQ(form->ComboBox3->currentIndex(), 4);
  EXPECT_EQ(form->Edit4->text(), QStringLiteral("5"));
  EXPECT_TRUE(prompt.messages.isEmpty());
}

}  // namespace

namespace {

// The picked program follows the selection however it moves, so the play settings shown and
// written back always belong to the selected program; showing them writes nothing.
TEST_F(MainWindow, KeyboardMovesPickTheProgramAndPickingWritesNothing) {
  form->SpeedButton1->click();
  form->SpeedButton1->click();
  form->store().writePlaySettings(0, 3, 1, QStringLiteral("9"));
  form->store().writePlaySettings(1, 7, 2, QStringLiteral("40"));
  // Line feeds only: any rewrite of the file would turn them into CR LF.
  const QByteArray lf = home.read("Program/set.ini").replace("\r\n", "\n");
  ASSERT_TRUE(home.write("Program/set.ini", lf));

  pick(QStringLiteral("节目1"));
  EXPECT_EQ(form->Edit4->text(), QStringLiteral("9"));
  QTest::keyClick(form->TreeView1, Qt::Key_Down);  // 发布信息
  QTest::keyClick(form->TreeView1, Qt::Key_Down);  // 节目2
  EXPECT_EQ(ws->SelectedProgram, 1);
  EXPECT_EQ(form->ComboBox2->currentIndex(), 7);
  EXPECT_EQ(form->Edit4->text(), QStringLiteral("40"));
  pick(QStringLiteral("节目1"));
  EXPECT_EQ(home.read("Program/set.ini"), lf);

  QTest::keyClick(form->TreeView1, Qt::Key_Down);
  QTest::keyClick(form->TreeView1, Qt::Key_Down);
  form->ComboBox3->setCurrentIndex(5);
  EXPECT_EQ(key(1, "播放方式"), QByteArray("7"));
  EXPECT_EQ(key(1, "播放速度"), QByteArray("5"));
  EXPECT_EQ(key(1, "停留时间"), QByteArray("40"));
  EXPECT_EQ(key(0, "播放速度"), QByteArray("1"));
  EXPECT_TRUE(prompt.messages.isEmpty());
}

// The transport's tick shows the stored transport, also when storing the new one failed.
TEST_F(MainWindow, TransportTickFollowsTheStoredSetting) {
  QFile::remove(home.file("set.ini"));
  ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("set.ini")));  // cannot be replaced
  form->C3->trigger();
  EXPECT_EQ(prompt.messages.size(), 1);
  EXPECT_TRUE(form->C1->isChecked());
  EXPECT_FALSE(form->C3->isChecked());
  EXPECT_EQ(ws->transport(), Transport::Serial);

  QDir(home.path()).rmdir(QStringLiteral("set.ini"));
  form->C3->trigger();
  EXPECT_TRUE(form->C3->isChecked());
  EXPECT_EQ(ws->transport(), Transport::Net);
}

}  // namespace
