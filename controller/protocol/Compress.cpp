#include "Compress.h"

#include <lz4.h>

#include <algorithm>
#include <climits>

namespace nq {

std::vector<uint8_t> lz4Pack(std::span<const uint8_t> data) {
  if (data.empty() || data.size() > size_t(LZ4_MAX_INPUT_SIZE)) return {};
  std::vector<uint8_t> out(size_t(LZ4_compressBound(int(data.size()))));
  int n =
      LZ4_compress_default(reinterpret_cast<const char*>(data.data()),
                           reinterpret_cast<char*>(out.data()), int(data.size()), int(out.size()));
  if (n <= 0 || size_t(n) >= data.size()) return {};
  out.resize(size_t(n));
  return out;
}

bool lz4Unpack(std::span<const uint8_t> block, size_t rawLength, std::vector<uint8_t>& out) {
  if (block.size() > size_t(INT_MAX) || rawLength > size_t(INT_MAX)) return false;
  const size_t at = out.size();
  out.resize(at + rawLength);
  int n = LZ4_decompress_safe(reinterpret_cast<const char*>(block.data()),
                              reinterpret_cast<char*>(out.data() + at), int(block.size()),
                              int(rawLength));
  if (n < 0 || size_t(n) != rawLength) {
    out.resize(at);
    return false;
  }
  return true;
}

void appendPackedChunk(std::vector<uint8_t>& out, std::span<const uint8_t> raw) {
  const uint32_t n = uint32_t(raw.size());
  for (int i = 0; i < 4; ++i) out.push_back(uint8_t(n >> (8 * i)));
  std::vector<uint8_t> packed = lz4Pack(raw);
  if (packed.empty())
    out.insert(out.end(), raw.begin(), raw.end());
  else
    out.insert(out.end(), packed.begin(), packed.end());
}

size_t appendPackedSpan(std::vector<uint8_t>& out, std::span<const uint8_t> rest, size_t ordinary,
                        size_t largest) {
  for (size_t span = largest; span > ordinary; span /= 2) {
    auto slice = rest.first(std::min(span, rest.size()));
    std::vector<uint8_t> block = lz4Pack(slice);
    if (!block.empty() && block.size() <= ordinary) {
      const uint32_t n = uint32_t(slice.size());
      for (int i = 0; i < 4; ++i) out.push_back(uint8_t(n >> (8 * i)));
      out.insert(out.end(), block.begin(), block.end());
      return slice.size();
    }
    if (slice.size() < span) break;  // all of rest was tried
  }
  const size_t n = std::min(ordinary, rest.size());
  appendPackedChunk(out, rest.first(n));
  return n;
}

bool readPackedChunk(std::span<const uint8_t> body, size_t maxRaw, std::vector<uint8_t>& out) {
  if (body.size() < 4) return false;
  const size_t raw =
      size_t(body[0]) | size_t(body[1]) << 8 | size_t(body[2]) << 16 | size_t(body[3]) << 24;
  auto data = body.subspan(4);
  if (raw > maxRaw || data.size() > raw) return false;
  if (data.size() == raw) {
    out.insert(out.end(), data.begin(), data.end());
    return true;
  }
  return lz4Unpack(data, raw, out);
}

}  // namespace nq
