#include "ProgramIoRules.h"

#include <QCoreApplication>
#include <algorithm>

namespace programio {

namespace {
// The operator's form of a program's name, "%1" standing for its 1-based number.
QString nameFormat() { return QCoreApplication::translate("ProgramIoRules", "节目%1"); }
}  // namespace

QString programName(int number) { return nameFormat().arg(qint64{number} + 1); }

std::optional<int> programNumber(const QString& name) {
  const QString format = nameFormat();
  const qsizetype marker = format.indexOf(QLatin1String("%1"));
  const QStringView prefix = QStringView(format).left(marker);
  const QStringView suffix = QStringView(format).mid(marker + 2);
  if (name.size() < prefix.size() + suffix.size() || !name.startsWith(prefix) ||
      !name.endsWith(suffix))
    return std::nullopt;
  const QString digits = name.mid(prefix.size(), name.size() - prefix.size() - suffix.size());
  // Plain decimal digits only: toInt would also take a sign or surrounding blanks.
  if (digits.isEmpty() ||
      !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
    return std::nullopt;
  bool ok = false;
  const int shown = digits.toInt(&ok);
  if (!ok || shown < 1 || shown > MaxListed) return std::nullopt;
  return shown - 1;
}

QStringList controllerPrograms(int count) {
  QStringList names;
  const int listed = std::clamp(count, 0, MaxListed);
  names.reserve(listed);
  for (int i = 0; i < listed; ++i) names << programName(i);
  return names;
}

QStringList linePrograms(const ProgramIoEntry& entry) {
  QStringList names;
  const int held = std::clamp(static_cast<int>(entry.count), 0, MaxAssigned);
  for (int i = 0; i < held; ++i) names << programName(entry.programs[i]);
  return names;
}

std::optional<int> assignRow(int held, int selected) {
  if (held >= MaxAssigned) return std::nullopt;
  if (selected < 0 || selected >= held) return held;
  return selected + 1;
}

std::optional<QString> storeLine(ProgramIoEntry& entry, const QStringList& names) {
  if (names.size() > MaxAssigned) return names[MaxAssigned];
  ProgramIoEntry stored{};
  stored.count = static_cast<int32_t>(names.size());
  for (int i = 0; i < names.size(); ++i) {
    const std::optional<int> number = programNumber(names[i]);
    if (!number) return names[i];
    stored.programs[i] = *number;
  }
  entry = stored;
  return std::nullopt;
}

}  // namespace programio
