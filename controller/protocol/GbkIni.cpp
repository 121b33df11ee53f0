#include "GbkIni.h"

#include <cstdint>

#include "Bmp.h"

namespace nq {

namespace {
std::string trim(const std::string& s) {
  size_t a = 0, b = s.size();
  while (a < b && (s[a] == ' ' || s[a] == '\t' || s[a] == '\r')) ++a;
  while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t' || s[b - 1] == '\r')) --b;
  return s.substr(a, b - a);
}
}  // namespace

bool parseDecimal(const std::string& text, int& out) {
  std::string t = trim(text);
  if (t.empty()) return false;
  size_t i = 0;
  bool neg = false;
  if (t[0] == '-' || t[0] == '+') {
    neg = t[0] == '-';
    i = 1;
  }
  if (i == t.size()) return false;
  int64_t v = 0;
  for (; i < t.size(); ++i) {
    if (t[i] < '0' || t[i] > '9') return false;
    v = v * 10 + (t[i] - '0');
    if (v > INT32_MAX) return false;
  }
  out = int(neg ? -v : v);
  return true;
}

bool IniFile::parse(const std::string& bytes) {
  sections_.clear();
  size_t p = 0;
  // A UTF-8 or other BOM is not expected in a GBK file; skip one defensively.
  if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) p = 3;
  Section* cur = nullptr;
  while (p < bytes.size()) {
    size_t e = bytes.find('\n', p);
    if (e == std::string::npos) e = bytes.size();
    std::string line = trim(bytes.substr(p, e - p));
    p = e + 1;
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[') {
      size_t close = line.find(']');
      if (close == std::string::npos) continue;
      sections_.push_back({line.substr(1, close - 1), {}});
      cur = &sections_.back();
      continue;
    }
    size_t eq = line.find('=');
    if (!cur || eq == std::string::npos) continue;
    cur->keys.emplace_back(trim(line.substr(0, eq)), trim(line.substr(eq + 1)));
  }
  return true;
}

bool IniFile::load(const std::string& path) {
  std::vector<uint8_t> data;
  if (!readWholeFile(path, data, size_t(16) << 20)) return false;
  return parse(std::string(data.begin(), data.end()));
}

std::optional<std::string> IniFile::value(const std::string& section,
                                          const std::string& key) const {
  for (const auto& s : sections_)
    if (s.name == section)
      for (const auto& [k, v] : s.keys)
        if (k == key) return v;
  return std::nullopt;
}

std::optional<int> IniFile::intValue(const std::string& section, const std::string& key,
                                     int def) const {
  auto v = value(section, key);
  if (!v) return def;
  int out;
  if (!parseDecimal(*v, out)) return std::nullopt;
  return out;
}

std::string programSection(int n) { return gbk::kProgram + std::to_string(n); }

std::optional<ProgramSettings> readProgramSettings(const IniFile& ini, int n) {
  std::string sec = programSection(n);
  auto c = ini.intValue(sec, gbk::kColour, 0);
  auto m = ini.intValue(sec, gbk::kPlayMode, 0);
  auto s = ini.intValue(sec, gbk::kPlaySpeed, 4);
  auto d = ini.intValue(sec, gbk::kDwell, 5);
  if (!c || !m || !s || !d) return std::nullopt;
  return ProgramSettings{*c, *m, *s, *d};
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
