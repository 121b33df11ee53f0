// ledsignctl: the product's operations from the command line, over the cores the windows use.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <exception>
#include <memory>

#include "Ctl.h"
#include "Fonts.h"
#include "Language.h"
#include "LedError.h"

namespace {

QString toolHelp(const QCommandLineParser& parser, const std::vector<ctl::Command>& commands) {
  QString text = parser.helpText();
  text += QLatin1Char('\n') + QCoreApplication::translate("ledsignctl", "命令 (commands):") +
          QLatin1Char('\n');
  for (const ctl::Command& c : commands)
    text += QStringLiteral("  %1  %2\n").arg(c.name, -12).arg(c.summary);
  text += QLatin1Char('\n') +
          QCoreApplication::translate("ledsignctl", "每条命令的说明：ledsignctl COMMAND --help") +
          QStringLiteral("\n\n");
  text += QCoreApplication::translate(
      "ledsignctl",
      "退出码 (exit status):\n"
      "  0  成功 (success)\n"
      "  1  控制卡拒绝或失败，打印链接库的结果代码；fleet：至少一个大屏未成功\n"
      "     (the controller refused or failed; fleet: a sign did not succeed)\n"
      "  2  用法或输入有误，没有写入任何文件 (bad usage or bad input; nothing written)\n"
      "  3  节目库文件夹被另一个程序锁定 (the home is locked by another process)\n");
  return text;
}

}  // namespace

// The index of the command on the command line: the first argument that is neither a global
// option nor the value of one; argc when there is none.
int commandIndex(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const QByteArray a(argv[i]);
    if (!a.startsWith('-')) return i;
    if (!a.contains('=') && (a == "--home" || a == "--net" || a == "--serial" || a == "--baud" ||
                             a == "--timeout" || a == "--sign" || a == "--lang"))
      ++i;
  }
  return argc;
}

int main(int argc, char** argv) {
  // Text rendering and picture conversion need a GUI application, never a screen; the other
  // commands start faster without one.
  const int commandAt = commandIndex(argc, argv);
  const QByteArray command = commandAt < argc ? QByteArray(argv[commandAt]) : QByteArray();
  std::unique_ptr<QCoreApplication> app;
  if (command == "add" || command == "render" || command == "convert") {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QGuiApplication>(argc, argv);
  } else {
    app = std::make_unique<QCoreApplication>(argc, argv);
  }
  QCoreApplication::setApplicationName(QStringLiteral("ledsignctl"));
  QCoreApplication::setApplicationVersion(QStringLiteral(LEDSIGN_VERSION));
  // The language comes before the parser, whose help texts are already in it.
  QString languageError;
  const std::optional<Language> language = chooseLanguage(commandAt, argv, &languageError);
  if (!language) {
    fprintf(stderr, "ledsignctl: %s\n", qPrintable(languageError));
    return ctl::BadInput;
  }
  installLanguage(*language);

  std::vector<ctl::Command> commands;
  for (auto group :
       {ctl::libraryCommands(), ctl::linkCommands(), ctl::pictureCommands(), ctl::fleetCommands()})
    for (auto& c : group) commands.push_back(std::move(c));

  QCommandLineParser parser;
  parser.setApplicationDescription(QCoreApplication::translate(
      "ledsignctl",
      "LED屏节目库与控制卡的命令行工具 (the LED sign editor's operations from the command line)"));
  parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
  const QCommandLineOption help(
      QStringList{QStringLiteral("h"), QStringLiteral("help")},
      QCoreApplication::translate("ledsignctl", "显示说明 (show this help)."));
  const QCommandLineOption version(
      QStringList{QStringLiteral("v"), QStringLiteral("version")},
      QCoreApplication::translate("ledsignctl", "显示版本 (show the version)."));
  const QCommandLineOption home(
      QStringLiteral("home"),
      QCoreApplication::translate("ledsignctl",
                                  "节目库文件夹 (the home: set.ini, Program/, Rtf/)."),
      QStringLiteral("DIR"));
  const QCommandLineOption net(
      QStringLiteral("net"),
      QCoreApplication::translate("ledsignctl", "经TCP/IP连接控制卡 (reach the card over TCP/IP)."),
      QStringLiteral("HOST[:PORT]"));
  const QCommandLineOption serial(
      QStringLiteral("serial"),
      QCoreApplication::translate("ledsignctl",
                                  "经串口连接控制卡 (reach the card over a serial line)."),
      QStringLiteral("DEVICE"));
  const QCommandLineOption baud(
      QStringLiteral("baud"),
      QCoreApplication::translate("ledsignctl", "串口波特率 (serial speed)."), QStringLiteral("N"));
  const QCommandLineOption timeout(
      QStringLiteral("timeout"),
      QCoreApplication::translate("ledsignctl", "应答超时 (reply timeout, milliseconds)."),
      QStringLiteral("MS"));
  const QCommandLineOption sign(
      QStringLiteral("sign"),
      QCoreApplication::translate(
          "ledsignctl",
          "连接大屏列表中这个名称的大屏 (reach the sign of this name in the sign list)."),
      QStringLiteral("NAME"));
  const QCommandLineOption json(
      QStringLiteral("json"),
      QCoreApplication::translate("ledsignctl", "结果以JSON输出 (results as JSON)."));
  const QCommandLineOption sharedHome = [] {
    QCommandLineOption o(
        QStringLiteral("shared-home"),
        QCoreApplication::translate(
            "ledsignctl",
            "节目库只读、不加锁，供同时发送到多个大屏 (the home is a read-only copy "
            "shared by several processes: no lock; commands that write refuse)."));
    o.setFlags(QCommandLineOption::HiddenFromHelp);
    return o;
  }();
  const QCommandLineOption lang(
      QStringLiteral("lang"),
      QCoreApplication::translate(
          "ledsignctl", "界面语言：zh 中文，en 英文；默认随系统 (LC_ALL、LC_MESSAGES、LANG)。"),
      QStringLiteral("zh|en"));
  for (const auto* o :
       {&help, &version, &home, &net, &serial, &baud, &timeout, &sign, &json, &lang, &sharedHome})
    parser.addOption(*o);
  parser.addPositionalArgument(QStringLiteral("COMMAND"),
                               QCoreApplication::translate("ledsignctl", "见下 (see below)."),
                               QStringLiteral("COMMAND [ARGS]"));

  ctl::Context ctx;
  try {
    if (!parser.parse(QCoreApplication::arguments())) ctl::badInput(parser.errorText());
    if (parser.isSet(version)) {
      ctx.out() << QCoreApplication::applicationName() << ' '
                << QCoreApplication::applicationVersion() << '\n';
      return ctl::Success;
    }
    const QStringList rest = parser.positionalArguments();
    if (parser.isSet(help)) {
      ctx.out() << toolHelp(parser, commands);
      return ctl::Success;
    }
    if (rest.isEmpty())
      ctl::badInput(QCoreApplication::translate("ledsignctl", "缺少命令，见 ledsignctl --help"));
    if (int(parser.isSet(net)) + int(parser.isSet(serial)) + int(parser.isSet(sign)) > 1)
      ctl::badInput(
          QCoreApplication::translate("ledsignctl", "--net、--serial 和 --sign 只能选一个"));
    if (parser.isSet(home)) ctx.homeOverride = parser.value(home);
    if (parser.isSet(net)) ctx.netOverride = parser.value(net);
    if (parser.isSet(serial)) ctx.serialDevice = parser.value(serial);
    if (parser.isSet(baud)) ctx.baud = ctl::intArgument(parser.value(baud), 1, 4000000, "--baud");
    if (parser.isSet(timeout))
      ctx.timeoutMs = ctl::intArgument(parser.value(timeout), 1, 600000, "--timeout");
    ctx.json = parser.isSet(json);
    ctx.sharedHome = parser.isSet(sharedHome);
    if (parser.isSet(sign)) ctl::useSign(ctx, parser.value(sign));
    if (qobject_cast<QGuiApplication*>(app.get())) installFontSubstitutions();

    for (const ctl::Command& c : commands) {
      if (c.name == rest.front()) {
        const int code = c.run(ctx, rest);
        ctx.out().flush();
        return code;
      }
    }
    ctl::badInput(QCoreApplication::translate("ledsignctl", "未知的命令“%1”，见 ledsignctl --help")
                      .arg(rest.front()));
  } catch (const ctl::Exit& e) {
    ctx.out().flush();
    if (!e.message.isEmpty()) ctx.err() << "ledsignctl: " << e.message << '\n';
    ctx.err().flush();
    return e.code;
  } catch (const LedError& e) {
    ctx.out().flush();
    ctx.err() << "ledsignctl: " << e.text() << '\n';
    ctx.err().flush();
    return ctl::BadInput;
  } catch (const std::exception& e) {
    ctx.out().flush();
    ctx.err() << "ledsignctl: " << e.what() << '\n';
    ctx.err().flush();
    return ctl::BadInput;
  }
}
