#pragma once

#include <QString>

class ProgramStore;

// Copies the library to a folder and back. Both work on whole files and never read the pictures
// or the settings; failures throw LedError naming the file.

struct ExportResult {
  bool settingsCopied = false;  // false when the library had no set.ini (nothing to report)
};

// Copies Program/<n>.bmp (n < count) and Program/set.ini into the folder, each replacing a file
// of that name atomically. Other files of the folder are left alone.
ExportResult exportLibrary(const ProgramStore& store, int count, const QString& folder);

struct ImportResult {
  int count = 0;             // programs imported
  bool truncated = false;    // the folder held more consecutive pictures than the library takes
  int coloursCorrected = 0;  // "颜色" values that did not match their pictures and were set
};

// Brings a folder's <n>.bmp (n = 0.. up to the first gap, at most 255) and set.ini back as the
// library. The folder is checked first and everything is copied to a staging folder beside
// Program/ before any library file is replaced, so a failure leaves the library as it was.
// The rich-text files of the replaced library are removed. Each program's "颜色" is set to its
// picture's class (a send encodes the planes that class names, so a wrong one would leave a
// colour dark on the sign).
ImportResult importLibrary(const ProgramStore& store, const QString& folder);

// What an import that succeeded tells the operator: success, then the pictures left out and the
// "颜色" values corrected, each when there were any.
QString importReport(const ImportResult& imported);
