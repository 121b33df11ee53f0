// ledsignctl's language: chosen by --lang, else by the locale, and complete in English: every
// command's help and the messages of the usual failures carry no Chinese character.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>

#include "Chinese.h"
#include "CtlRun.h"
#include "HomeLock.h"
#include "TestHome.h"

namespace {

// ledsignctl ARGS with the locale variables of `locale` ("LANG=…" entries) and no others.
CtlOutcome ctl(const QStringList& args, const QStringList& locale = {}) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"})
    env.remove(QString::fromLatin1(name));
  for (const QString& entry : locale) env.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1));
  return runCtl(args, env);
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
    const CtlOutcome r = ctl(row.args + QStringList{QStringLiteral("--help")}, row.locale);
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(hasChinese(r.out), !row.english) << r.out.toStdString();
  }
  // Like every global option, --lang comes before the command; after it, it is the command's.
  const TestHome home;
  const CtlOutcome late =
      ctl({"--home", home.path(), "list", "--lang", "en"}, {QStringLiteral("LANG=zh_CN.UTF-8")});
  EXPECT_EQ(late.code, 2);
  EXPECT_TRUE(hasChinese(late.err)) << late.err.toStdString();
  const CtlOutcome bad =
      ctl({QStringLiteral("--lang"), QStringLiteral("fr"), QStringLiteral("list")});
  EXPECT_EQ(bad.code, 2);
  EXPECT_TRUE(bad.err.contains(QStringLiteral("zh or en"))) << bad.err.toStdString();
}

// In English, the tool's help, every command's help (the commands as the help lists them) and
// the messages of usual failures: bad usage, a closed port, a locked home, a file that is not a
// picture, a sign list that names no such sign.
TEST(CtlLanguage, EnglishHasNoChinese) {
  const TestHome home;
  ASSERT_TRUE(home.write("junk.png", "not a picture"));
  // The home's link is a closed loopback port: a row that connects reaches nothing else.
  ASSERT_TRUE(home.write("set.ini",
                         "[\xC5\xE4\xD6\xC3\xB2\xCE\xCA\xFD]\r\n"
                         "\xCD\xA8\xD1\xB6\xB7\xBD\xCA\xBD=1\r\n"
                         "LEDIP=127.0.0.1\r\nLEDPORT=1\r\n"));
  const QStringList english{QStringLiteral("--lang"), QStringLiteral("en"),
                            QStringLiteral("--home"), home.path()};

  const CtlOutcome help = ctl(english + QStringList{QStringLiteral("--help")});
  ASSERT_EQ(help.code, 0);
  QStringList rows;
  static const QRegularExpression command(QStringLiteral("^  ([a-z][a-z-]*)  "),
                                          QRegularExpression::MultilineOption);
  for (auto it = command.globalMatch(help.out); it.hasNext();)
    rows << it.next().captured(1) + QStringLiteral(" --help");
  EXPECT_GT(rows.size(), 10) << help.out.toStdString();
  // With --size, add never asks a card for the sign's size.
  rows << "--help"
       << "bogus"
       << "--net 127.0.0.1:1 status"
       << "--json --net 127.0.0.1:1 status"
       << "add --size 64x32 --picture %H/junk.png"
       << "add --size 64x32 --text %E"
       << "--sign nowhere status"
       << "sign add -x"
       << "fleet status";
  for (const QString& row : rows) {
    SCOPED_TRACE(row.toStdString());
    QStringList args = row.split(u' ');  // %H the home, %E an empty argument
    for (QString& a : args) a = a == "%E" ? QString() : a.replace("%H", home.path());
    const CtlOutcome r = ctl(english + args);
    EXPECT_FALSE((r.out + r.err).trimmed().isEmpty());
    EXPECT_FALSE(hasChinese(r.out + r.err)) << (r.out + r.err).toStdString();
  }

  HomeLock lock(home.path());
  ASSERT_TRUE(lock.tryLock());
  const CtlOutcome locked = ctl(english + QStringList{QStringLiteral("clear")});
  EXPECT_EQ(locked.code, 3);
  EXPECT_FALSE(hasChinese(locked.err)) << locked.err.toStdString();
}

}  // namespace
