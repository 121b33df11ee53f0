#pragma once
// The BMP reader and a 24-bit writer. No Qt: the link libraries use it, and the application
// reads its pictures through it.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "Program.h"

namespace nq {

// Why a BMP file is refused. The numbers a reason names are in BmpInfo::detail.
enum class BmpFault : uint8_t {
  None,
  NotBmp,             // no "BM" signature, or too short for any header
  UnknownHeader,      // an information header of a size no BMP has
  HeaderTruncated,    // the file ends inside its headers or bit-field masks
  BadSize,            // width or height zero or negative
  TooLarge,           // a side beyond kMaxPictureSide: detail = width, height
  BadPlanes,          // a plane count other than 1
  BadBitCount,        // detail[0] = the bit count
  BadCompression,     // detail[0] = the compression code
  BadHeight,          // a top-down run-length picture
  TooManyPixelBytes,  // pixel rows or decoded pixels beyond kMaxPicturePixelBytes
  BadPalette,         // more colours than the bit count allows: detail = allowed, claimed
  PaletteTruncated,   // the palette runs past the file or into the pixels
  Damaged,            // the pixels start inside the headers or past the end of the file
  PixelsTruncated,    // the pixel rows (or the run-length stream) end early
  RunOutside,         // a run-length stream leaves the picture
};

// What a BMP file's headers claim, checked before anything is allocated for its pixels, and
// where the decoder finds its tables and pixels.
struct BmpInfo {
  BmpFault fault = BmpFault::NotBmp;
  int64_t detail[2] = {0, 0};
  // The size the header claims (always positive; topDown says where the rows start), also on a
  // refusal once the header got that far; 0 before.
  int width = 0;
  int height = 0;
  bool topDown = false;
  int bitCount = 0;
  int compression = 0;  // 0 plain, 1 RLE8, 2 RLE4, 3 bit fields, 6 bit fields with alpha
  int64_t pixelOffset = 0;
  int64_t paletteOffset = 0;
  int paletteEntryBytes = 4;
  int paletteCount = 0;
  uint32_t masks[3] = {0, 0, 0};  // red, green, blue of 16 and 32 bits a pixel
  bool ok() const { return fault == BmpFault::None; }
};

// The one BMP reader of the product (1/4/8/16/24/32 bits, plain, bit fields, RLE4/RLE8;
// core/info/V4/V5 headers; bottom-up or top-down); the application wraps it for its pictures.
// Checks a file without allocating anything for its pixels: signature, header kind, size limits
// (kMaxPictureSide a side, kMaxPicturePixelBytes of pixel rows or decoded pixels), bit depth,
// compression, that the palette and bit-field masks are whole, that the pixel rows are all
// present and, for a run-length file, that the stream is whole and never leaves the picture.
BmpInfo checkBmp(std::span<const uint8_t> file);
// Decodes a file that checkBmp accepted, with that check's info, into 0xFFRRGGBB pixels: rows
// top-down, `stride` pixels apart; every pixel of the picture is written. Channels narrower than
// 8 bits are widened by bit replication (a full channel is 255); palette indices past the
// palette and pixels a run-length stream skips read as black.
void decodeBmpPixels(std::span<const uint8_t> file, const BmpInfo& info, uint32_t* pixels,
                     size_t stride);
// Checks and decodes; nullopt for any file checkBmp refuses.
std::optional<Image> decodeBmp(std::span<const uint8_t> file);
std::optional<Image> readBmpFile(const std::string& path);
// 24-bit, bottom-up rows padded to 4 bytes, 40-byte info header.
std::vector<uint8_t> encodeBmp24(const Image& img);

// A regular file of at most limit bytes; false for a larger one and for a FIFO, a device or a
// folder, without waiting on it or reading past the limit.
bool readWholeFile(const std::string& path, std::vector<uint8_t>& out, size_t limit);
// Writes via a temporary file in the same directory, fsync (when durable) and rename.
bool writeFileAtomic(const std::string& path, std::span<const uint8_t> data, bool durable = true);

}  // namespace nq
