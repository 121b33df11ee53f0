#pragma once

#include <QApplication>
#include <cstdlib>

// Memory that fontconfig and Qt's font caches keep for the life of the process is not a finding.
// (Defined here, in the one source file of each fuzz program that includes this header.)
extern "C" __attribute__((used)) const char* __lsan_default_suppressions() {
  return "leak:libfontconfig\nleak:QFontDatabase\nleak:QFontEngine\n";
}

// One headless application for the fuzz targets that lay out or draw text.
inline void startHeadlessApplication() {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "fuzz";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  (void)app;
}

// Stops the run on a broken property, so libFuzzer keeps the input.
#define FUZZ_CHECK(condition) \
  do {                        \
    if (!(condition)) {       \
      __builtin_trap();       \
    }                         \
  } while (false)
