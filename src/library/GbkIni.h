#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// An ini file in the GBK code page, as the settings files of the system are stored: bracketed
// section lines, key=value lines, CRLF line ends. Parsing never fails: lines that are neither
// sections nor keys are kept as they are. Lookups follow the first section of a name (later
// duplicates are kept but never read) and ignore ASCII case and surrounding blanks in names.
// Untouched lines are written back byte for byte; a new section goes to the end and a new key
// to the end of its section.
class GbkIni {
 public:
  static GbkIni parse(const QByteArray& bytes);
  QByteArray serialize() const;

  std::optional<QByteArray> value(const QString& section, const QString& key) const;
  // The value converted strictly as a decimal integer (optional sign, no blanks inside);
  // nullopt when the key is missing or its text is not a decimal integer.
  std::optional<int> intValue(const QString& section, const QString& key) const;
  int intValue(const QString& section, const QString& key, int fallback) const;

  void setValue(const QString& section, const QString& key, const QByteArray& value);
  void setValue(const QString& section, const QString& key, int value);
  // Removes every section of that name with all its lines.
  void removeSection(const QString& section);
  bool hasSection(const QString& section) const;

  static QByteArray toGbk(const QString& text);
  static QString fromGbk(const QByteArray& bytes);

 private:
  struct Line {
    QByteArray raw;  // the original line without its line end; rebuilt when the value changes
    QByteArray key;  // trimmed key, empty for a line that is not key=value
    QByteArray value;
  };
  struct Section {
    QByteArray name;  // trimmed, empty for the lines before the first section
    QByteArray header;
    std::vector<Line> lines;
  };

  Section* findSection(const QByteArray& name);
  const Section* findSection(const QByteArray& name) const;

  std::vector<Section> sections_;
};

// Strict decimal conversion of an ini value: an optional sign and digits, in int range.
std::optional<int> parseDecimal(const QByteArray& text);
