#include "BmpCheck.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QtEndian>
#include <cstdlib>

#include "LedError.h"

namespace {

quint32 u32(const QByteArray& b, int at) {
  return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(b.constData()) + at);
}
qint32 i32(const QByteArray& b, int at) { return static_cast<qint32>(u32(b, at)); }
quint16 u16(const QByteArray& b, int at) {
  return qFromLittleEndian<quint16>(reinterpret_cast<const uchar*>(b.constData()) + at);
}

BmpHeaderInfo fail(const QString& why) {
  BmpHeaderInfo info;
  info.error = why;
  return info;
}

}  // namespace

BmpHeaderInfo checkBmpHeader(const QByteArray& bytes) {
  constexpr int fileHeader = 14;
  if (bytes.size() < fileHeader + 12 || bytes[0] != 'B' || bytes[1] != 'M') {
    return fail(QStringLiteral("不是BMP位图文件"));
  }
  const quint32 pixelOffset = u32(bytes, 10);
  const quint32 infoSize = u32(bytes, 14);
  BmpHeaderInfo info;
  qint64 width = 0;
  qint64 height = 0;
  int planes = 0;
  if (infoSize == 12) {
    width = u16(bytes, 18);
    height = u16(bytes, 20);
    planes = u16(bytes, 22);
    info.bitCount = u16(bytes, 24);
  } else if (infoSize == 40 || infoSize == 52 || infoSize == 56 || infoSize == 64 ||
             infoSize == 108 || infoSize == 124) {
    if (bytes.size() < fileHeader + 40) return fail(QStringLiteral("BMP文件头不完整"));
    width = i32(bytes, 18);
    height = i32(bytes, 22);
    planes = u16(bytes, 26);
    info.bitCount = u16(bytes, 28);
    info.compression = static_cast<int>(u32(bytes, 30));
  } else {
    return fail(QStringLiteral("不是BMP位图文件（未知的信息头）"));
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
  const bool plain = c == 0 || ((c == 3 || c == 6) && (info.bitCount == 16 || info.bitCount == 32));
  if (!rle && !plain) return fail(QStringLiteral("不支持的BMP压缩方式：%1").arg(c));
  if (info.topDown && rle) return fail(QStringLiteral("BMP位图的高度无效"));

  const qint64 stride = ((width * info.bitCount + 31) / 32) * 4;
  const qint64 pixelBytes = stride * height;
  if (pixelBytes > MaxBmpPixelBytes || width * height * 4 > MaxBmpPixelBytes) {
    return fail(QStringLiteral("BMP位图的像素数据太大（超过 %1 MB）").arg(MaxBmpPixelBytes >> 20));
  }
  if (pixelOffset < fileHeader + infoSize || pixelOffset > static_cast<quint64>(bytes.size())) {
    return fail(QStringLiteral("BMP文件不完整或已损坏"));
  }
  if (!rle && bytes.size() - static_cast<qint64>(pixelOffset) < pixelBytes) {
    return fail(QStringLiteral("BMP文件不完整（像素数据被截断）"));
  }
  info.width = static_cast<int>(width);
  info.height = static_cast<int>(height);
  info.ok = true;
  return info;
}

QImage decodeBmp(const QByteArray& bytes, const QString& what) {
  const BmpHeaderInfo info = checkBmpHeader(bytes);
  if (!info.ok) throw LedError(QStringLiteral("%1 无法读取：%2").arg(what, info.error));
  QBuffer buffer;
  buffer.setData(bytes);
  QImageReader reader(&buffer, "bmp");
  QImage image = reader.read();
  if (image.isNull()) {
    throw LedError(QStringLiteral("%1 无法读取：%2").arg(what, reader.errorString()));
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
    throw LedError(QStringLiteral("无法生成BMP图片：%1").arg(writer.errorString()));
  }
  return bytes;
}
