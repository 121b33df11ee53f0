#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

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

inline constexpr int MaxBmpSide = 16384;
inline constexpr qint64 MaxBmpPixelBytes = 64LL * 1024 * 1024;
// Largest BMP file the program reads: the pixel limit plus generous room for headers and palette.
inline constexpr qint64 MaxBmpFileBytes = MaxBmpPixelBytes + 64 * 1024;

// Checks a BMP held in bytes without allocating anything for its pixels: signature, header kind,
// size limits (at most MaxBmpSide pixels either way, at most MaxBmpPixelBytes of pixel data),
// bit depth, compression, that the palette and bit-field masks are whole, that the pixel rows
// are all present and, for a run-length file, that the stream is whole and never leaves the
// picture. Every refusal is worded for the operator.
BmpHeaderInfo checkBmpHeader(const QByteArray& bytes);

// Checks, then decodes a BMP into a Format_RGB32 image; throws LedError naming `what` when the
// check fails. Channels narrower than 8 bits are widened by bit replication (a full channel is
// 255); palette indices past the palette and pixels a run-length stream skips read as black.
QImage decodeBmp(const QByteArray& bytes, const QString& what);

// A 24-bit uncompressed bottom-up BMP with a 40-byte information header.
QByteArray encodeBmp24(const QImage& image);
