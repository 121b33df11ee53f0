#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// The application's face of the product's BMP reader (protocol/Bmp.h), the one the link
// libraries decode the pictures of a send with: the same checks and the same pixels, refusals
// worded for the operator and pictures as QImage.

// What a BMP file's headers claim, checked before anything is allocated for its pixels.
struct BmpHeaderInfo {
  bool ok = false;
  QString error;  // for the operator, when !ok
  int width = 0;
  int height = 0;  // always positive; topDown says where the rows start
  bool topDown = false;
  int bitCount = 0;
  int compression = 0;
};

// Checks a BMP held in bytes without allocating anything for its pixels (see nq::checkBmp);
// every refusal is worded for the operator.
BmpHeaderInfo checkBmpHeader(const QByteArray& bytes);

// Checks, then decodes a BMP into a Format_RGB32 image; throws LedError naming `what` when the
// check fails. Channels narrower than 8 bits are widened by bit replication (a full channel is
// 255); palette indices past the palette and pixels a run-length stream skips read as black.
QImage decodeBmp(const QByteArray& bytes, const QString& what);

// A 24-bit uncompressed bottom-up BMP with a 40-byte information header.
QByteArray encodeBmp24(const QImage& image);
