#include "IniText.h"

#include <cstdint>
#include <limits>

namespace nq {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view trim(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// Names compare without regard to ASCII case. The second byte of a GBK character may fall in
// A-Z or a-z, so a character's two bytes are compared exactly.
bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (static_cast<unsigned char>(a[i]) >= 0x81 && i + 1 < a.size()) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      ++i;
    } else if (asciiLower(a[i]) != asciiLower(b[i])) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::optional<int> parseDecimal(std::string_view text) {
  const std::string_view t = trim(text);
  if (t.empty()) return std::nullopt;
  size_t i = 0;
  bool negative = false;
  if (t[0] == '-' || t[0] == '+') {
    negative = t[0] == '-';
    i = 1;
  }
  if (i == t.size()) return std::nullopt;
  int64_t v = 0;
  for (; i < t.size(); ++i) {
    const char c = t[i];
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
    if (v > int64_t{std::numeric_limits<int>::max()} + 1) return std::nullopt;
  }
  if (negative) v = -v;
  if (v > std::numeric_limits<int>::max() || v < std::numeric_limits<int>::min())
    return std::nullopt;
  return static_cast<int>(v);
}

IniText IniText::parse(std::string_view bytes) {
  IniText ini;
  if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    ini.byteOrderMark_ = true;
    bytes.remove_prefix(kByteOrderMark.size());
  }
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view raw = bytes.substr(start, end - start);
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    start = end + 1;

    const std::string_view t = trim(raw);
    if (!t.empty() && t.front() == '[') {
      const size_t close = t.find(']');
      if (close != std::string_view::npos) {
        ini.sections_.push_back(
            Section{std::string(trim(t.substr(1, close - 1))), std::string(raw), {}});
        continue;
      }
    }
    Line line{std::string(raw), {}, {}};
    const size_t eq = raw.find('=');
    if (eq != std::string_view::npos && eq > 0 && t.front() != ';') {
      line.key = trim(raw.substr(0, eq));
      line.value = trim(raw.substr(eq + 1));
    }
    ini.sections_.back().lines.push_back(std::move(line));
  }
  return ini;
}

std::string IniText::serialize() const {
  std::string out;
  if (byteOrderMark_) out += kByteOrderMark;
  for (const Section& s : sections_) {
    if (!s.header.empty()) out += s.header + "\r\n";
    for (const Line& l : s.lines) out += l.raw + "\r\n";
  }
  return out;
}

IniText::Section* IniText::findSection(std::string_view name) {
  for (size_t i = 1; i < sections_.size(); ++i)
    if (sameName(sections_[i].name, name)) return &sections_[i];
  return nullptr;
}

const IniText::Section* IniText::findSection(std::string_view name) const {
  return const_cast<IniText*>(this)->findSection(name);
}

bool IniText::hasSection(std::string_view section) const { return findSection(section); }

std::optional<std::string> IniText::value(std::string_view section, std::string_view key) const {
  const Section* s = findSection(section);
  if (!s) return std::nullopt;
  for (const Line& l : s->lines)
    if (!l.key.empty() && sameName(l.key, key)) return l.value;
  return std::nullopt;
}

std::optional<int> IniText::intValue(std::string_view section, std::string_view key) const {
  const auto v = value(section, key);
  return v ? parseDecimal(*v) : std::nullopt;
}

void IniText::setValue(std::string_view section, std::string_view key, std::string_view value) {
  Section* s = findSection(section);
  if (!s) {
    sections_.push_back(Section{std::string(section), "[" + std::string(section) + "]", {}});
    s = &sections_.back();
  }
  for (Line& l : s->lines) {
    if (!l.key.empty() && sameName(l.key, key)) {
      l.value = value;
      l.raw = l.key + "=" + l.value;
      return;
    }
  }
  // A new key goes after the section's last key, before any trailing blank lines.
  auto at = s->lines.end();
  while (at != s->lines.begin() && trim((at - 1)->raw).empty()) --at;
  s->lines.insert(
      at, Line{std::string(key) + "=" + std::string(value), std::string(key), std::string(value)});
}

void IniText::removeSection(std::string_view section) {
  for (size_t i = sections_.size(); i-- > 1;)
    if (sameName(sections_[i].name, section))
      sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(i));
}

}  // namespace nq
