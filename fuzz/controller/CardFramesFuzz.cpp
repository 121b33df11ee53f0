// The card's protocol engine fed arbitrary bytes: every request it decodes is answered within
// its checks, memory stays bounded, and nothing it answers breaks the frame format.
#include <cstddef>
#include <cstdint>
#include <span>

#include "CardStore.h"
#include "Session.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static signsim::CardStore* store = new signsim::CardStore("");  // memory only
  signsim::FaultTable faults;
  signsim::Session session({store, &faults, {}, nq::kAllFeatures});
  // Two feeds: the split point comes from the input, so frames cut in two are covered.
  const size_t cut = size ? data[0] % (size + 1) : 0;
  std::span<const uint8_t> in(data, size);
  for (auto part : {in.first(cut), in.subspan(cut)})
    for (const auto& a : session.onBytes(part)) {
      nq::FrameDecoder d;
      d.feed(a.bytes);
      auto ev = d.next();
      if (!a.bytes.empty() && (!ev || ev->kind != nq::FrameDecoder::Kind::Frame)) __builtin_trap();
    }
  if (session.memoryInUse() > (size_t(64) << 20)) __builtin_trap();
  return 0;
}
