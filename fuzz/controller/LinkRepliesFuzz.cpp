// What the link library does with a card's replies: the frame decoder over arbitrary bytes,
// then each frame's payload through the parsers the library applies to replies (packed fetch
// chunks, the program stream of a fetch, little-endian records).
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "Compress.h"
#include "Program.h"
#include "Protocol.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  nq::FrameDecoder dec;
  std::span<const uint8_t> in(data, size);
  // Fed in slices of varying size, as reads from a socket arrive.
  size_t at = 0, step = 1;
  while (at < in.size()) {
    size_t n = std::min(step, in.size() - at);
    dec.feed(in.subspan(at, n));
    at += n;
    step = step * 3 % 4093 + 1;
    while (auto ev = dec.next()) {
      if (dec.buffered() > 2 * nq::kMaxFrame) __builtin_trap();
      const auto& p = ev->frame.payload;
      if (p.size() > nq::kMaxPayload) __builtin_trap();
      std::vector<uint8_t> out;
      if (nq::readPackedChunk(p, 32760, out) && out.size() > 32760) __builtin_trap();
      std::vector<nq::WireProgram> programs;
      if (!p.empty() && nq::parseProgramStream(p, 1 + p[0] % 4, programs))
        for (const auto& prog : programs) (void)nq::decodeProgram(prog);
      nq::Reader r(p);
      uint32_t total = 0, crc = 0;
      (void)(r.u32(total) && r.u32(crc));
    }
  }
  return 0;
}
