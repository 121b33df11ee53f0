#include <gtest/gtest.h>
#include <QApplication>
#include <QIcon>

#include "Fonts.h"

// One QApplication on the screen the shots are taken from (Xvfb), with the Song face
// substitution and the icon theme the application starts with.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  installFontSubstitutions();
  if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
    QIcon::setThemeName(QStringLiteral("Adwaita"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
