#include "BmpCheck.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtEndian>
#include <array>

#include "LedError.h"

namespace {

constexpr int FileHeaderBytes = 14;

quint32 u32(const QByteArray& b, qint64 at) {
  return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(b.constData()) + at);
}
qint32 i32(const QByteArray& b, qint64 at) { return static_cast<qint32>(u32(b, at)); }
quint16 u16(const QByteArray& b, qint64 at) {
  return qFromLittleEndian<quint16>(reinterpret_cast<const uchar*>(b.constData()) + at);
}
uchar byteAt(const QByteArray& b, qint64 at) { return static_cast<uchar>(b[at]); }

BmpHeaderInfo fail(const QString& why) {
  BmpHeaderInfo info;
  info.error = why;
  return info;
}

QString truncatedText() { return QStringLiteral("BMP文件不完整（像素数据被截断）"); }

// One colour channel of a bit-field pixel. A channel narrower than 8 bits is widened by repeating
// its bits, so that a full channel (31 of 5 bits, 63 of 6) gives 255 and an empty one 0.
struct Channel {
  int shift = 0;
  int bits = 0;  // 0: the channel is absent and reads as 0
  explicit Channel(quint32 mask = 0) {
    if (mask == 0) return;
    while (!((mask >> shift) & 1u)) ++shift;
    while (shift + bits < 32 && ((mask >> (shift + bits)) & 1u)) ++bits;
  }
  int get(quint32 pixel) const {
    if (bits == 0) return 0;
    const quint32 v = (pixel >> shift) & (bits >= 32 ? 0xffffffffu : ((1u << bits) - 1u));
    if (bits >= 8) return static_cast<int>(v >> (bits - 8));
    quint32 wide = 0;
    int filled = 0;
    while (filled < 8) {
      wide = (wide << bits) | v;
      filled += bits;
    }
    return static_cast<int>(wide >> (filled - 8));
  }
};

// What the pixel decoder needs beyond the public header facts.
struct Layout {
  qint64 pixelOffset = 0;
  qint64 paletteOffset = 0;
  int paletteEntryBytes = 4;
  int paletteCount = 0;
  std::array<quint32, 3> masks{};  // red, green, blue for 16 and 32 bits
};

// Walks a run-length stream (8 or 4 bits a pixel, rows bottom-up) and hands every pixel to
// `put(x, row, index)`. Returns an empty string when the stream is whole and stays inside the
// picture, else why not.
template <typename Put>
QString walkRunLength(const QByteArray& b, qint64 at, int width, int height, bool four, Put put) {
  const qint64 end = b.size();
  qint64 x = 0;
  qint64 row = 0;
  const QString outside = QStringLiteral("BMP位图的压缩数据超出了图片范围");
  for (;;) {
    if (at + 2 > end) return row >= height ? QString() : truncatedText();
    const int count = byteAt(b, at);
    const int code = byteAt(b, at + 1);
    at += 2;
    if (count > 0) {  // a run of one index (two alternating ones with 4 bits)
      if (row >= height || x + count > width) return outside;
      for (int i = 0; i < count; ++i) {
        put(static_cast<int>(x + i), static_cast<int>(row),
            four ? (i % 2 ? code & 15 : code >> 4) : code);
      }
      x += count;
    } else if (code == 0) {  // end of line
      x = 0;
      if (++row > height) return outside;
    } else if (code == 1) {  // end of bitmap
      return QString();
    } else if (code == 2) {  // move right and up
      if (at + 2 > end) return truncatedText();
      x += byteAt(b, at);
      row += byteAt(b, at + 1);
      at += 2;
      if (x > width || row >= height) return outside;  // nothing is drawn past the last row
    } else {  // `code` literal indices, padded to a whole 16-bit word
      const qint64 bytes = four ? (code + 1) / 2 : code;
      if (at + bytes > end) return truncatedText();
      if (row >= height || x + code > width) return outside;
      for (int i = 0; i < code; ++i) {
        const int v = four ? byteAt(b, at + i / 2) : byteAt(b, at + i);
        put(static_cast<int>(x + i), static_cast<int>(row), four ? (i % 2 ? v & 15 : v >> 4) : v);
      }
      x += code;
      at += (bytes + 1) & ~qint64(1);
    }
  }
}

BmpHeaderInfo check(const QByteArray& bytes, Layout& layout) {
  if (bytes.size() < FileHeaderBytes + 12 || bytes[0] != 'B' || bytes[1] != 'M') {
    return fail(QStringLiteral("不是BMP位图文件"));
  }
  const quint32 pixelOffset = u32(bytes, 10);
  const quint32 infoSize = u32(bytes, 14);
  BmpHeaderInfo info;
  qint64 width = 0;
  qint64 height = 0;
  int planes = 0;
  quint32 colorsUsed = 0;
  if (infoSize == 12) {
    width = u16(bytes, 18);
    height = u16(bytes, 20);
    planes = u16(bytes, 22);
    info.bitCount = u16(bytes, 24);
    layout.paletteEntryBytes = 3;
  } else if (infoSize == 40 || infoSize == 52 || infoSize == 56 || infoSize == 64 ||
             infoSize == 108 || infoSize == 124) {
    if (bytes.size() < FileHeaderBytes + 40) return fail(QStringLiteral("BMP文件头不完整"));
    width = i32(bytes, 18);
    height = i32(bytes, 22);
    planes = u16(bytes, 26);
    info.bitCount = u16(bytes, 28);
    info.compression = static_cast<int>(u32(bytes, 30));
    colorsUsed = u32(bytes, 46);
  } else {
    return fail(QStringLiteral("不是BMP位图文件（未知的信息头）"));
  }
  if (bytes.size() < FileHeaderBytes + static_cast<qint64>(infoSize)) {
    return fail(QStringLiteral("BMP文件头不完整"));
  }
  if (height < 0) {
    info.topDown = true;
    height = -height;
  }
  if (width <= 0 || height <= 0) return fail(QStringLiteral("BMP位图的宽度或高度无效"));
  if (width > MaxBmpSide || height > MaxBmpSide) {
    return fail(QStringLiteral("BMP位图太大（%1 × %2，每边最多 %3 像素）")
                    .arg(width)
                    .arg(height)
                    .arg(MaxBmpSide));
  }
  if (planes != 1) return fail(QStringLiteral("BMP位图的位面数无效"));
  switch (info.bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
      break;
    default:
      return fail(QStringLiteral("不支持的BMP颜色位数：%1").arg(info.bitCount));
  }
  // 0 plain, 1 RLE8, 2 RLE4, 3 bit fields, 6 bit fields with alpha.
  const int c = info.compression;
  const bool rle = (c == 1 && info.bitCount == 8) || (c == 2 && info.bitCount == 4);
  const bool fields = (c == 3 || c == 6) && (info.bitCount == 16 || info.bitCount == 32);
  if (!rle && !fields && c != 0) return fail(QStringLiteral("不支持的BMP压缩方式：%1").arg(c));
  if (info.topDown && rle) return fail(QStringLiteral("BMP位图的高度无效"));

  const qint64 stride = ((width * info.bitCount + 31) / 32) * 4;
  const qint64 pixelBytes = stride * height;
  if (pixelBytes > MaxBmpPixelBytes || width * height * 4 > MaxBmpPixelBytes) {
    return fail(QStringLiteral("BMP位图的像素数据太大（超过 %1 MB）").arg(MaxBmpPixelBytes >> 20));
  }

  // Bit-field masks follow a 40-byte header and sit inside the longer ones at the same place.
  qint64 tableEnd = FileHeaderBytes + static_cast<qint64>(infoSize);
  if (info.bitCount == 16) layout.masks = {0x7c00, 0x03e0, 0x001f};
  if (info.bitCount == 32) layout.masks = {0xff0000, 0x00ff00, 0x0000ff};
  if (fields) {
    constexpr qint64 at = FileHeaderBytes + 40;
    if (infoSize == 40) tableEnd += c == 6 ? 16 : 12;
    if (bytes.size() < at + 12) return fail(QStringLiteral("BMP文件头不完整"));
    layout.masks = {u32(bytes, at), u32(bytes, at + 4), u32(bytes, at + 8)};
  }
  layout.paletteOffset = tableEnd;
  if (info.bitCount <= 8) {
    const quint32 most = 1u << info.bitCount;
    if (colorsUsed > most) {
      return fail(QStringLiteral("BMP位图的调色板无效（%1 色位图声明了 %2 种颜色）")
                      .arg(most)
                      .arg(colorsUsed));
    }
    layout.paletteCount = static_cast<int>(colorsUsed ? colorsUsed : most);
    tableEnd += qint64(layout.paletteCount) * layout.paletteEntryBytes;
  }
  if (tableEnd > bytes.size() || (info.bitCount <= 8 && tableEnd > pixelOffset)) {
    return fail(QStringLiteral("BMP文件不完整（调色板被截断）"));
  }
  if (pixelOffset < tableEnd || pixelOffset > static_cast<quint64>(bytes.size())) {
    return fail(QStringLiteral("BMP文件不完整或已损坏"));
  }
  layout.pixelOffset = pixelOffset;
  if (rle) {
    const QString why = walkRunLength(bytes, pixelOffset, static_cast<int>(width),
                                      static_cast<int>(height), c == 2, [](int, int, int) {});
    if (!why.isEmpty()) return fail(why);
  } else if (bytes.size() - static_cast<qint64>(pixelOffset) < pixelBytes) {
    return fail(truncatedText());
  }
  info.width = static_cast<int>(width);
  info.height = static_cast<int>(height);
  info.ok = true;
  return info;
}

}  // namespace

BmpHeaderInfo checkBmpHeader(const QByteArray& bytes) {
  Layout layout;
  return check(bytes, layout);
}

QImage decodeBmp(const QByteArray& bytes, const QString& what) {
  Layout layout;
  const BmpHeaderInfo info = check(bytes, layout);
  if (!info.ok) throw LedError(QStringLiteral("%1 无法读取：%2").arg(what, info.error));
  QImage image(info.width, info.height, QImage::Format_RGB32);
  if (image.isNull()) throw LedError(QStringLiteral("%1 无法读取：内存不足").arg(what));
  image.fill(qRgb(0, 0, 0));

  // Indices past the palette read as black.
  std::array<QRgb, 256> palette{};
  palette.fill(qRgb(0, 0, 0));
  for (int i = 0; i < layout.paletteCount; ++i) {
    const qint64 at = layout.paletteOffset + qint64(i) * layout.paletteEntryBytes;
    palette[static_cast<size_t>(i)] =
        qRgb(byteAt(bytes, at + 2), byteAt(bytes, at + 1), byteAt(bytes, at));
  }
  const int w = info.width;
  const int h = info.height;
  if (info.compression == 1 || info.compression == 2) {
    walkRunLength(bytes, layout.pixelOffset, w, h, info.compression == 2,
                  [&](int x, int row, int index) {
                    image.setPixel(x, h - 1 - row, palette[static_cast<size_t>(index)]);
                  });
    return image;
  }
  const Channel red(layout.masks[0]);
  const Channel green(layout.masks[1]);
  const Channel blue(layout.masks[2]);
  const qint64 stride = ((qint64(w) * info.bitCount + 31) / 32) * 4;
  const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
  for (int row = 0; row < h; ++row) {
    const uchar* r = data + layout.pixelOffset + stride * row;
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(info.topDown ? row : h - 1 - row));
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
          line[x] = qRgb(r[3 * x + 2], r[3 * x + 1], r[3 * x]);
          break;
        default: {
          const quint32 v = info.bitCount == 16 ? qFromLittleEndian<quint16>(r + 2 * x)
                                                : qFromLittleEndian<quint32>(r + 4 * x);
          line[x] = qRgb(red.get(v), green.get(v), blue.get(v));
        }
      }
    }
  }
  return image;
}

QByteArray encodeBmp24(const QImage& image) {
  // Qt writes every image deeper than 8 bits as 24-bit BMP; an indexed one is expanded first.
  QImage rgb =
      image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "bmp");
  if (!writer.write(rgb)) {
    // Writing to memory fails only for an image Qt cannot encode, or when memory runs out.
    throw LedError(writer.error() == QImageWriter::InvalidImageError
                       ? QStringLiteral("无法生成BMP图片：图片为空或无效")
                       : QStringLiteral("无法生成BMP图片：内存不足"));
  }
  return bytes;
}
