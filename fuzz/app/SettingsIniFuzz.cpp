// The reader of Program/set.ini on any bytes, through both its users: the store's GbkIni and the
// link libraries' readProgramSettings. Parsing is stable, a written value reads back, and the
// link libraries read every program's settings exactly as the store does.
#include "../../controller/protocol/ProgramIni.h"
#include "FuzzQt.h"
#include "GbkIni.h"

namespace {
const QString kKeys[] = {QStringLiteral("屏宽"),     QStringLiteral("屏高"),
                         QStringLiteral("颜色"),     QStringLiteral("播放方式"),
                         QStringLiteral("播放速度"), QStringLiteral("停留时间")};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

  GbkIni ini = GbkIni::parse(bytes);
  const QByteArray once = ini.serialize();
  FUZZ_CHECK(GbkIni::parse(once).serialize() == once);

  // The settings the store shows are the ones the link libraries send.
  const nq::IniText lib = nq::IniText::parse(std::string_view(bytes.constData(), size));
  for (int n = 0; n < 3; ++n) {
    const QString section = QStringLiteral("节目%1").arg(n);
    const nq::ProgramSettings sent = nq::readProgramSettings(lib, n);
    FUZZ_CHECK(sent.colourClass == ini.intValue(section, kKeys[2], 0));
    FUZZ_CHECK(sent.playMode == ini.intValue(section, kKeys[3], 0));
    FUZZ_CHECK(sent.playSpeed == ini.intValue(section, kKeys[4], 4));
    FUZZ_CHECK(sent.dwell == ini.intValue(section, kKeys[5], 5));
  }

  const int v = static_cast<int>(size) - 100;
  const QString section = QStringLiteral("节目0");
  ini.setValue(section, kKeys[size % 6], v);
  FUZZ_CHECK(GbkIni::parse(ini.serialize()).intValue(section, kKeys[size % 6]) == v);
  return 0;
}
