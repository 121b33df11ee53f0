#pragma once
// The library's Program/set.ini: one section 节目n per program with six decimal keys, GBK names,
// CRLF line ends. Read through IniText, the reader the application uses too.

#include <string>

#include "IniText.h"
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

std::string programSection(int n);
// Reads section 节目n as the editor shows it: a key that is missing or not decimal takes its
// default (colour 0, mode 0, speed 4, dwell 5).
ProgramSettings readProgramSettings(const IniText& ini, int n);
// Appends section 节目n with the six keys in their order, CRLF line ends.
void appendProgramSection(std::string& out, int n, int width, int height, const ProgramSettings& s);

}  // namespace nq
