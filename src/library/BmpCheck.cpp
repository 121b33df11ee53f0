#include "BmpCheck.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageWriter>
#include <span>

#include "LedError.h"
#include "protocol/Bmp.h"

namespace {

std::span<const uint8_t> bytesOf(const QByteArray& b) {
  return {reinterpret_cast<const uint8_t*>(b.constData()), size_t(b.size())};
}

QString faultText(const nq::BmpInfo& info) {
  const auto a = info.detail[0];
  const auto b = info.detail[1];
  switch (info.fault) {
    case nq::BmpFault::None:
      break;
    case nq::BmpFault::NotBmp:
      return QCoreApplication::translate("BmpCheck", "不是BMP位图文件");
    case nq::BmpFault::UnknownHeader:
      return QCoreApplication::translate("BmpCheck", "不是BMP位图文件（未知的信息头）");
    case nq::BmpFault::HeaderTruncated:
      return QCoreApplication::translate("BmpCheck", "BMP文件头不完整");
    case nq::BmpFault::BadSize:
      return QCoreApplication::translate("BmpCheck", "BMP位图的宽度或高度无效");
    case nq::BmpFault::TooLarge:
      return QCoreApplication::translate("BmpCheck", "BMP位图太大（%1 × %2，每边最多 %3 像素）")
          .arg(a)
          .arg(b)
          .arg(nq::kMaxPictureSide);
    case nq::BmpFault::BadPlanes:
      return QCoreApplication::translate("BmpCheck", "BMP位图的位面数无效");
    case nq::BmpFault::BadBitCount:
      return QCoreApplication::translate("BmpCheck", "不支持的BMP颜色位数：%1").arg(a);
    case nq::BmpFault::BadCompression:
      return QCoreApplication::translate("BmpCheck", "不支持的BMP压缩方式：%1").arg(a);
    case nq::BmpFault::BadHeight:
      return QCoreApplication::translate("BmpCheck", "BMP位图的高度无效");
    case nq::BmpFault::TooManyPixelBytes:
      return QCoreApplication::translate("BmpCheck", "BMP位图的像素数据太大（超过 %1 MB）")
          .arg(nq::kMaxPicturePixelBytes >> 20);
    case nq::BmpFault::BadPalette:
      return QCoreApplication::translate("BmpCheck",
                                         "BMP位图的调色板无效（%1 色位图声明了 %2 种颜色）")
          .arg(a)
          .arg(b);
    case nq::BmpFault::PaletteTruncated:
      return QCoreApplication::translate("BmpCheck", "BMP文件不完整（调色板被截断）");
    case nq::BmpFault::Damaged:
      return QCoreApplication::translate("BmpCheck", "BMP文件不完整或已损坏");
    case nq::BmpFault::PixelsTruncated:
      return QCoreApplication::translate("BmpCheck", "BMP文件不完整（像素数据被截断）");
    case nq::BmpFault::RunOutside:
      return QCoreApplication::translate("BmpCheck", "BMP位图的压缩数据超出了图片范围");
  }
  return {};
}

BmpHeaderInfo headerInfo(const nq::BmpInfo& info) {
  BmpHeaderInfo out;
  out.ok = info.ok();
  out.error = faultText(info);
  if (out.ok) {
    out.width = info.width;
    out.height = info.height;
    out.topDown = info.topDown;
    out.bitCount = info.bitCount;
    out.compression = info.compression;
  }
  return out;
}

}  // namespace

BmpHeaderInfo checkBmpHeader(const QByteArray& bytes) {
  return headerInfo(nq::checkBmp(bytesOf(bytes)));
}

QImage decodeBmp(const QByteArray& bytes, const QString& what) {
  const nq::BmpInfo info = nq::checkBmp(bytesOf(bytes));
  if (!info.ok())
    throw LedError(
        QCoreApplication::translate("BmpCheck", "%1 无法读取：%2").arg(what, faultText(info)));
  QImage image(info.width, info.height, QImage::Format_RGB32);
  if (image.isNull())
    throw LedError(QCoreApplication::translate("BmpCheck", "%1 无法读取：内存不足").arg(what));
  // Format_RGB32 holds each pixel as 0xFFRRGGBB, as the reader writes them.
  nq::decodeBmpPixels(bytesOf(bytes), info, reinterpret_cast<uint32_t*>(image.bits()),
                      size_t(image.bytesPerLine()) / sizeof(uint32_t));
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
                       ? QCoreApplication::translate("BmpCheck", "无法生成BMP图片：图片为空或无效")
                       : QCoreApplication::translate("BmpCheck", "无法生成BMP图片：内存不足"));
  }
  return bytes;
}
