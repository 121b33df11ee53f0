// The library commands through the real ledsignctl, each in a fresh copy of one world: a home
// with a text program and a picture program, and a folder of the operator's files beside it.
#include <gtest/gtest.h>

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <map>

#include "CtlRun.h"
#include "HomeLock.h"
#include "ProgramStore.h"
#include "TestHome.h"

namespace {

using Files = std::map<QString, QByteArray>;

void restore(const QString& root, const Files& files) {
  for (const auto& [name, bytes] : files) {
    QDir(root).mkpath(QFileInfo(name).path());
    QFile f(QDir(root).filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
  }
}

// A file too large for the tool, kept out of the world that every case copies.
const QTemporaryDir fixed;

// ledsignctl --home W/home ARGS; %W in an argument stands for the world's folder, %F the fixed one.
CtlOutcome ctl(const QString& world, QStringList args) {
  for (QString& a : args) a.replace(QStringLiteral("%W"), world).replace("%F", fixed.path());
  return runCtl(QStringList{QStringLiteral("--home"), world + QStringLiteral("/home")} + args);
}

class LibraryCommands : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    QTemporaryDir dir;
    const QString w = dir.path();
    QDir(w).mkpath(QStringLiteral("home/Program"));
    restore(w, {{"files/doc.rtf", R"({\rtf1\ansi {\colortbl;\red0\green128\blue0;}\cf1 Hi\par})"},
                {"files/junk.png", "not a picture"},
                {"files/lib/set.ini", ""}});
    QFile big(fixed.filePath(QStringLiteral("big.rtf")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(17 * 1024 * 1024));
    QImage pic(40, 20, QImage::Format_RGB32);
    pic.fill(Qt::red);
    pic.save(w + QStringLiteral("/files/pic.png"));
    pic.save(w + QStringLiteral("/files/lib/0.bmp"), "BMP");
    ASSERT_EQ(ctl(w, {"add", "--text", "欢迎", "--size", "64x32"}).code, 0);
    ASSERT_EQ(ctl(w, {"add", "--picture", "%W/files/pic.png", "--size", "64x32"}).code, 0);
    base_ = new Files(filesUnder(w));
  }
  static void TearDownTestSuite() { delete base_; }
  void SetUp() override { restore(world_.path(), *base_); }

  static Files* base_;
  QTemporaryDir world_;
};
Files* LibraryCommands::base_ = nullptr;

// A command line; the files of the world it adds, removes or rewrites (P stands for home/Program/,
// R for home/Rtf/), in order, every other one kept byte for byte; a text stdout or stderr shows.
struct Case {
  const char* line;
  int code;
  const char* changed;
  const char* output;
};

TEST_F(LibraryCommands, CommandLinesExitWithTheirCodeAndChangeOnlyTheirFiles) {
  const std::vector<Case> cases = {
      {"list", 0, "", "2\t64×32\t红色"},
      {"add --text 你好 --size 64x32 --colour green --speed 0", 0, "P2.bmp Pset.ini R2.rtf", "3"},
      {"add --picture %W/files/pic.png --size 32x16 --fit fill --colours dither --mode 15", 0,
       "P2.bmp Pset.ini", "3"},
      {"add --rtf %W/files/doc.rtf --size 64x32", 0, "P2.bmp Pset.ini R2.rtf", ""},
      {"add --text 宽 --size 700x32", 0, "P2.bmp Pset.ini R2.rtf", "控制卡不能显示"},
      {"add --picture %W/files/none.png --size 64x32", 2, "", "不存在"},
      {"add --picture %W/files/junk.png --size 64x32", 2, "", ""},
      {"add --rtf %F/big.rtf --size 64x32", 2, "", "16 MiB"},
      {"--net 127.0.0.1:1 add --text x", 1, "", "连接失败"},  // the sign's size from a closed port
      {"add --text x --rtf %W/files/doc.rtf --size 64x32", 2, "", ""},
      {"add --text x --size 64x32 --mode 16", 2, "", "--mode"},
      {"add --text x --size 64x32 --colours blue", 2, "", ""},
      {"add --text x --size 64x32 --bogus", 2, "", ""},
      {"set-program 2 --mode 3 --dwell 9", 0, "Pset.ini", ""},
      {"set-program 2", 2, "", ""},
      {"set-program 3 --speed 1", 2, "", ""},
      {"delete 1", 0, "P0.bmp P1.bmp Pset.ini R0.rtf", ""},
      {"delete 0", 2, "", ""},
      {"clear", 0, "P0.bmp P1.bmp Pset.ini R0.rtf", ""},
      {"export %W/files", 0, "files/0.bmp files/1.bmp files/set.ini", "导出节目成功"},
      {"import %W/files/lib", 0, "P0.bmp P1.bmp Pset.ini R0.rtf", "1个节目的颜色值与图片不符"},
      {"import %W/files", 2, "", "set.ini"},
      {"render 1 %W/files/out.png --zoom 3", 0, "files/out.png", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const QTemporaryDir world;
    restore(world.path(), *base_);
    const auto [code, out, err] = ctl(world.path(), QString::fromUtf8(c.line).split(u' '));
    EXPECT_EQ(code, c.code) << err.toStdString();
    EXPECT_TRUE((out + err).contains(QString::fromUtf8(c.output))) << (out + err).toStdString();
    const Files after = filesUnder(world.path());
    QStringList changed;
    for (const auto& [name, bytes] : after)
      if (!base_->count(name) || base_->at(name) != bytes) changed << name;
    for (const auto& [name, bytes] : *base_)
      if (!after.count(name)) changed << name;
    changed.sort();
    const QString expected = QString::fromUtf8(c.changed)
                                 .replace(QRegularExpression("(^| )P"), "\\1home/Program/")
                                 .replace(QRegularExpression("(^| )R"), "\\1home/Rtf/");
    EXPECT_EQ(changed.join(u' ').toStdString(), expected.toStdString());
  }
}

TEST_F(LibraryCommands, AFullLibraryOrAHeldLockRefusesWithoutAChange) {
  const QString program = world_.filePath(QStringLiteral("home/Program/"));
  for (int n = 2; n < ProgramStore::MaxPrograms; ++n)
    QFile::copy(program + "1.bmp", program + QString::number(n) + ".bmp");
  const Files full = filesUnder(world_.path());
  EXPECT_TRUE(
      ctl(world_.path(), {"add", "--text", "x", "--size", "8x8"}).err.contains("超出节目最大数"));
  EXPECT_EQ(filesUnder(world_.path()), full);
  HomeLock lock(world_.filePath(QStringLiteral("home")));
  ASSERT_TRUE(lock.tryLock());
  const Files locked = filesUnder(world_.path());
  for (const char* command : {"list", "clear"}) EXPECT_EQ(ctl(world_.path(), {command}).code, 3);
  EXPECT_EQ(filesUnder(world_.path()), locked);
}

TEST_F(LibraryCommands, ListAsJsonAndRenderAsTheSignShowsTheClass) {
  const QJsonArray rows =
      QJsonDocument::fromJson(ctl(world_.path(), {"--json", "list"}).out.toUtf8()).array();
  ASSERT_EQ(rows.size(), 2);
  EXPECT_EQ(rows[0].toObject()["content"].toString(), "text");
  EXPECT_EQ(rows[1],
            QJsonDocument::fromJson(R"({"number": 2, "width": 64, "height": 32, "colour": 1,
      "mode": 0, "speed": 4, "dwell": 5, "content": "picture"})")
                .object());
  // A red picture under a green-only class shows dark on the sign; under its own class, red.
  ProgramStore store(world_.filePath(QStringLiteral("home")));
  for (const auto& [cls, shown] :
       {std::pair{2, QColor(Qt::black)}, std::pair{1, QColor(Qt::red)}}) {
    store.writeSettings(1, ProgramEntry{64, 32, cls, 0, 4, 5});
    ASSERT_EQ(ctl(world_.path(), {"render", "2", "%W/out.png", "--zoom", "2"}).code, 0);
    const QImage out(world_.filePath(QStringLiteral("out.png")));
    EXPECT_EQ(out.pixelColor(127, 63), shown) << cls;  // the last pixel, at zoom 2
  }
}

}  // namespace
