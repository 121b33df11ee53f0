#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QSize>
#include <QString>
#include <array>

#include "protocol/Limits.h"

// The six settings of one program, in the key order of its section.
struct ProgramEntry {
  int width = 0;
  int height = 0;
  int colour = 0;
  int mode = 0;
  int speed = 0;
  int dwell = 0;
  bool operator==(const ProgramEntry&) const = default;
};

// The three play settings that the main window's controls edit.
struct PlaySettings {
  int mode = 0;
  int speed = 4;
  int dwell = 5;
  bool operator==(const PlaySettings&) const = default;
};

// The program library on disk: Program/<n>.bmp, the sections 节目<n> of Program/set.ini and the
// editor's Rtf/<n>.rtf. Nothing is cached: every operation reads and writes the files, and every
// settings change parses the file once and replaces it atomically once. Failures throw LedError
// with a text for the operator; the library is left as it was before the failing step.
class ProgramStore {
  Q_DECLARE_TR_FUNCTIONS(ProgramStore)

 public:
  static constexpr int MaxPrograms = nq::kMaxPrograms;

  explicit ProgramStore(QString home);

  const QString& home() const { return home_; }
  QString programDir() const;
  QString settingsPath() const;
  QString picturePath(int n) const;
  QString rtfDir() const;
  QString rtfPath(int n) const;

  // Removes Program/<n>.bmp and Rtf/<n>.rtf for n = 0.. up to the first gap (at most 255 each)
  // and Program/set.ini. Creates Program/ when it is missing.
  void wipe();

  // Creates program n: a black 24-bit picture of width x height and a new section with the six
  // keys in their order ("颜色" 0). dwellText is stored as given. A rich-text file left under
  // that number by an earlier program is removed: a new program has no text yet.
  void append(int n, int width, int height, int mode, int speed, const QString& dwellText);

  void writePlaySettings(int n, int mode, int speed, const QString& dwellText);
  // Missing or non-decimal keys read as 0, 4 and 5.
  PlaySettings readPlaySettings(int n) const;

  // Writes all six keys of section 节目<n>.
  void writeSettings(int n, const ProgramEntry& entry);
  // Reads section 节目<n> with the delete defaults (32, 32, 0, 0, 0, 5).
  ProgramEntry readEntry(int n) const;

  // Stores a picture as a 24-bit uncompressed BMP.
  void writePicture(int n, const QImage& picture);
  // Stores an operator's BMP file byte for byte, after it has been checked.
  void writePictureFile(int n, const QByteArray& bmpBytes);
  // Loads Program/<n>.bmp; throws LedError when it is missing or not a readable bitmap.
  QImage readPicture(int n) const;
  // The size of Program/<n>.bmp from its header; throws LedError when unreadable.
  QSize readPictureSize(int n) const;

  // Removes program s of count programs and renumbers the ones after it (pictures, sections and
  // rich-text files). Every section is read and checked before the first file is touched.
  void deleteProgram(int s, int count);

 private:
  QString home_;
};

class GbkIni;

// Sets the "颜色" of programs 0 .. count-1 in a library settings file to the class of its picture
// (Program/<n>.bmp at pictureDir), as the editor computes it; a picture that cannot be read keeps
// its value. Returns how many values changed.
int correctColourClasses(GbkIni& settings, const QString& pictureDir, int count);

// The "颜色" value of a picture: 0 no LED colour, 1 red only, 2 green only, 3 red and green or
// yellow. The same table and rule as the link libraries' (nq::colourClassOf), so the class the
// editor stores is the class a send encodes.
int colourClass(const QImage& picture);

// Whether the picture has a pixel that is neither black nor one of the LED colours colourClass
// recognises. The sign shows such a pixel as the nearest LED colour its program's planes carry,
// or dark, so it will not look as the picture does.
bool hasColoursTheSignCannotShow(const QImage& picture);
