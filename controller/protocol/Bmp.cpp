#include "Bmp.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace nq {

namespace {

constexpr int64_t kFileHeaderBytes = 14;

uint32_t le32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
uint16_t le16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

BmpInfo refuse(BmpFault fault) {
  BmpInfo info;
  info.fault = fault;
  return info;
}

// One colour channel of a bit-field pixel. A channel narrower than 8 bits is widened by repeating
// its bits, so that a full channel (31 of 5 bits, 63 of 6) gives 255 and an empty one 0.
struct Channel {
  int shift = 0;
  int bits = 0;  // 0: the channel is absent and reads as 0
  explicit Channel(uint32_t mask = 0) {
    if (mask == 0) return;
    while (!((mask >> shift) & 1u)) ++shift;
    while (shift + bits < 32 && ((mask >> (shift + bits)) & 1u)) ++bits;
  }
  uint32_t get(uint32_t pixel) const {
    if (bits == 0) return 0;
    const uint32_t v = (pixel >> shift) & (bits >= 32 ? 0xffffffffu : ((1u << bits) - 1u));
    if (bits >= 8) return v >> (bits - 8);
    uint32_t wide = 0;
    int filled = 0;
    while (filled < 8) {
      wide = (wide << bits) | v;
      filled += bits;
    }
    return wide >> (filled - 8);
  }
};

// Walks a run-length stream (8 or 4 bits a pixel, rows bottom-up) and hands every pixel to
// `put(x, row, index)`. Returns None when the stream is whole and stays inside the picture.
template <typename Put>
BmpFault walkRunLength(std::span<const uint8_t> b, int64_t at, int width, int height, bool four,
                       Put put) {
  const int64_t end = int64_t(b.size());
  int64_t x = 0;
  int64_t row = 0;
  for (;;) {
    if (at + 2 > end) return row >= height ? BmpFault::None : BmpFault::PixelsTruncated;
    const int count = b[size_t(at)];
    const int code = b[size_t(at) + 1];
    at += 2;
    if (count > 0) {  // a run of one index (two alternating ones with 4 bits)
      if (row >= height || x + count > width) return BmpFault::RunOutside;
      for (int i = 0; i < count; ++i)
        put(int(x + i), int(row), four ? (i % 2 ? code & 15 : code >> 4) : code);
      x += count;
    } else if (code == 0) {  // end of line
      x = 0;
      if (++row > height) return BmpFault::RunOutside;
    } else if (code == 1) {  // end of bitmap
      return BmpFault::None;
    } else if (code == 2) {  // move right and up
      if (at + 2 > end) return BmpFault::PixelsTruncated;
      x += b[size_t(at)];
      row += b[size_t(at) + 1];
      at += 2;
      if (x > width || row >= height) return BmpFault::RunOutside;  // nothing past the last row
    } else {  // `code` literal indices, padded to a whole 16-bit word
      const int64_t bytes = four ? (code + 1) / 2 : code;
      if (at + bytes > end) return BmpFault::PixelsTruncated;
      if (row >= height || x + code > width) return BmpFault::RunOutside;
      for (int i = 0; i < code; ++i) {
        const int v = four ? b[size_t(at + i / 2)] : b[size_t(at + i)];
        put(int(x + i), int(row), four ? (i % 2 ? v & 15 : v >> 4) : v);
      }
      x += code;
      at += (bytes + 1) & ~int64_t(1);
    }
  }
}

}  // namespace

BmpInfo checkBmp(std::span<const uint8_t> f) {
  const int64_t size = int64_t(f.size());
  if (size < kFileHeaderBytes + 12 || f[0] != 'B' || f[1] != 'M') return refuse(BmpFault::NotBmp);
  const uint32_t pixelOffset = le32(&f[10]);
  const uint32_t infoSize = le32(&f[14]);
  BmpInfo info;
  auto fail = [&info](BmpFault fault, int64_t a = 0, int64_t b = 0) {
    info.fault = fault;
    info.detail[0] = a;
    info.detail[1] = b;
    return info;
  };
  int64_t width = 0;
  int64_t height = 0;
  int planes = 0;
  uint32_t colorsUsed = 0;
  if (infoSize == 12) {
    width = le16(&f[18]);
    height = le16(&f[20]);
    planes = le16(&f[22]);
    info.bitCount = le16(&f[24]);
    info.paletteEntryBytes = 3;
  } else if (infoSize == 40 || infoSize == 52 || infoSize == 56 || infoSize == 64 ||
             infoSize == 108 || infoSize == 124) {
    if (size < kFileHeaderBytes + 40) return fail(BmpFault::HeaderTruncated);
    width = int32_t(le32(&f[18]));
    height = int32_t(le32(&f[22]));
    planes = le16(&f[26]);
    info.bitCount = le16(&f[28]);
    info.compression = int(le32(&f[30]));
    colorsUsed = le32(&f[46]);
  } else {
    return fail(BmpFault::UnknownHeader);
  }
  if (size < kFileHeaderBytes + int64_t(infoSize)) return fail(BmpFault::HeaderTruncated);
  if (height < 0) {
    info.topDown = true;
    height = -height;
  }
  if (width <= 0 || height <= 0) return fail(BmpFault::BadSize);
  // The size the header claims, kept on a refusal too, so that a caller can tell a picture too
  // large for it from a damaged one.
  info.width = int(std::min<int64_t>(width, INT32_MAX));
  info.height = int(std::min<int64_t>(height, INT32_MAX));
  if (width > kMaxPictureSide || height > kMaxPictureSide)
    return fail(BmpFault::TooLarge, width, height);
  if (planes != 1) return fail(BmpFault::BadPlanes);
  switch (info.bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
      break;
    default:
      return fail(BmpFault::BadBitCount, info.bitCount);
  }
  const int c = info.compression;
  const bool rle = (c == 1 && info.bitCount == 8) || (c == 2 && info.bitCount == 4);
  const bool fields = (c == 3 || c == 6) && (info.bitCount == 16 || info.bitCount == 32);
  if (!rle && !fields && c != 0) return fail(BmpFault::BadCompression, uint32_t(c));
  if (info.topDown && rle) return fail(BmpFault::BadHeight);

  const int64_t stride = ((width * info.bitCount + 31) / 32) * 4;
  const int64_t pixelBytes = stride * height;
  if (pixelBytes > kMaxPicturePixelBytes || width * height * 4 > kMaxPicturePixelBytes)
    return fail(BmpFault::TooManyPixelBytes);

  // Bit-field masks follow a 40-byte header and sit inside the longer ones at the same place.
  int64_t tableEnd = kFileHeaderBytes + int64_t(infoSize);
  const uint32_t defaults16[3] = {0x7c00, 0x03e0, 0x001f};
  const uint32_t defaults32[3] = {0xff0000, 0x00ff00, 0x0000ff};
  if (info.bitCount == 16 || info.bitCount == 32)
    std::memcpy(info.masks, info.bitCount == 16 ? defaults16 : defaults32, sizeof info.masks);
  if (fields) {
    constexpr int64_t at = kFileHeaderBytes + 40;
    if (infoSize == 40) tableEnd += c == 6 ? 16 : 12;
    if (size < at + 12) return fail(BmpFault::HeaderTruncated);
    for (int k = 0; k < 3; ++k) info.masks[k] = le32(&f[size_t(at) + 4 * size_t(k)]);
  }
  info.paletteOffset = tableEnd;
  if (info.bitCount <= 8) {
    const uint32_t most = 1u << info.bitCount;
    if (colorsUsed > most) return fail(BmpFault::BadPalette, most, colorsUsed);
    info.paletteCount = int(colorsUsed ? colorsUsed : most);
    tableEnd += int64_t(info.paletteCount) * info.paletteEntryBytes;
  }
  if (tableEnd > size || (info.bitCount <= 8 && tableEnd > int64_t(pixelOffset)))
    return fail(BmpFault::PaletteTruncated);
  if (int64_t(pixelOffset) < tableEnd || int64_t(pixelOffset) > size)
    return fail(BmpFault::Damaged);
  info.pixelOffset = pixelOffset;
  if (rle) {
    const BmpFault why =
        walkRunLength(f, pixelOffset, int(width), int(height), c == 2, [](int, int, int) {});
    if (why != BmpFault::None) return fail(why);
  } else if (size - int64_t(pixelOffset) < pixelBytes) {
    return fail(BmpFault::PixelsTruncated);
  }
  info.fault = BmpFault::None;
  return info;
}

void decodeBmpPixels(std::span<const uint8_t> f, const BmpInfo& info, uint32_t* pixels,
                     size_t stride) {
  constexpr uint32_t kBlack = 0xff000000u;
  // Indices past the palette read as black.
  uint32_t palette[256];
  for (uint32_t& p : palette) p = kBlack;
  for (int i = 0; i < info.paletteCount; ++i) {
    const size_t at = size_t(info.paletteOffset) + size_t(i) * size_t(info.paletteEntryBytes);
    palette[i] = kBlack | uint32_t(f[at + 2]) << 16 | uint32_t(f[at + 1]) << 8 | f[at];
  }
  const int w = info.width;
  const int h = info.height;
  if (info.compression == 1 || info.compression == 2) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) pixels[size_t(y) * stride + size_t(x)] = kBlack;
    walkRunLength(f, info.pixelOffset, w, h, info.compression == 2, [&](int x, int row, int index) {
      pixels[size_t(h - 1 - row) * stride + size_t(x)] = palette[index];
    });
    return;
  }
  const Channel red(info.masks[0]);
  const Channel green(info.masks[1]);
  const Channel blue(info.masks[2]);
  const size_t rowBytes = ((size_t(w) * size_t(info.bitCount) + 31) / 32) * 4;
  for (int row = 0; row < h; ++row) {
    const uint8_t* r = f.data() + size_t(info.pixelOffset) + rowBytes * size_t(row);
    uint32_t* line = pixels + size_t(info.topDown ? row : h - 1 - row) * stride;
    for (int x = 0; x < w; ++x) {
      switch (info.bitCount) {
        case 1:
          line[x] = palette[(r[x / 8] >> (7 - x % 8)) & 1];
          break;
        case 4:
          line[x] = palette[(r[x / 2] >> (x % 2 ? 0 : 4)) & 15];
          break;
        case 8:
          line[x] = palette[r[x]];
          break;
        case 24:
          line[x] = kBlack | uint32_t(r[3 * x + 2]) << 16 | uint32_t(r[3 * x + 1]) << 8 | r[3 * x];
          break;
        default: {
          const uint32_t v = info.bitCount == 16 ? le16(r + 2 * x) : le32(r + 4 * x);
          line[x] = kBlack | red.get(v) << 16 | green.get(v) << 8 | blue.get(v);
        }
      }
    }
  }
}

std::optional<Image> decodeBmp(std::span<const uint8_t> f) {
  const BmpInfo info = checkBmp(f);
  if (!info.ok()) return std::nullopt;
  std::vector<uint32_t> pixels(size_t(info.width) * size_t(info.height));
  decodeBmpPixels(f, info, pixels.data(), size_t(info.width));
  Image img(info.width, info.height);
  for (size_t i = 0; i < pixels.size(); ++i) {
    img.rgb[3 * i] = uint8_t(pixels[i] >> 16);
    img.rgb[3 * i + 1] = uint8_t(pixels[i] >> 8);
    img.rgb[3 * i + 2] = uint8_t(pixels[i]);
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
  if (!readWholeFile(path, data, size_t(kMaxBmpFileBytes))) return std::nullopt;
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
