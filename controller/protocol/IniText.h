#pragma once
// An ini file as the system's settings files are stored: bracketed section lines, key=value
// lines, GBK names, CRLF line ends. Names are compared as bytes, ignoring ASCII case and the
// blanks around them, so no text conversion is needed. Both the application and the link
// libraries read Program/set.ini through this one class, so a file the editor shows is one the
// link libraries accept.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nq {

// Parsing never fails: lines that are neither sections nor keys are kept as they are. Lookups
// follow the first section of a name (later duplicates are kept but never read); lines before
// the first section belong to no section. A UTF-8 byte-order mark at the start is set aside, so
// it never hides the first section, and written back. Untouched lines are written back byte for
// byte with CRLF line ends; a new section goes to the end and a new key to the end of its
// section.
class IniText {
 public:
  static IniText parse(std::string_view bytes);
  std::string serialize() const;

  std::optional<std::string> value(std::string_view section, std::string_view key) const;
  // The value converted by parseDecimal; nullopt when the key is missing or not decimal.
  std::optional<int> intValue(std::string_view section, std::string_view key) const;
  bool hasSection(std::string_view section) const;

  void setValue(std::string_view section, std::string_view key, std::string_view value);
  // Removes every section of that name with all its lines.
  void removeSection(std::string_view section);

 private:
  struct Line {
    std::string raw;  // the original line without its line end; rebuilt when the value changes
    std::string key;  // trimmed key, empty for a line that is not key=value
    std::string value;
  };
  struct Section {
    std::string name;  // trimmed; the lines before the first section have none
    std::string header;
    std::vector<Line> lines;
  };

  Section* findSection(std::string_view name);
  const Section* findSection(std::string_view name) const;

  bool byteOrderMark_ = false;
  std::vector<Section> sections_ = std::vector<Section>(1);  // [0]: the lines before any section
};

// Strict decimal conversion of an ini value: blanks around it, an optional sign and digits, in
// int range; nullopt for anything else.
std::optional<int> parseDecimal(std::string_view text);

}  // namespace nq
