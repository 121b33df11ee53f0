#include "Program.h"

namespace nq {

LedColour ledColourOf(uint8_t r, uint8_t g, uint8_t b) {
  if (const int exact = exactLedColour(packRgb(r, g, b)); exact >= 0) return LedColour(exact);
  int best = 0;
  long bestD = -1;
  for (int i = 0; i < 4; ++i) {
    const uint32_t ref = kPureRgb[i];
    long dr = r - long(ref >> 16), dg = g - long((ref >> 8) & 0xff), db = b - long(ref & 0xff);
    long d = dr * dr + dg * dg + db * db;
    if (bestD < 0 || d < bestD) {
      bestD = d;
      best = i;
    }
  }
  return LedColour(best);
}

void pureRgb(LedColour c, uint8_t out[3]) {
  const uint32_t rgb = kPureRgb[c & 3];
  out[0] = uint8_t(rgb >> 16);
  out[1] = uint8_t(rgb >> 8);
  out[2] = uint8_t(rgb);
}

int colourClassOf(const Image& img) {
  int cls = 0;
  for (int y = 0; y < img.height && cls != 3; ++y)
    for (int x = 0; x < img.width && cls != 3; ++x) {
      const uint8_t* p = img.px(x, y);
      cls = addToColourClass(cls, exactLedColour(packRgb(p[0], p[1], p[2])));
    }
  return cls;
}

int planeCount(int colourClass) { return colourClass == 3 ? 2 : 1; }
size_t planeStride(int width) { return (size_t(width) + 7) / 8; }
size_t planeBytes(int width, int height, int colourClass) {
  return size_t(planeCount(colourClass)) * planeStride(width) * size_t(height);
}

bool settingsInRange(const ProgramSettings& s) {
  return s.colourClass >= 0 && s.colourClass <= 3 && s.playMode >= 0 &&
         s.playMode <= kMaxPlayMode && s.playSpeed >= 0 && s.playSpeed <= kMaxPlaySpeed &&
         s.dwell >= 0 && s.dwell <= kMaxDwell;
}

void encodeProgram(std::vector<uint8_t>& out, const Image& img, const ProgramSettings& s) {
  out.push_back(uint8_t(img.width));
  out.push_back(uint8_t(img.width >> 8));
  out.push_back(uint8_t(img.height));
  out.push_back(uint8_t(img.height >> 8));
  out.push_back(uint8_t(s.colourClass));
  out.push_back(uint8_t(s.playMode));
  out.push_back(uint8_t(s.playSpeed));
  out.push_back(uint8_t(s.dwell));
  const size_t stride = planeStride(img.width);
  const size_t plane = stride * size_t(img.height);
  const int planes = planeCount(s.colourClass);
  size_t base = out.size();
  out.resize(base + plane * size_t(planes), 0);
  if (s.colourClass == 0) return;  // one dark plane
  // Which LED bit each plane carries.
  uint8_t bits[2] = {uint8_t(s.colourClass == 2 ? Green : Red), Green};
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x) {
      const uint8_t* p = img.px(x, y);
      LedColour c = ledColourOf(p[0], p[1], p[2]);
      for (int k = 0; k < planes; ++k)
        if (c & bits[k])
          out[base + size_t(k) * plane + size_t(y) * stride + size_t(x) / 8] |=
              uint8_t(0x80 >> (x % 8));
    }
}

namespace {
bool fail(std::string* why, const char* text) {
  if (why) *why = text;
  return false;
}
}  // namespace

bool parseProgramStream(std::span<const uint8_t> stream, int count, std::vector<WireProgram>& out,
                        std::string* why) {
  out.clear();
  if (count < 0 || count > kMaxPrograms) return fail(why, "count out of range");
  size_t p = 0;
  for (int i = 0; i < count; ++i) {
    if (stream.size() - p < kProgramHeaderSize) return fail(why, "truncated header");
    const uint8_t* h = stream.data() + p;
    WireProgram w;
    w.width = h[0] | h[1] << 8;
    w.height = h[2] | h[3] << 8;
    w.settings = {h[4], h[5], h[6], h[7]};
    if (w.width < 1 || w.width > kMaxProgramWidth || w.height < 1 || w.height > kMaxProgramHeight)
      return fail(why, "size out of range");
    if (!settingsInRange(w.settings)) return fail(why, "settings out of range");
    size_t n = planeBytes(w.width, w.height, w.settings.colourClass);
    p += kProgramHeaderSize;
    if (stream.size() - p < n) return fail(why, "truncated planes");
    w.planes.assign(stream.begin() + ptrdiff_t(p), stream.begin() + ptrdiff_t(p + n));
    p += n;
    out.push_back(std::move(w));
  }
  if (p != stream.size()) return fail(why, "trailing bytes");
  return true;
}

size_t programStreamPrefix(std::span<const uint8_t> stream, int count) {
  size_t p = 0;
  for (int i = 0; i < count && stream.size() - p >= kProgramHeaderSize; ++i) {
    const uint8_t* h = stream.data() + p;
    p += kProgramHeaderSize + planeBytes(h[0] | h[1] << 8, h[2] | h[3] << 8, h[4]);
  }
  return p <= stream.size() ? p : stream.size();
}

Image decodeProgram(const WireProgram& p) {
  Image img(p.width, p.height);
  const size_t stride = planeStride(p.width);
  const size_t plane = stride * size_t(p.height);
  const int planes = planeCount(p.settings.colourClass);
  uint8_t bits[2] = {uint8_t(p.settings.colourClass == 2 ? Green : Red), Green};
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      uint8_t c = 0;
      for (int k = 0; k < planes; ++k) {
        size_t at = size_t(k) * plane + size_t(y) * stride + size_t(x) / 8;
        if (at < p.planes.size() && (p.planes[at] & (0x80 >> (x % 8)))) c |= bits[k];
      }
      pureRgb(LedColour(c), img.px(x, y));
    }
  return img;
}

}  // namespace nq
