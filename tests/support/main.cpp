#include <gtest/gtest.h>
#include <QApplication>
#include <QStandardPaths>

#include "Fonts.h"

// Leaks inside the platform's libraries (fonts, Qt's caches) that are not ours to mend; read by
// LeakSanitizer in the sanitizer build, unused otherwise.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig\nleak:libQt6Core\nleak:libQt6Gui\nleak:libQt6Widgets\n"
         "leak:libglib\nleak:libdbus\n";
}

// One QApplication for a whole suite, headless, with the Song face substitution installed.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QStandardPaths::setTestModeEnabled(true);
  QApplication app(argc, argv);
  installFontSubstitutions();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
