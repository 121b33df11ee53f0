#include <gtest/gtest.h>
#include <QApplication>
#include <QStandardPaths>

#include "Fonts.h"

// One QApplication for a whole suite, headless, with the Song face substitution installed.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  // The texts the suites compare are the Chinese ones, whatever the machine's locale; this
  // process and every ledsignctl it starts read the language from here.
  qputenv("LC_ALL", "C.UTF-8");
  QStandardPaths::setTestModeEnabled(true);
  QApplication app(argc, argv);
  installFontSubstitutions();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
