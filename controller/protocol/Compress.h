#pragma once
// LZ4 blocks for plane data on the wire. A chunk is sent packed only when packing makes it
// smaller; the receiver knows which from the chunk's length field.

#include <cstdint>
#include <span>
#include <vector>

namespace nq {

// The LZ4 block of data, or an empty vector when it would not be smaller than data.
std::vector<uint8_t> lz4Pack(std::span<const uint8_t> data);
// Unpacks a block that must expand to exactly rawLength bytes, appended to out.
bool lz4Unpack(std::span<const uint8_t> block, size_t rawLength, std::vector<uint8_t>& out);

// A chunk body in the packed encoding: raw length u32, then the bytes (raw when their count
// equals the raw length, else one LZ4 block).
void appendPackedChunk(std::vector<uint8_t>& out, std::span<const uint8_t> raw);
// Appends the packed chunk that carries the most of rest: up to largest raw bytes when they
// pack into at most ordinary bytes, else ordinary raw bytes as they are (so that data which
// does not pack travels in chunks no bigger than unpacked ones). Returns the raw bytes covered.
size_t appendPackedSpan(std::vector<uint8_t>& out, std::span<const uint8_t> rest, size_t ordinary,
                        size_t largest);
bool readPackedChunk(std::span<const uint8_t> body, size_t maxRaw, std::vector<uint8_t>& out);

}  // namespace nq
