// The application's BMP check and decoder on any bytes. The check and the decoder agree, the
// picture has the size the check announced, and the application never accepts a file that the
// link libraries' decoder refuses.
#include <span>

#include "Bmp.h"
#include "BmpCheck.h"
#include "FuzzQt.h"
#include "LedError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const BmpHeaderInfo info = checkBmpHeader(bytes);
  FUZZ_CHECK(info.ok == info.error.isEmpty());
  try {
    const QImage image = decodeBmp(bytes, QStringLiteral("fuzz"));
    FUZZ_CHECK(info.ok);
    FUZZ_CHECK(image.size() == QSize(info.width, info.height));
  } catch (const LedError&) {
    FUZZ_CHECK(!info.ok);
  }
  if (info.ok) FUZZ_CHECK(nq::decodeBmp(std::span<const uint8_t>(data, size)).has_value());
  return 0;
}
