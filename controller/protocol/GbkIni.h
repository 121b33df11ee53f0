#pragma once
// The library's Program/set.ini: byte-level ini with GBK section and key names, CRLF
// line ends, decimal values. Names are compared as raw bytes; no text conversion is needed.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Program.h"

namespace nq {

namespace gbk {
inline const std::string kProgram = "\xBD\xDA\xC4\xBF";                    // 节目
inline const std::string kWidth = "\xC6\xC1\xBF\xED";                      // 屏宽
inline const std::string kHeight = "\xC6\xC1\xB8\xDF";                     // 屏高
inline const std::string kColour = "\xD1\xD5\xC9\xAB";                     // 颜色
inline const std::string kPlayMode = "\xB2\xA5\xB7\xC5\xB7\xBD\xCA\xBD";   // 播放方式
inline const std::string kPlaySpeed = "\xB2\xA5\xB7\xC5\xCB\xD9\xB6\xC8";  // 播放速度
inline const std::string kDwell = "\xCD\xA3\xC1\xF4\xCA\xB1\xBC\xE4";      // 停留时间
}  // namespace gbk

class IniFile {
 public:
  bool parse(const std::string& bytes);
  bool load(const std::string& path);
  std::optional<std::string> value(const std::string& section, const std::string& key) const;
  // Decimal value with a default for a missing key; nullopt when present but not decimal.
  std::optional<int> intValue(const std::string& section, const std::string& key, int def) const;

 private:
  struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> keys;
  };
  std::vector<Section> sections_;
};

std::string programSection(int n);
// Reads section 节目n. Missing keys take the play-setting defaults (colour 0, mode 0,
// speed 4, dwell 5); a value that is not decimal gives nullopt.
std::optional<ProgramSettings> readProgramSettings(const IniFile& ini, int n);
// Appends section 节目n with the six keys in their order, CRLF line ends.
void appendProgramSection(std::string& out, int n, int width, int height, const ProgramSettings& s);

bool parseDecimal(const std::string& text, int& out);

}  // namespace nq
