#include <gtest/gtest.h>
#include <QBuffer>
#include <QRegularExpression>
#include <QtEndian>

#include "BmpCheck.h"
#include "LedError.h"
#include "protocol/Bmp.h"

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
      {"palette claims more entries than the file holds",
       [] {
         QByteArray b = handMade(2, 1, 8, 0, QByteArray(8, '\0'), QByteArray(4, '\0'));
         qToLittleEndian<quint32>(200, b.data() + 46);
         return b;
       }()},
      {"palette over 256 entries",
       [] {
         QByteArray b = handMade(2, 1, 8, 0, QByteArray(8, '\0'), QByteArray(4, '\0'));
         qToLittleEndian<quint32>(257, b.data() + 46);
         return b;
       }()},
      {"RLE8 run past the row", handMade(2, 1, 8, 1, QByteArray(8, '\0'), QByteArray("\x03\x01\0\x01", 4))},
      {"RLE8 literal past the row",
       handMade(2, 1, 8, 1, QByteArray(8, '\0'), QByteArray("\0\x03\1\1\1\0\0\x01", 8))},
      {"RLE4 delta above the picture",
       handMade(2, 1, 4, 2, QByteArray(8, '\0'), QByteArray("\0\x02\0\x05\0\x01", 6))},
      {"RLE8 delta to the row after the last",
       handMade(2, 1, 8, 1, QByteArray(8, '\0'), QByteArray("\0\x02\0\x01\0\x01", 6))},
      {"RLE8 rows after the last one",
       handMade(1, 1, 8, 1, QByteArray(8, '\0'), QByteArray("\x01\0\0\0\x01\0\0\x01", 8))},
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
    // Worded by the program in Chinese, never a library's English text.
    EXPECT_FALSE(info.error.contains(QRegularExpression(QStringLiteral("[A-Za-z]{4,}"))))
        << what << ": " << info.error.toStdString();
  }
}

// A run-length stream that stops before its end-of-bitmap mark is a truncated file.
TEST(BmpHeader, RunLengthStreamEndingEarlyIsTruncated) {
  const QString truncated = checkBmpHeader(withPixels(bmpHeader(4, 4, 24, 0, 48), 47)).error;
  const QByteArray pal(8, '\0');
  for (const QByteArray& bytes :
       {handMade(2, 2, 8, 1, pal, QByteArray("\x02\x01\0\0", 4)),           // one row of two
        handMade(2, 2, 8, 1, pal, QByteArray("\0\x02\x01", 3)),             // delta cut short
        handMade(4, 1, 8, 1, pal, QByteArray("\0\x04\1\1", 4)),             // literal cut short
        handMade(4, 1, 4, 2, pal + QByteArray(56, '\0'), QByteArray())}) {  // no stream at all
    EXPECT_EQ(checkBmpHeader(bytes).error, truncated);
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
      // 16 bits widen by bit replication: a full channel is 255, 5-5-5 and 5-6-5 alike.
      {"16-bit",
       handMade(2, 1, 16, 0, {}, QByteArray("\x00\x7c\x00\x7c", 4)),
       {2, 1},
       {1, 0},
       qRgb(255, 0, 0)},
      {"16-bit 5-6-5 full",
       handMade(2, 1, 16, 3, QByteArray("\x00\xf8\0\0\xe0\x07\0\0\x1f\0\0\0", 12),
                QByteArray("\x00\xf8\xff\xff", 4)),
       {2, 1},
       {1, 0},
       qRgb(255, 255, 255)},
      {"16-bit 5-6-5 half",
       handMade(2, 1, 16, 3, QByteArray("\x00\xf8\0\0\xe0\x07\0\0\x1f\0\0\0", 12),
                QByteArray("\x10\x84\x10\x84", 4)),
       {2, 1},
       {0, 0},
       qRgb(132, 130, 132)},
      // 3 of 31 is 24 by replication (rounding a scale would give 25).
      {"16-bit 5-5-5 low",
       handMade(1, 1, 16, 0, {}, QByteArray("\x63\x0c\0\0", 4)),
       {1, 1},
       {0, 0},
       qRgb(24, 24, 24)},
  };
  for (const Row& row : rows) {
    const BmpHeaderInfo info = checkBmpHeader(row.bytes);
    ASSERT_TRUE(info.ok) << row.what << ": " << info.error.toStdString();
    const QImage img = decodeBmp(row.bytes, QStringLiteral("x"));
    EXPECT_EQ(img.size(), row.size) << row.what;
    EXPECT_EQ(img.pixel(row.at) & 0xffffffu, row.colour & 0xffffffu) << row.what;
    // The link libraries encode a send from the same pixels.
    const auto link = nq::decodeBmp(std::span(
        reinterpret_cast<const uint8_t*>(row.bytes.constData()), size_t(row.bytes.size())));
    ASSERT_TRUE(link) << row.what;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) {
        const uint8_t* p = link->px(x, y);
        EXPECT_EQ(img.pixel(x, y), qRgb(p[0], p[1], p[2])) << row.what << " at " << x << "," << y;
      }
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
