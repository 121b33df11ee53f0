#include "ProgramIni.h"

namespace nq {

std::string programSection(int n) { return gbk::kProgram + std::to_string(n); }

ProgramSettings readProgramSettings(const IniText& ini, int n) {
  const std::string sec = programSection(n);
  auto read = [&](const std::string& key, int def) { return ini.intValue(sec, key).value_or(def); };
  return ProgramSettings{read(gbk::kColour, 0), read(gbk::kPlayMode, 0), read(gbk::kPlaySpeed, 4),
                         read(gbk::kDwell, 5)};
}

void appendProgramSection(std::string& out, int n, int width, int height,
                          const ProgramSettings& s) {
  auto kv = [&](const std::string& k, int v) { out += k + "=" + std::to_string(v) + "\r\n"; };
  out += "[" + programSection(n) + "]\r\n";
  kv(gbk::kWidth, width);
  kv(gbk::kHeight, height);
  kv(gbk::kColour, s.colourClass);
  kv(gbk::kPlayMode, s.playMode);
  kv(gbk::kPlaySpeed, s.playSpeed);
  kv(gbk::kDwell, s.dwell);
}

}  // namespace nq
