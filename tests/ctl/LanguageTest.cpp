// ledsignctl's language: chosen by --lang, else by the locale, and complete in English: every
// command's help and the messages of the usual failures carry no Chinese character.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "Chinese.h"
#include "HomeLock.h"

namespace {

struct CtlRun {
  int code;
  QString out;
  QString err;
};

// ledsignctl ARGS with the locale variables of `locale` ("LANG=…" entries) and no others.
CtlRun ctl(const QStringList& args, const QStringList& locale = {}) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"})
    env.remove(QString::fromLatin1(name));
  for (const QString& entry : locale) env.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1));
  QProcess p;
  p.setProcessEnvironment(env);
  p.start(QStringLiteral(LEDSIGN_BIN_DIR "/ledsignctl"), args);
  p.waitForFinished(60000);
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
          QString::fromUtf8(p.readAllStandardOutput()),
          QString::fromUtf8(p.readAllStandardError())};
}

// Which language the locale and --lang choose: the help says it.
TEST(CtlLanguage, LocaleAndOptionChooseTheLanguage) {
  const struct {
    QStringList locale;
    QStringList args;
    bool english;
  } rows[] = {
      {{}, {}, false},
      {{"LANG=C.UTF-8"}, {}, false},
      {{"LANG=zh_CN.UTF-8"}, {}, false},
      {{"LANG=en_US.UTF-8"}, {}, true},
      {{"LANG=en_GB"}, {}, true},
      {{"LANG=zh_CN.UTF-8", "LC_MESSAGES=en_US.UTF-8"}, {}, true},
      {{"LANG=en_US.UTF-8", "LC_ALL=zh_CN.UTF-8"}, {}, false},
      {{"LANG=en_US.UTF-8"}, {"--lang", "zh"}, false},
      {{"LANG=zh_CN.UTF-8"}, {"--lang=en"}, true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE((row.locale + row.args).join(u' ').toStdString());
    const CtlRun r = ctl(row.args + QStringList{QStringLiteral("--help")}, row.locale);
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(hasChinese(r.out), !row.english) << r.out.toStdString();
  }
  const CtlRun bad = ctl({QStringLiteral("--lang"), QStringLiteral("fr"), QStringLiteral("list")});
  EXPECT_EQ(bad.code, 2);
  EXPECT_TRUE(bad.err.contains(QStringLiteral("zh or en"))) << bad.err.toStdString();
}

// In English, the tool's help, every command's help (the commands as the help lists them) and
// the messages of usual failures: bad usage, a closed port, a locked home, a file that is not a
// picture, a sign list that names no such sign.
TEST(CtlLanguage, EnglishHasNoChinese) {
  const QTemporaryDir dir;
  const QString home = dir.filePath(QStringLiteral("home"));
  const QString junk = dir.filePath(QStringLiteral("junk.png"));
  {
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("not a picture") > 0);
  }
  // The home's link is a closed loopback port: a row that connects reaches nothing else.
  ASSERT_TRUE(QDir().mkpath(home + QStringLiteral("/Program")));
  {
    QFile f(home + QStringLiteral("/set.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(
        "[\xC5\xE4\xD6\xC3\xB2\xCE\xCA\xFD]\r\n\xCD\xA8\xD1\xB6\xB7\xBD\xCA\xBD=1\r\n"
        "LEDIP=127.0.0.1\r\nLEDPORT=1\r\n");
  }
  const QStringList english{QStringLiteral("--lang"), QStringLiteral("en"),
                            QStringLiteral("--home"), home};

  const CtlRun help = ctl(english + QStringList{QStringLiteral("--help")});
  ASSERT_EQ(help.code, 0);
  std::vector<QStringList> rows;
  static const QRegularExpression command(QStringLiteral("^  ([a-z][a-z-]*)  "),
                                          QRegularExpression::MultilineOption);
  for (auto it = command.globalMatch(help.out); it.hasNext();)
    rows.push_back({it.next().captured(1), QStringLiteral("--help")});
  EXPECT_GT(rows.size(), 10u) << help.out.toStdString();
  rows.push_back({QStringLiteral("--help")});
  rows.push_back({QStringLiteral("bogus")});
  rows.push_back(
      {QStringLiteral("--net"), QStringLiteral("127.0.0.1:1"), QStringLiteral("status")});
  rows.push_back({QStringLiteral("--json"), QStringLiteral("--net"), QStringLiteral("127.0.0.1:1"),
                  QStringLiteral("status")});
  // With --size, add never asks a card for the sign's size.
  rows.push_back({QStringLiteral("add"), QStringLiteral("--size"), QStringLiteral("64x32"),
                  QStringLiteral("--picture"), junk});
  rows.push_back({QStringLiteral("add"), QStringLiteral("--size"), QStringLiteral("64x32"),
                  QStringLiteral("--text"), QString()});
  rows.push_back({QStringLiteral("--sign"), QStringLiteral("nowhere"), QStringLiteral("status")});
  rows.push_back({QStringLiteral("sign"), QStringLiteral("add"), QStringLiteral("-x")});
  rows.push_back({QStringLiteral("fleet"), QStringLiteral("status")});
  for (const QStringList& args : rows) {
    SCOPED_TRACE(args.join(u' ').toStdString());
    const CtlRun r = ctl(english + args);
    EXPECT_FALSE((r.out + r.err).trimmed().isEmpty());
    EXPECT_FALSE(hasChinese(r.out + r.err)) << (r.out + r.err).toStdString();
  }

  HomeLock lock(home);
  ASSERT_TRUE(lock.tryLock());
  const CtlRun locked = ctl(english + QStringList{QStringLiteral("clear")});
  EXPECT_EQ(locked.code, 3);
  EXPECT_FALSE(hasChinese(locked.err)) << locked.err.toStdString();
}

}  // namespace
