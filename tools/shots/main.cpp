#include <gtest/gtest.h>
#include <QApplication>
#include <QIcon>
#include <cstdio>

#include "Fonts.h"
#include "Language.h"

// One QApplication on the screen the shots are taken from (Xvfb), with the Song face
// substitution and the icon theme the application starts with, in the language
// LEDSIGN_SHOTS_LANG names (zh, the default, or en).
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const auto language = languageFromCode(qEnvironmentVariable("LEDSIGN_SHOTS_LANG", "zh"));
  if (!language || !installLanguage(*language)) {
    fprintf(stderr, "ledsign_shots: LEDSIGN_SHOTS_LANG is zh or en, and its catalogues load\n");
    return 2;
  }
  installFontSubstitutions();
  if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
    QIcon::setThemeName(QStringLiteral("Adwaita"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
