// The bitmap reader over arbitrary files: it decodes or refuses, never reads or writes outside
// its buffers, and never builds a picture larger than its header says.
#include <cstddef>
#include <cstdint>
#include <span>

#include "Bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::span<const uint8_t> in(data, size);
  auto dims = nq::bmpSize(in);
  // The library refuses anything bigger than a program from the header alone; the reader
  // itself caps at kMaxBmpDimension. Keep the fuzzer inside the library's range.
  if (dims && (dims->first > 640 || dims->second > 256)) return 0;
  auto img = nq::decodeBmp(in);
  if (img && (!dims || img->width != dims->first || img->height != dims->second)) __builtin_trap();
  if (img) (void)nq::encodeBmp24(*img);
  return 0;
}
