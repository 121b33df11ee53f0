#pragma once
// Programs as they travel: one bit plane per LED colour, chosen by the program's colour class
// (1 red, 2 green, 3 red then green, 0 one dark red plane). Pictures are plain RGB images.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "Limits.h"

namespace nq {

inline constexpr size_t kProgramHeaderSize = 8;

// 24-bit picture, rows top-down, 3 bytes (R, G, B) per pixel.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;
  Image() = default;
  Image(int w, int h) : width(w), height(h), rgb(size_t(w) * size_t(h) * 3, 0) {}
  const uint8_t* px(int x, int y) const {
    return rgb.data() + (size_t(y) * size_t(width) + size_t(x)) * 3;
  }
  uint8_t* px(int x, int y) { return rgb.data() + (size_t(y) * size_t(width) + size_t(x)) * 3; }
};

// Bit 0 red, bit 1 green.
enum LedColour : uint8_t { Black = 0, Red = 1, Green = 2, Yellow = 3 };

// The one table of LED colours. The pure colours (0xRRGGBB) a fetch and the picture conversion
// write, indexed by LedColour.
inline constexpr uint32_t kPureRgb[4] = {0x000000u, 0xff0000u, 0x008000u, 0xffff00u};

// The LED colour of a pixel (0xRRGGBB, higher bits ignored) that is exactly one of the colours
// the product recognises: black, the pure colours, and the painting program's red (237,28,36),
// green (34,177,76) and yellow (255,242,0); -1 for any other colour.
constexpr int exactLedColour(uint32_t rgb) {
  switch (rgb & 0xffffffu) {
    case 0x000000u:
      return Black;
    case 0xff0000u:
    case 0xed1c24u:
      return Red;
    case 0x008000u:
    case 0x22b14cu:
      return Green;
    case 0xffff00u:
    case 0xfff200u:
      return Yellow;
    default:
      return -1;
  }
}
constexpr uint32_t packRgb(uint8_t r, uint8_t g, uint8_t b) {
  return uint32_t(r) << 16 | uint32_t(g) << 8 | b;
}

// The colour class ("颜色") so far after one more pixel of exact LED colour `colour` (or -1):
// 0 no LED colour, 1 red only, 2 green only, 3 red and green, or any yellow. Class 3 is final.
constexpr int addToColourClass(int cls, int colour) {
  if (colour <= 0 || cls == 3) return cls;
  if (colour == Yellow) return 3;
  if (cls == 0) return colour;
  return cls == colour ? cls : 3;
}

// Exact for the recognised colours, else the nearest of black, red, green (0,128,0) and yellow
// by squared RGB distance (ties: black, red, green, yellow).
LedColour ledColourOf(uint8_t r, uint8_t g, uint8_t b);
// The pure colour a fetch writes for an LED colour.
void pureRgb(LedColour c, uint8_t out[3]);
int colourClassOf(const Image& img);

struct ProgramSettings {
  int colourClass = 0;
  int playMode = 0;
  int playSpeed = 0;
  int dwell = 0;
};

struct WireProgram {
  int width = 0;
  int height = 0;
  ProgramSettings settings;
  std::vector<uint8_t> planes;  // planeCount * stride * height, rows top-down, MSB first
};

int planeCount(int colourClass);
size_t planeStride(int width);
size_t planeBytes(int width, int height, int colourClass);
bool settingsInRange(const ProgramSettings& s);

// Appends the block of one program (8-byte header then planes) to out.
void encodeProgram(std::vector<uint8_t>& out, const Image& img, const ProgramSettings& s);
// Parses exactly `count` blocks filling the whole stream; false with a reason on any defect.
bool parseProgramStream(std::span<const uint8_t> stream, int count, std::vector<WireProgram>& out,
                        std::string* why = nullptr);
// Byte length of the first `count` blocks of a valid stream.
size_t programStreamPrefix(std::span<const uint8_t> stream, int count);
Image decodeProgram(const WireProgram& p);

}  // namespace nq
