// The bitmap reader over arbitrary files: it decodes or refuses, never reads or writes outside
// its buffers, and never builds a picture larger than its header says.
#include <cstddef>
#include <cstdint>
#include <span>

#include "Bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::span<const uint8_t> in(data, size);
  const nq::BmpInfo info = nq::checkBmp(in);
  // The library refuses anything bigger than a program from the header alone; the reader
  // itself caps at kMaxPictureSide. Keep the fuzzer inside the library's range.
  if (info.width > nq::kMaxProgramWidth || info.height > nq::kMaxProgramHeight) return 0;
  auto img = nq::decodeBmp(in);
  if (img.has_value() != info.ok()) __builtin_trap();
  if (img && (img->width != info.width || img->height != info.height)) __builtin_trap();
  if (img) (void)nq::encodeBmp24(*img);
  return 0;
}
