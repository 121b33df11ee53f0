#include <gtest/gtest.h>

#include <QApplication>

#include "Fonts.h"

// Leaks inside the platform's libraries, not ours to mend; read by LeakSanitizer only.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig\nleak:libQt6Core\nleak:libQt6Gui\nleak:libQt6Widgets\n"
         "leak:libglib\nleak:libdbus\n";
}

// One headless QApplication for the suite, with the Song face substitution for text programs.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  installFontSubstitutions();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
