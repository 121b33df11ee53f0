#include <gtest/gtest.h>
#include <QBuffer>
#include <QtEndian>

#include "BmpCheck.h"
#include "LedError.h"

namespace {

// A BMP file header and 40-byte information header written out field by field.
QByteArray bmpHeader(qint32 width, qint32 height, quint16 bits, quint32 compression,
                     quint32 pixelBytes) {
  QByteArray b(54, '\0');
  auto put32 = [&](int at, quint32 v) { qToLittleEndian(v, b.data() + at); };
  auto put16 = [&](int at, quint16 v) { qToLittleEndian(v, b.data() + at); };
  b[0] = 'B';
  b[1] = 'M';
  put32(2, 54 + pixelBytes);
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<quint32>(width));
  put32(22, static_cast<quint32>(height));
  put16(26, 1);
  put16(28, bits);
  put32(30, compression);
  put32(34, pixelBytes);
  return b;
}

QByteArray withPixels(QByteArray header, int bytes) { return header + QByteArray(bytes, '\x7f'); }

QByteArray encoded(const QImage& img, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  img.save(&buffer, format);
  return bytes;
}

TEST(BmpHeader, RefusesBadFilesBeforeAllocating) {
  const std::pair<const char*, QByteArray> rows[] = {
      {"empty", QByteArray()},
      {"text", QByteArray("hello, this is not a picture at all.....")},
      {"png", encoded(QImage(4, 4, QImage::Format_RGB32), "PNG")},
      {"header only", bmpHeader(4, 4, 24, 0, 48).left(30)},
      {"truncated rows", withPixels(bmpHeader(4, 4, 24, 0, 48), 47)},
      {"too wide", withPixels(bmpHeader(20000, 1, 24, 0, 60000), 60000)},
      {"too tall top-down", bmpHeader(1, -20000, 24, 0, 80000)},
      {"over 64 MiB", bmpHeader(16000, 16000, 24, 0, 0)},
      {"zero width", bmpHeader(0, 4, 24, 0, 0)},
      {"odd bit depth", withPixels(bmpHeader(4, 4, 7, 0, 16), 16)},
      {"unknown compression", withPixels(bmpHeader(4, 4, 24, 9, 48), 48)},
      {"pixel offset past the end",
       [] {
         QByteArray b = withPixels(bmpHeader(2, 2, 24, 0, 16), 16);
         qToLittleEndian<quint32>(5000, b.data() + 10);
         return b;
       }()},
  };
  for (const auto& [what, bytes] : rows) {
    const BmpHeaderInfo info = checkBmpHeader(bytes);
    EXPECT_FALSE(info.ok) << what;
    EXPECT_FALSE(info.error.isEmpty()) << what;
    EXPECT_THROW(decodeBmp(bytes, QStringLiteral("x")), LedError) << what;
  }
}

TEST(BmpHeader, AcceptsTheBitmapKindsThatOperatorsHave) {
  QImage rgb(5, 3, QImage::Format_RGB32);
  rgb.fill(qRgb(255, 0, 0));
  QImage mono = rgb.convertToFormat(QImage::Format_Mono);
  QImage indexed = rgb.convertToFormat(QImage::Format_Indexed8);
  const std::pair<const char*, QByteArray> rows[] = {
      {"24-bit", encodeBmp24(rgb)},
      {"8-bit", encoded(indexed, "BMP")},
      {"1-bit", encoded(mono, "BMP")},
      {"top-down 24-bit",
       [&] {
         QByteArray b = encodeBmp24(rgb);
         qToLittleEndian<qint32>(-3, b.data() + 22);
         return b;
       }()},
      {"32-bit hand-made", withPixels(bmpHeader(5, 3, 32, 0, 60), 60)},
  };
  for (const auto& [what, bytes] : rows) {
    const BmpHeaderInfo info = checkBmpHeader(bytes);
    EXPECT_TRUE(info.ok) << what << ": " << info.error.toStdString();
    EXPECT_EQ(info.width, 5) << what;
    EXPECT_EQ(info.height, 3) << what;
    const QImage img = decodeBmp(bytes, QStringLiteral("x"));
    EXPECT_EQ(img.size(), QSize(5, 3)) << what;
  }
}

// A BMP written out by hand: headers, a palette of BGRA quads, then the pixel bytes.
QByteArray handMade(qint32 w, qint32 h, quint16 bits, quint32 compression, QByteArray palette,
                    const QByteArray& pixels) {
  QByteArray b = bmpHeader(w, h, bits, compression, static_cast<quint32>(pixels.size()));
  const quint32 offset = 54 + static_cast<quint32>(palette.size());
  qToLittleEndian<quint32>(offset, b.data() + 10);
  qToLittleEndian<quint32>(offset + static_cast<quint32>(pixels.size()), b.data() + 2);
  qToLittleEndian<quint32>(static_cast<quint32>(palette.size() / 4), b.data() + 46);
  return b + palette + pixels;
}

TEST(BmpHeader, DecodesPalettesRunLengthAndSixteenBits) {
  const QByteArray redGreen("\x00\x00\xff\x00\x00\x80\x00\x00", 8);  // 0 red, 1 green
  struct Row {
    const char* what;
    QByteArray bytes;
    QSize size;
    QPoint at;  // top-left origin
    QRgb colour;
  };
  const Row rows[] = {
      // 4 bits: one row of three pixels, indices 1 0 1, padded to 4 bytes.
      {"4-bit",
       handMade(3, 1, 4, 0, redGreen + QByteArray(56, '\0'), QByteArray("\x10\x10\0\0", 4)),
       {3, 1},
       {1, 0},
       qRgb(255, 0, 0)},
      // RLE8: bottom row two pixels of index 1, top row two of index 0, then end of bitmap.
      {"RLE8",
       handMade(2, 2, 8, 1, redGreen, QByteArray("\x02\x01\x00\x00\x02\x00\x00\x01", 8)),
       {2, 2},
       {0, 1},
       qRgb(0, 128, 0)},
      // 16 bits, 5-5-5: full red 0x7c00 widens to 248, as the system's own decoder does.
      {"16-bit",
       handMade(2, 1, 16, 0, {}, QByteArray("\x00\x7c\x00\x7c", 4)),
       {2, 1},
       {1, 0},
       qRgb(248, 0, 0)},
  };
  for (const Row& row : rows) {
    const BmpHeaderInfo info = checkBmpHeader(row.bytes);
    ASSERT_TRUE(info.ok) << row.what << ": " << info.error.toStdString();
    const QImage img = decodeBmp(row.bytes, QStringLiteral("x"));
    EXPECT_EQ(img.size(), row.size) << row.what;
    EXPECT_EQ(img.pixel(row.at) & 0xffffffu, row.colour & 0xffffffu) << row.what;
  }
}

TEST(BmpHeader, Encodes24BitBottomUpWithPaddedRows) {
  QImage img(3, 2, QImage::Format_RGB32);
  img.fill(qRgb(0, 0, 0));
  img.setPixel(0, 0, qRgb(255, 0, 0));  // top-left, stored in the last row of the file
  const QByteArray b = encodeBmp24(img);
  ASSERT_EQ(b.size(), 54 + 2 * 12);  // rows of 9 bytes padded to 12
  EXPECT_EQ(qFromLittleEndian<quint16>(b.constData() + 28), 24);
  EXPECT_EQ(qFromLittleEndian<qint32>(b.constData() + 22), 2);
  EXPECT_EQ(b.mid(54 + 12, 3), QByteArray("\x00\x00\xff", 3));  // blue, green, red
}

}  // namespace
