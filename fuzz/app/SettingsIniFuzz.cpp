// Both readers of Program/set.ini on any bytes: the store's (GbkIni) and the link libraries'
// (nq::IniFile). The store's must write back what it read and read back what it wrote.
#include <string>

// Both readers' headers are named GbkIni.h; each is named by its folder.
#include "../../controller/protocol/GbkIni.h"
#include "../../src/library/GbkIni.h"
#include "FuzzQt.h"

namespace {
const QString kSection = QStringLiteral("节目0");
const QString kKeys[] = {QStringLiteral("屏宽"),     QStringLiteral("屏高"),
                         QStringLiteral("颜色"),     QStringLiteral("播放方式"),
                         QStringLiteral("播放速度"), QStringLiteral("停留时间")};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

  // The store's reader: parsing is stable, and a written value reads back.
  GbkIni ini = GbkIni::parse(bytes);
  const QByteArray once = ini.serialize();
  FUZZ_CHECK(GbkIni::parse(once).serialize() == once);
  for (const QString& key : kKeys) ini.intValue(kSection, key, 5);
  const int v = static_cast<int>(size) - 100;
  ini.setValue(kSection, kKeys[size % 6], v);
  FUZZ_CHECK(GbkIni::parse(ini.serialize()).intValue(kSection, kKeys[size % 6]) == v);

  // The link libraries' reader.
  nq::IniFile lib;
  if (lib.parse(std::string(reinterpret_cast<const char*>(data), size))) {
    for (int n = 0; n < 3; ++n) nq::readProgramSettings(lib, n);
  }
  return 0;
}
