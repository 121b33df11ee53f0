#include "Bmp.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace nq {

namespace {
uint32_t le32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
uint16_t le16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

struct Mask {
  uint32_t mask = 0;
  int shift = 0;
  int bits = 0;
  explicit Mask(uint32_t m = 0) : mask(m) {
    if (!m) return;
    while (!((m >> shift) & 1)) ++shift;
    while (bits < 32 - shift && ((m >> (shift + bits)) & 1)) ++bits;
  }
  uint8_t get(uint32_t v) const {
    if (!mask) return 0;
    uint32_t x = (v & mask) >> shift;
    uint32_t max = bits >= 32 ? 0xFFFFFFFFu : ((1u << bits) - 1);
    return uint8_t((uint64_t(x) * 255 + max / 2) / max);
  }
};
}  // namespace

std::optional<std::pair<int64_t, int64_t>> bmpSize(std::span<const uint8_t> f) {
  if (f.size() < 26 || f[0] != 'B' || f[1] != 'M') return std::nullopt;
  const uint32_t hsize = le32(&f[14]);
  if (hsize < 12 || 14 + size_t(hsize) > f.size()) return std::nullopt;
  const uint8_t* h = &f[14];
  if (hsize == 12) return std::pair<int64_t, int64_t>(le16(h + 4), std::abs(int16_t(le16(h + 6))));
  if (hsize < 40) return std::nullopt;
  return std::pair<int64_t, int64_t>(int32_t(le32(h + 4)), std::abs(int64_t(int32_t(le32(h + 8)))));
}

std::optional<Image> decodeBmp(std::span<const uint8_t> f) {
  if (f.size() < 26 || f[0] != 'B' || f[1] != 'M') return std::nullopt;
  const uint32_t dataOffset = le32(&f[10]);
  const uint32_t hsize = le32(&f[14]);
  if (hsize < 12 || 14 + size_t(hsize) > f.size()) return std::nullopt;
  const uint8_t* h = &f[14];
  int64_t w, hh;
  int bpp;
  uint32_t compression = 0, colorsUsed = 0;
  size_t paletteEntry = 4;
  if (hsize == 12) {
    w = le16(h + 4);
    hh = int16_t(le16(h + 6));
    bpp = le16(h + 10);
    paletteEntry = 3;
  } else {
    if (hsize < 40) return std::nullopt;
    w = int32_t(le32(h + 4));
    hh = int32_t(le32(h + 8));
    bpp = le16(h + 14);
    compression = le32(h + 16);
    colorsUsed = le32(h + 32);
  }
  bool topDown = hh < 0;
  if (topDown) hh = -hh;
  if (w < 1 || hh < 1 || w > kMaxBmpDimension || hh > kMaxBmpDimension) return std::nullopt;
  const int width = int(w), height = int(hh);
  Mask mr, mg, mb;
  if (bpp == 16) {
    mr = Mask(0x7C00);
    mg = Mask(0x03E0);
    mb = Mask(0x001F);
  }
  if (bpp == 32) {
    mr = Mask(0xFF0000);
    mg = Mask(0xFF00);
    mb = Mask(0xFF);
  }
  if (compression == 3 || compression == 6) {
    if (bpp != 16 && bpp != 32) return std::nullopt;
    size_t at = 14 + 40;
    if (hsize >= 52) at = 14 + 40;  // V4/V5 carry the masks inside the header at the same place
    if (at + 12 > f.size()) return std::nullopt;
    mr = Mask(le32(&f[at]));
    mg = Mask(le32(&f[at + 4]));
    mb = Mask(le32(&f[at + 8]));
  } else if (compression == 1) {
    if (bpp != 8) return std::nullopt;
  } else if (compression == 2) {
    if (bpp != 4) return std::nullopt;
  } else if (compression != 0) {
    return std::nullopt;
  }
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return std::nullopt;

  std::vector<uint8_t> palette;  // RGB triples
  if (bpp <= 8) {
    size_t n = colorsUsed ? colorsUsed : (size_t(1) << bpp);
    if (n > 256) n = 256;
    size_t at = 14 + size_t(hsize) + (compression == 3 ? 12 : 0);
    for (size_t i = 0; i < n; ++i) {
      size_t e = at + i * paletteEntry;
      if (e + 3 > f.size()) break;
      palette.push_back(f[e + 2]);
      palette.push_back(f[e + 1]);
      palette.push_back(f[e]);
    }
    if (palette.empty()) return std::nullopt;
  }
  auto setIndex = [&](Image& img, int x, int y, unsigned idx) {
    uint8_t* p = img.px(x, y);
    if (idx * 3 + 2 < palette.size()) {
      p[0] = palette[idx * 3];
      p[1] = palette[idx * 3 + 1];
      p[2] = palette[idx * 3 + 2];
    }
  };
  Image img(width, height);
  if (dataOffset >= f.size()) return std::nullopt;
  if (compression == 1 || compression == 2) {
    // Run-length encoded, always bottom-up; missing pixels stay black. The position never
    // leaves the picture: a run past the end of its row or a delta out of the picture makes
    // the file damaged.
    size_t p = dataOffset;
    int x = 0, y = 0;
    auto put = [&](unsigned idx) {
      setIndex(img, x, height - 1 - y, idx);
      ++x;
    };
    while (p + 1 < f.size() && y < height) {
      unsigned n = f[p], v = f[p + 1];
      p += 2;
      if (n > 0) {
        if (n > unsigned(width - x)) return std::nullopt;
        for (unsigned i = 0; i < n; ++i) put(compression == 1 ? v : (i % 2 ? v & 15 : v >> 4));
      } else if (v == 0) {
        x = 0;
        ++y;
      } else if (v == 1) {
        break;
      } else if (v == 2) {
        if (p + 1 >= f.size()) break;
        if (f[p] > width - x || f[p + 1] >= height - y) return std::nullopt;
        x += f[p];
        y += f[p + 1];
        p += 2;
      } else {
        size_t bytes = compression == 1 ? v : (v + 1) / 2;
        if (p + bytes > f.size()) break;
        if (v > unsigned(width - x)) return std::nullopt;
        for (unsigned i = 0; i < v; ++i)
          put(compression == 1 ? f[p + i] : (i % 2 ? f[p + i / 2] & 15 : f[p + i / 2] >> 4));
        p += (bytes + 1) & ~size_t(1);
      }
    }
    return img;
  }
  const size_t stride = ((size_t(width) * size_t(bpp) + 31) / 32) * 4;
  if (size_t(dataOffset) + stride * size_t(height) > f.size()) return std::nullopt;
  for (int row = 0; row < height; ++row) {
    const uint8_t* r = &f[dataOffset + stride * size_t(row)];
    int y = topDown ? row : height - 1 - row;
    for (int x = 0; x < width; ++x) {
      uint8_t* p = img.px(x, y);
      switch (bpp) {
        case 1:
          setIndex(img, x, y, (r[x / 8] >> (7 - x % 8)) & 1);
          break;
        case 4:
          setIndex(img, x, y, (r[x / 2] >> (x % 2 ? 0 : 4)) & 15);
          break;
        case 8:
          setIndex(img, x, y, r[x]);
          break;
        case 16: {
          uint32_t v = le16(r + 2 * x);
          p[0] = mr.get(v);
          p[1] = mg.get(v);
          p[2] = mb.get(v);
          break;
        }
        case 24:
          p[0] = r[3 * x + 2];
          p[1] = r[3 * x + 1];
          p[2] = r[3 * x];
          break;
        case 32: {
          uint32_t v = le32(r + 4 * x);
          p[0] = mr.get(v);
          p[1] = mg.get(v);
          p[2] = mb.get(v);
          break;
        }
      }
    }
  }
  return img;
}

bool readWholeFile(const std::string& path, std::vector<uint8_t>& out, size_t limit) {
  out.clear();
  // Only a regular file: a FIFO would block the open (and the caller's lock) for good, and a
  // device such as /dev/zero never ends. O_NONBLOCK keeps the open of a FIFO from waiting.
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || uint64_t(st.st_size) > limit) {
    ::close(fd);
    return false;
  }
  uint8_t buf[65536];
  bool ok = true;
  for (;;) {
    // Never more than one byte past the limit, should the file grow while it is read.
    const size_t room = limit - out.size();
    ssize_t n = ::read(fd, buf, room < sizeof buf ? room + 1 : sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      ok = false;
      break;
    }
    if (n == 0) break;
    if (out.size() + size_t(n) > limit) {
      ok = false;
      break;
    }
    out.insert(out.end(), buf, buf + n);
  }
  ::close(fd);
  return ok;
}

std::optional<Image> readBmpFile(const std::string& path) {
  std::vector<uint8_t> data;
  if (!readWholeFile(path, data, size_t(256) << 20)) return std::nullopt;
  return decodeBmp(data);
}

std::vector<uint8_t> encodeBmp24(const Image& img) {
  const size_t stride = (size_t(img.width) * 3 + 3) & ~size_t(3);
  const size_t dataSize = stride * size_t(img.height);
  std::vector<uint8_t> f(54 + dataSize, 0);
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) f[at + i] = uint8_t(v >> (8 * i));
  };
  f[0] = 'B';
  f[1] = 'M';
  put32(2, uint32_t(f.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, uint32_t(img.width));
  put32(22, uint32_t(img.height));
  f[26] = 1;
  f[28] = 24;
  put32(34, uint32_t(dataSize));
  put32(38, 2835);  // 72 dpi
  put32(42, 2835);
  for (int y = 0; y < img.height; ++y) {
    uint8_t* r = &f[54 + stride * size_t(img.height - 1 - y)];
    for (int x = 0; x < img.width; ++x) {
      const uint8_t* p = img.px(x, y);
      r[3 * x] = p[2];
      r[3 * x + 1] = p[1];
      r[3 * x + 2] = p[0];
    }
  }
  return f;
}

bool writeFileAtomic(const std::string& path, std::span<const uint8_t> data, bool durable) {
  std::string tmp = path + ".tmp" + std::to_string(::getpid());
  int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  size_t done = 0;
  while (done < data.size()) {
    ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      ::unlink(tmp.c_str());
      return false;
    }
    done += size_t(n);
  }
  bool ok = !durable || ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  if (!ok || ::rename(tmp.c_str(), path.c_str()) != 0) {
    ::unlink(tmp.c_str());
    return false;
  }
  return true;
}

}  // namespace nq
