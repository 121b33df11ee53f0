#pragma once
// The product's limits, each defined here once: the link libraries, the virtual card, the program
// store, the editor, the parameter pages and the send check all read them from this header. No Qt.

#include <array>
#include <cstdint>

#include "Records.h"

namespace nq {

// Programs in a library, and in one send or fetch: the send record's bitmap slots.
inline constexpr int kMaxPrograms = NQ_MAX_PROGRAMS;

// A program the card can hold, whatever its model: the wire's size fields and every card's
// memory stop here.
inline constexpr int kMaxProgramWidth = 640;
inline constexpr int kMaxProgramHeight = 256;
// The editor stores program sides in steps of this many pixels.
inline constexpr int kProgramSideStep = 16;

// The controller models' rules. A program with red and green (colour class 3) needs two planes,
// so it may be only half as wide. Model 1 drives at most 64 rows; model 2 keeps 5120 bytes of
// planes a program, counted as width x height / 4 with two planes and / 8 with one.
inline constexpr int kMaxTwoColourWidth = 320;
inline constexpr int kModel1MaxHeight = 64;
inline constexpr int kModel2MaxPlaneBytes = 5120;

// The largest side of a sign the application accepts from a card or an operator: a 24-bit
// picture of 4096 x 4096 stays under 48 MiB, well inside what the store reads back.
inline constexpr int kMaxSignSide = 4096;

// The largest picture any decoder of the product reads: a side, and its decoded pixels (4 bytes
// each) or raw pixel rows.
inline constexpr int kMaxPictureSide = 16384;
inline constexpr int64_t kMaxPicturePixelBytes = int64_t(64) * 1024 * 1024;
// The largest library settings file (Program/set.ini) read.
inline constexpr int64_t kMaxIniFileBytes = int64_t(16) * 1024 * 1024;
// The largest BMP file read: the pixel limit plus generous room for headers and palette.
inline constexpr int64_t kMaxBmpFileBytes = kMaxPicturePixelBytes + 64 * 1024;

// A program's play settings.
inline constexpr int kMaxPlayMode = 15;
inline constexpr int kMaxPlaySpeed = 5;
inline constexpr int kMaxDwell = 255;

// The serial line speeds of the product, in the order the lists show them.
inline constexpr std::array<int, 10> kBaudRates = {1200,  2400,  4800,  9600,  14400,
                                                   19200, 28800, 38400, 57600, 115200};

// Which rule a program's size breaks on a controller model, and the number that rule names.
enum class SizeRule { Fits, Height, Width, Area };
struct SizeVerdict {
  SizeRule rule = SizeRule::Fits;
  int limit = 0;  // the largest height or width, or the plane bytes of the area rule
  bool fits() const { return rule == SizeRule::Fits; }
};

// The rules of model 1 and 2; any other model (none connected yet, or one the product does not
// know) gets the card's own limits, which every model keeps.
constexpr SizeVerdict checkProgramSize(int model, int colourClass, int width, int height) {
  const bool twoColours = colourClass == 3;
  const int maxHeight = model == 1 ? kModel1MaxHeight : kMaxProgramHeight;
  const int maxWidth =
      (model == 1 || model == 2) && twoColours ? kMaxTwoColourWidth : kMaxProgramWidth;
  if (height > maxHeight) return {SizeRule::Height, maxHeight};
  if (width > maxWidth) return {SizeRule::Width, maxWidth};
  if (model == 2 && int64_t(width) * height / (twoColours ? 4 : 8) > kModel2MaxPlaneBytes)
    return {SizeRule::Area, kModel2MaxPlaneBytes};
  return {};
}

}  // namespace nq
