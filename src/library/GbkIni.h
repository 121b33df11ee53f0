#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "protocol/IniText.h"

// An ini file in the GBK code page, as the settings files of the system are stored: the
// application's face of nq::IniText, the reader the link libraries use too, with names given as
// text and converted to GBK. Parsing never fails; lookups follow the first section of a name and
// ignore ASCII case and surrounding blanks in names; a byte-order mark never hides the first
// section. Untouched lines are written back byte for byte; a new section goes to the end and a
// new key to the end of its section.
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
  nq::IniText text_;
};

// Strict decimal conversion of an ini value: an optional sign and digits, in int range.
std::optional<int> parseDecimal(const QByteArray& text);
