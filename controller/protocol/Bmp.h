#pragma once
// A small BMP reader (1/4/8/16/24/32 bits, BI_RGB, BI_BITFIELDS, RLE4/RLE8, core/info/V4/V5
// headers, bottom-up or top-down) and a 24-bit writer. No Qt: the link libraries use it.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "Program.h"

namespace nq {

inline constexpr int kMaxBmpDimension = 16384;

// Width and height (absolute) as the header states them, before anything is decoded.
std::optional<std::pair<int64_t, int64_t>> bmpSize(std::span<const uint8_t> file);
// Decodes the whole picture; nullopt for a damaged file, or an RLE stream leaving the picture.
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
