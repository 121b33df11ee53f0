#include <QCommandLineParser>
#include <QIcon>
#include <cstdio>

#include "Application.h"
#include "Commconfig.h"
#include "ErrorReport.h"
#include "Fonts.h"
#include "Getpram.h"
#include "Home.h"
#include "HomeLock.h"
#include "Kernel.h"
#include "Language.h"
#include "Ledview.h"
#include "LinkLibraries.h"
#include "Mainface.h"
#include "Pramme.h"
#include "Prompt.h"
#include "Screenwh.h"
#include "Sendpram.h"
#include "Wordsedit.h"
#include "Workspace.h"

int main(int argc, char** argv) {
  // --help and --version print text and end: they need no screen.
  for (int i = 1; i < argc; ++i) {
    const QByteArray a(argv[i]);
    if (a == "--help" || a == "-h" || a == "--version" || a == "-v")
      qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  // The language comes first: the help texts below are already in it.
  QString languageError;
  const std::optional<Language> language = chooseLanguage(argc, argv, &languageError);
  if (!language) qputenv("QT_QPA_PLATFORM", "offscreen");
  LedApplication app(argc, argv);
  if (!language) {
    fprintf(stderr, "ledsign: %s\n", qPrintable(languageError));
    return 2;
  }
  // Every window's texts, and Qt's own in the standard boxes and dialogs (buttons, file and font
  // dialogs, edit menus), in the chosen language.
  installLanguage(*language);
  QCoreApplication::setApplicationName(QStringLiteral("ledsign"));
  // The desktop entry of an installed copy: its name and icon for the window.
  QGuiApplication::setDesktopFileName(QStringLiteral("ledsign"));

  QCommandLineParser options;
  QCoreApplication::setApplicationVersion(QStringLiteral(LEDSIGN_VERSION));
  options.setApplicationDescription(QCoreApplication::translate(
      "ledsign", "LED屏节目编辑与控制 (an editor and controller for two-colour LED signs)"));
  options.addHelpOption();
  options.addVersionOption();
  const QCommandLineOption homeOption(
      QStringLiteral("home"),
      QCoreApplication::translate("ledsign",
                                  "节目库文件夹：set.ini、Program/ 与 Rtf/ 所在 (keep "
                                  "set.ini, Program/ and Rtf/ in DIR)."),
      QStringLiteral("DIR"));
  options.addOption(homeOption);
  options.addOption(QCommandLineOption(
      QStringLiteral("lang"),
      QCoreApplication::translate(
          "ledsign", "界面语言：zh 中文，en 英文；默认随系统 (LC_ALL、LC_MESSAGES、LANG)。"),
      QStringLiteral("zh|en")));
  options.process(app);

  const QString home =
      resolveHome(QCoreApplication::applicationDirPath(), options.value(homeOption));
  exportHomeToLinkLibraries(home);
  installFontSubstitutions();
  if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor")) {
    QIcon::setThemeName(QStringLiteral("Adwaita"));
  }

  DialogPrompt prompt;
  app.setPrompt(&prompt);
  // One editor per home: a second one would empty the library the first is editing, so it says
  // so and ends before it touches a file. The lock is held until the windows are gone.
  HomeLock homeLock(home);
  if (!homeLock.tryLock()) {
    prompt.message(nullptr, homeLock.refusal());
    return 1;
  }
  // The link libraries read LEDSIGN_HOME, exported above.
  LinkLibraries link(LinkLibraries::directoryFor(QCoreApplication::applicationDirPath()));

  // The state every window shares; the main window runs its heartbeat.
  Workspace workspace(home);
  workspace.setLink(&link);
  // Every run starts with an empty library; 导出 keeps a library, 导入 brings it back.
  runGuarded(prompt, nullptr, [&] { workspace.store().wipe(); });

  // The nine windows are created once, in this order, and reused until the application ends.
  // Each secondary window has the main window as its parent, so it stays above it.
  TMainForm mainForm(workspace, prompt);
  TWordsForm wordsForm(workspace, prompt, &mainForm);
  wordsForm.setWindowFlag(Qt::Window);
  TCommForm commForm(workspace, prompt, &mainForm);
  TLedViewForm ledViewForm(workspace, prompt, &mainForm);
  TScreenWHForm screenWHForm(workspace, prompt, &mainForm);
  TPrammeForm prammeForm(workspace, prompt, &mainForm);
  TGetPramForm getPramForm(workspace, prompt, &mainForm);
  TSendPramForm sendPramForm(workspace, prompt, &mainForm);
  TKernelForm kernelForm(workspace, prompt, &mainForm);
  mainForm.WordsForm = &wordsForm;
  mainForm.CommForm = &commForm;
  mainForm.LedViewForm = &ledViewForm;
  mainForm.ScreenWHForm = &screenWHForm;
  mainForm.PrammeForm = &prammeForm;
  mainForm.GetPramForm = &getPramForm;
  mainForm.SendPramForm = &sendPramForm;
  mainForm.KernelForm = &kernelForm;

  mainForm.show();
  app.exec();
  return 0;
}
