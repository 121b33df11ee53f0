#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <algorithm>
#include <future>

#include "BmpCheck.h"
#include "GbkIni.h"
#include "Home.h"
#include "LedError.h"
#include "ProgramLimits.h"
#include "ProgramStore.h"
#include "TestHome.h"

namespace {

QImage filled(int w, int h, QRgb colour) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(colour);
  return img;
}

// The home: the command line's folder, else the executable's, except for an installed copy
// (share/ledsign/ beside its bin/), whose home is the per-user data folder ledsign/, the same for
// every program of the product (this test program has a name of its own).
TEST(Home, ExecutableFolderUnlessInstalled) {
  TestHome tree;
  QDir(tree.path()).mkpath(QStringLiteral("bin"));
  const QString bin = tree.file(QStringLiteral("bin"));
  EXPECT_EQ(resolveHome(bin, tree.file(QStringLiteral("mine"))), tree.file(QStringLiteral("mine")));
  EXPECT_EQ(resolveHome(bin, {}), bin);
  QDir(tree.path()).mkpath(QStringLiteral("share/ledsign"));
  // The per-user folder lies under $HOME, here inside the temporary tree.
  const QByteArray realHome = qgetenv("HOME");
  qputenv("HOME", tree.path().toLocal8Bit());
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                       QStringLiteral("/ledsign");
  EXPECT_EQ(resolveHome(bin, {}), data);
  EXPECT_TRUE(data.startsWith(tree.path()));
  EXPECT_TRUE(QFileInfo::exists(data + QStringLiteral("/Program")));
  qputenv("HOME", realHome);
}

class Store : public ::testing::Test {
 protected:
  TestHome home;
  ProgramStore store{home.path()};

  // Program k gets a picture k+1 pixels wide and play mode k, so each one can be recognised.
  void makeLibrary(int count) {
    for (int k = 0; k < count; ++k) {
      store.append(k, k + 1, 8, k % 16, k % 6, QString::number(k));
    }
  }
  int pictureWidth(int n) { return store.readPicture(n).width(); }
};

TEST_F(Store, AppendWritesTheExampleFileByteForByte) {
  store.append(0, 64, 32, 0, 4, QStringLiteral("5"));
  const QByteArray expected =
      "[\xBD\xDA\xC4\xBF"
      "0]\r\n"
      "\xC6\xC1\xBF\xED=64\r\n"
      "\xC6\xC1\xB8\xDF=32\r\n"
      "\xD1\xD5\xC9\xAB=0\r\n"
      "\xB2\xA5\xB7\xC5\xB7\xBD\xCA\xBD=0\r\n"
      "\xB2\xA5\xB7\xC5\xCB\xD9\xB6\xC8=4\r\n"
      "\xCD\xA3\xC1\xF4\xCA\xB1\xBC\xE4=5\r\n";
  EXPECT_EQ(home.read("Program/set.ini"), expected);

  // The picture: a black, 24-bit, bottom-up BMP with a 40-byte information header.
  const QByteArray bmp = home.read("Program/0.bmp");
  ASSERT_GE(bmp.size(), 54);
  EXPECT_EQ(bmp.left(2), QByteArray("BM"));
  EXPECT_EQ(static_cast<uchar>(bmp[14]), 40);
  EXPECT_EQ(static_cast<uchar>(bmp[28]), 24);
  EXPECT_GT(static_cast<int>(static_cast<uchar>(bmp[22])), 0);  // positive height: bottom-up
  EXPECT_EQ(bmp.size(), 54 + 64 * 3 * 32);
  EXPECT_EQ(bmp.mid(54).count('\0'), 64 * 3 * 32);
}

TEST_F(Store, AppendStoresTheDwellTextAsGiven) {
  store.append(0, 32, 32, 3, 2, QStringLiteral("12"));
  const GbkIni ini = GbkIni::parse(home.read("Program/set.ini"));
  EXPECT_EQ(ini.value(QStringLiteral("节目0"), QStringLiteral("停留时间")), QByteArray("12"));
  EXPECT_EQ(store.readPlaySettings(0), (PlaySettings{3, 2, 12}));
}

TEST_F(Store, WipeStopsAtTheFirstGap) {
  for (const char* f : {"Program/0.bmp", "Program/1.bmp", "Program/3.bmp", "Program/set.ini"}) {
    ASSERT_TRUE(home.write(f, "x"));
  }
  QDir(home.path()).mkpath("Rtf");
  for (const char* f : {"Rtf/0.rtf", "Rtf/2.rtf"}) ASSERT_TRUE(home.write(f, "x"));
  store.wipe();
  EXPECT_FALSE(home.exists("Program/0.bmp"));
  EXPECT_FALSE(home.exists("Program/1.bmp"));
  EXPECT_TRUE(home.exists("Program/3.bmp"));
  EXPECT_FALSE(home.exists("Program/set.ini"));
  EXPECT_FALSE(home.exists("Rtf/0.rtf"));
  EXPECT_TRUE(home.exists("Rtf/2.rtf"));
}

TEST_F(Store, WipeCreatesTheProgramDirectory) {
  QDir(home.file("Program")).removeRecursively();
  store.wipe();
  EXPECT_TRUE(QFileInfo(home.file("Program")).isDir());
}

TEST_F(Store, PlaySettingsReadDefaultsForMissingOrGarbageValues) {
  EXPECT_EQ(store.readPlaySettings(0), (PlaySettings{0, 4, 5}));  // no file at all
  ASSERT_TRUE(home.write("Program/set.ini",
                         "[\xBD\xDA\xC4\xBF"
                         "0]\r\n\xB2\xA5\xB7\xC5\xB7\xBD\xCA\xBD=junk\r\n"
                         "\xB2\xA5\xB7\xC5\xCB\xD9\xB6\xC8=2"));
  EXPECT_EQ(store.readPlaySettings(0), (PlaySettings{0, 2, 5}));
  store.writePlaySettings(0, 9, 1, QStringLiteral("30"));
  EXPECT_EQ(store.readPlaySettings(0), (PlaySettings{9, 1, 30}));
}

TEST_F(Store, DeleteInTheMiddleRenumbersPicturesSectionsAndRichText) {
  makeLibrary(5);
  QDir(home.path()).mkpath("Rtf");
  for (int k : {0, 1, 3, 4})
    ASSERT_TRUE(home.write(QStringLiteral("Rtf/%1.rtf").arg(k), QByteArray::number(k)));
  store.deleteProgram(1, 5);

  const int oldNumbers[] = {0, 2, 3, 4};
  for (int k = 0; k < 4; ++k) {
    const int old = oldNumbers[k];
    EXPECT_EQ(pictureWidth(k), old + 1) << k;
    EXPECT_EQ(store.readEntry(k), (ProgramEntry{old + 1, 8, 0, old % 16, old % 6, old})) << k;
  }
  EXPECT_FALSE(home.exists("Program/4.bmp"));
  EXPECT_FALSE(GbkIni::parse(home.read("Program/set.ini")).hasSection(QStringLiteral("节目4")));
  // Rich text follows its program; program 2 never had any, so 1.rtf is gone.
  EXPECT_EQ(home.read("Rtf/0.rtf"), "0");
  EXPECT_FALSE(home.exists("Rtf/1.rtf"));
  EXPECT_EQ(home.read("Rtf/2.rtf"), "3");
  EXPECT_EQ(home.read("Rtf/3.rtf"), "4");
  EXPECT_FALSE(home.exists("Rtf/4.rtf"));
  // Nothing is left behind by the move-aside.
  EXPECT_EQ(QDir(home.file("Program")).entryList(QDir::Files | QDir::Hidden).size(), 5);
}

TEST_F(Store, DeleteTheLastProgramOnlyErasesItsSection) {
  makeLibrary(3);
  const QByteArray before0 = home.read("Program/0.bmp");
  store.deleteProgram(2, 3);
  EXPECT_EQ(home.read("Program/0.bmp"), before0);
  EXPECT_EQ(pictureWidth(1), 2);
  EXPECT_FALSE(home.exists("Program/2.bmp"));
  const GbkIni ini = GbkIni::parse(home.read("Program/set.ini"));
  EXPECT_TRUE(ini.hasSection(QStringLiteral("节目1")));
  EXPECT_FALSE(ini.hasSection(QStringLiteral("节目2")));
}

TEST_F(Store, DeleteUsesTheDeleteDefaultsForUnreadableSections) {
  makeLibrary(3);
  GbkIni ini = GbkIni::parse(home.read("Program/set.ini"));
  ini.removeSection(QStringLiteral("节目2"));
  ini.setValue(QStringLiteral("节目1"), QStringLiteral("屏宽"), QByteArray("garbage"));
  ASSERT_TRUE(home.write("Program/set.ini", ini.serialize()));
  store.deleteProgram(0, 3);
  EXPECT_EQ(store.readEntry(0), (ProgramEntry{32, 8, 0, 1, 1, 1}));
  EXPECT_EQ(store.readEntry(1), (ProgramEntry{32, 32, 0, 0, 0, 5}));
}

TEST_F(Store, FailedDeleteLeavesTheLibraryAsItWas) {
  makeLibrary(4);
  QDir(home.path()).mkpath("Rtf/.deleting.rtf/blocker");  // the rich-text move-aside fails
  ASSERT_TRUE(home.write("Rtf/1.rtf", "one"));
  const QString link = home.file("Program/1.bmp");  // the deleted one, a dangling link
  ASSERT_TRUE(QFile::remove(link) && QFile::link(home.file("gone.bmp"), link));
  QByteArray pictures[4];
  for (int k = 0; k < 4; ++k) pictures[k] = home.read(QStringLiteral("Program/%1.bmp").arg(k));
  const QByteArray ini = home.read("Program/set.ini");

  try {
    store.deleteProgram(1, 4);
    ADD_FAILURE() << "the delete went through";
  } catch (const LedError& e) {
    // The system's reason, in Chinese, closes the message: not the system's English.
    const QString why = e.text().section(u'（', -1);
    EXPECT_TRUE(std::none_of(why.cbegin(), why.cend(), [](QChar c) {
      return c.unicode() < 0x80 && c.isLetter();
    })) << e.text().toStdString();
  }
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(home.read(QStringLiteral("Program/%1.bmp").arg(k)), pictures[k]) << k;
  }
  EXPECT_EQ(QFileInfo(link).symLinkTarget(), home.file("gone.bmp"));
  EXPECT_EQ(home.read("Program/set.ini"), ini);
  EXPECT_EQ(home.read("Rtf/1.rtf"), "one");
}

// A picture that is a FIFO, a device or a folder is refused at once, as no regular file.
TEST_F(Store, OnlyRegularFilesAreRead) {
  const QByteArray fifo = QFile::encodeName(store.picturePath(0));
  ASSERT_TRUE(mkfifo(fifo.constData(), 0644) == 0 &&
              QFile::link(QStringLiteral("/dev/zero"), store.picturePath(1)) &&
              QDir().mkpath(store.picturePath(2)));
  for (int n = 0; n < 3; ++n) {
    auto read = std::async(std::launch::async, [&] { store.readPicture(n); });
    if (read.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
      ADD_FAILURE() << "the read of " << fifo.constData() << " waits";
      ::close(::open(fifo.constData(), O_WRONLY | O_NONBLOCK));
    }
    try {
      read.get();
      ADD_FAILURE() << n << " was read";
    } catch (const LedError& e) {
      EXPECT_TRUE(e.text().contains(QStringLiteral("不是")) &&
                  e.text().contains(QDir::toNativeSeparators(store.picturePath(n))))
          << e.text().toStdString();
    }
  }
}

TEST_F(Store, DeleteRefusesAnUnreadableSettingsFileBeforeTouchingPictures) {
  makeLibrary(2);
  QFile::remove(home.file("Program/set.ini"));
  QDir(home.path()).mkpath("Program/set.ini");
  const QByteArray picture0 = home.read("Program/0.bmp");
  EXPECT_THROW(store.deleteProgram(0, 2), LedError);
  EXPECT_EQ(home.read("Program/0.bmp"), picture0);
  EXPECT_TRUE(home.exists("Program/1.bmp"));
}

TEST_F(Store, WritesAreAtomicAndLeaveNoTemporaryFiles) {
  makeLibrary(3);
  store.writeSettings(1, ProgramEntry{1, 2, 3, 4, 5, 6});
  store.writePicture(2, filled(4, 4, qRgb(255, 0, 0)));
  const QStringList files = QDir(home.file("Program")).entryList(QDir::Files | QDir::Hidden);
  EXPECT_EQ(files.size(), 4) << files.join(',').toStdString();
  EXPECT_EQ(store.readEntry(1), (ProgramEntry{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(store.readPicture(2).pixel(3, 3), qRgb(255, 0, 0));
}

TEST(ColourClass, FollowsTheLedColourTable) {
  struct Row {
    const char* what;
    std::vector<std::pair<QPoint, QRgb>> pixels;
    QRgb background;
    int expected;
  };
  const QRgb white = qRgb(255, 255, 255);
  const QRgb black = qRgb(0, 0, 0);
  const Row rows[] = {
      {"all black", {}, black, 0},
      {"all white", {}, white, 0},
      {"one red among white", {{{3, 2}, qRgb(255, 0, 0)}}, white, 1},
      {"paint red", {{{0, 0}, qRgb(237, 28, 36)}}, black, 1},
      {"green", {{{5, 5}, qRgb(0, 128, 0)}}, black, 2},
      {"paint green", {{{5, 5}, qRgb(34, 177, 76)}}, black, 2},
      {"red and green apart", {{{0, 0}, qRgb(255, 0, 0)}, {{7, 7}, qRgb(0, 128, 0)}}, black, 3},
      {"green then red", {{{0, 0}, qRgb(34, 177, 76)}, {{7, 7}, qRgb(237, 28, 36)}}, black, 3},
      {"paint yellow", {{{4, 4}, qRgb(255, 242, 0)}}, black, 3},
      {"yellow", {{{4, 4}, qRgb(255, 255, 0)}}, white, 3},
      {"near red is ignored", {{{1, 1}, qRgb(254, 0, 0)}}, black, 0},
      {"bright green is not LED green", {{{1, 1}, qRgb(0, 255, 0)}}, black, 0},
  };
  for (const Row& row : rows) {
    QImage img = filled(8, 8, row.background);
    for (const auto& [at, colour] : row.pixels) img.setPixel(at, colour);
    EXPECT_EQ(colourClass(img), row.expected) << row.what;
    EXPECT_EQ(colourClass(img.convertToFormat(QImage::Format_RGB888)), row.expected) << row.what;
  }
}

// The check before a send reads the library as the link does and names the first program that
// the card would refuse or show differently; program 1 is always sound.
TEST(SendCheck, NamesTheProgramTheCardWouldNotShowAsTheEditorDoes) {
  const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 128, 0), yellow = qRgb(255, 255, 0);
  struct Row {
    const char* what;
    int model;
    QImage picture;  // program 2's; null: a file that is no bitmap
    ProgramEntry entry;
    const char* refusal;  // empty: the library passes
  };
  const Row rows[] = {
      {"class lacks green", 0, filled(32, 16, yellow), {32, 16, 1, 0, 4, 5}, "颜色值为 1"},
      {"class lacks red", 0, filled(32, 16, red), {32, 16, 2, 0, 4, 5}, "颜色值为 2"},
      {"wider class carries it", 0, filled(32, 16, green), {32, 16, 3, 0, 4, 5}, ""},
      {"not a bitmap", 0, QImage(), {32, 16, 0, 0, 4, 5}, "无法读取"},
      {"beyond the card", 0, filled(656, 16, red), {656, 16, 1, 0, 4, 5}, "最大宽度不能大于640"},
      {"model 1 height", 1, filled(32, 80, red), {32, 80, 1, 0, 4, 5}, "最大高度不能大于64"},
      {"model 2 area",
       2,
       filled(320, 80, yellow),
       {320, 80, 3, 0, 4, 5},
       "超出系统最大屏宽屏高的定义"},
      {"play mode", 0, filled(32, 16, red), {32, 16, 1, 16, 4, 5}, "播放方式"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    TestHome home;
    ProgramStore store(home.path());
    store.writePicture(0, filled(32, 16, red));
    store.writeSettings(0, {32, 16, 1, 0, 4, 5});
    if (row.picture.isNull())
      ASSERT_TRUE(home.write(QStringLiteral("Program/1.bmp"), "not a bitmap"));
    else
      store.writePicture(1, row.picture);
    store.writeSettings(1, row.entry);
    QString refusal;
    try {
      checkLibraryForSend(store, 2, row.model);
    } catch (const LedError& e) {
      refusal = e.text();
    }
    if (*row.refusal == 0) {
      EXPECT_EQ(refusal, QString());
    } else {
      EXPECT_TRUE(refusal.startsWith(QStringLiteral("节目2："))) << refusal.toStdString();
      EXPECT_TRUE(refusal.contains(QString::fromUtf8(row.refusal))) << refusal.toStdString();
    }
  }
}

}  // namespace
