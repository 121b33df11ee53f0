#include <QCommandLineParser>
#include <QIcon>

#include "Application.h"
#include "Commconfig.h"
#include "Fonts.h"
#include "Getpram.h"
#include "Home.h"
#include "Kernel.h"
#include "Ledview.h"
#include "LinkLibraries.h"
#include "Mainface.h"
#include "Pramme.h"
#include "Prompt.h"
#include "Screenwh.h"
#include "Sendpram.h"
#include "Wordsedit.h"

int main(int argc, char** argv) {
  LedApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("ledsign"));

  QCommandLineParser options;
  options.addHelpOption();
  const QCommandLineOption homeOption(QStringLiteral("home"),
                                      QStringLiteral("Keep set.ini, Program/ and Rtf/ in DIR."),
                                      QStringLiteral("DIR"));
  options.addOption(homeOption);
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
  // The link libraries live beside the executable and read LEDSIGN_HOME, exported above.
  LinkLibraries link(QCoreApplication::applicationDirPath());

  // The nine windows are created once, in this order, and reused until the application ends.
  TMainForm mainForm(prompt, home);
  mainForm.setLink(&link);
  TWordsForm wordsForm(mainForm);
  TCommForm commForm(mainForm);
  TLedViewForm ledViewForm(mainForm);
  TScreenWHForm screenWHForm(mainForm);
  TPrammeForm prammeForm(mainForm);
  TGetPramForm getPramForm(mainForm);
  TSendPramForm sendPramForm(mainForm);
  TKernelForm kernelForm(mainForm);
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
