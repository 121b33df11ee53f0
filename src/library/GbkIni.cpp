#include "GbkIni.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <limits>

namespace {

bool sameName(const QByteArray& a, const QByteArray& b) {
  return a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

std::optional<int> parseDecimal(const QByteArray& text) {
  const QByteArray t = text.trimmed();
  if (t.isEmpty()) return std::nullopt;
  int i = 0;
  bool negative = false;
  if (t[0] == '-' || t[0] == '+') {
    negative = t[0] == '-';
    i = 1;
  }
  if (i == t.size()) return std::nullopt;
  long long v = 0;
  for (; i < t.size(); ++i) {
    const char c = t[i];
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
    if (v > static_cast<long long>(std::numeric_limits<int>::max()) + 1) return std::nullopt;
  }
  if (negative) v = -v;
  if (v > std::numeric_limits<int>::max() || v < std::numeric_limits<int>::min())
    return std::nullopt;
  return static_cast<int>(v);
}

// Opening a GBK converter costs far more than a short conversion, and every lookup converts its
// names: each thread keeps one of each, reset before use.
QByteArray GbkIni::toGbk(const QString& text) {
  thread_local QStringEncoder encoder("GBK");
  encoder.resetState();
  return encoder.encode(text);
}

QString GbkIni::fromGbk(const QByteArray& bytes) {
  thread_local QStringDecoder decoder("GBK");
  decoder.resetState();
  return decoder.decode(bytes);
}

GbkIni GbkIni::parse(const QByteArray& bytes) {
  GbkIni ini;
  ini.sections_.push_back(Section{});
  qsizetype start = 0;
  while (start < bytes.size()) {
    qsizetype end = bytes.indexOf('\n', start);
    if (end < 0) end = bytes.size();
    QByteArray raw = bytes.mid(start, end - start);
    if (raw.endsWith('\r')) raw.chop(1);
    start = end + 1;

    const QByteArray t = raw.trimmed();
    if (t.startsWith('[')) {
      const qsizetype close = t.indexOf(']');
      if (close > 0) {
        ini.sections_.push_back(Section{t.mid(1, close - 1).trimmed(), raw, {}});
        continue;
      }
    }
    Line line{raw, {}, {}};
    const qsizetype eq = raw.indexOf('=');
    if (eq > 0 && !t.startsWith(';')) {
      line.key = raw.left(eq).trimmed();
      line.value = raw.mid(eq + 1).trimmed();
    }
    ini.sections_.back().lines.push_back(std::move(line));
  }
  return ini;
}

QByteArray GbkIni::serialize() const {
  QByteArray out;
  for (const Section& s : sections_) {
    if (!s.header.isEmpty()) out += s.header + "\r\n";
    for (const Line& l : s.lines) out += l.raw + "\r\n";
  }
  return out;
}

GbkIni::Section* GbkIni::findSection(const QByteArray& name) {
  for (size_t i = 1; i < sections_.size(); ++i) {
    if (sameName(sections_[i].name, name)) return &sections_[i];
  }
  return nullptr;
}

const GbkIni::Section* GbkIni::findSection(const QByteArray& name) const {
  return const_cast<GbkIni*>(this)->findSection(name);
}

bool GbkIni::hasSection(const QString& section) const { return findSection(toGbk(section)); }

std::optional<QByteArray> GbkIni::value(const QString& section, const QString& key) const {
  const Section* s = findSection(toGbk(section));
  if (!s) return std::nullopt;
  const QByteArray k = toGbk(key);
  for (const Line& l : s->lines) {
    if (!l.key.isEmpty() && sameName(l.key, k)) return l.value;
  }
  return std::nullopt;
}

std::optional<int> GbkIni::intValue(const QString& section, const QString& key) const {
  const auto v = value(section, key);
  return v ? parseDecimal(*v) : std::nullopt;
}

int GbkIni::intValue(const QString& section, const QString& key, int fallback) const {
  return intValue(section, key).value_or(fallback);
}

void GbkIni::setValue(const QString& section, const QString& key, const QByteArray& value) {
  const QByteArray name = toGbk(section);
  Section* s = findSection(name);
  if (!s) {
    sections_.push_back(Section{name, '[' + name + ']', {}});
    s = &sections_.back();
  }
  const QByteArray k = toGbk(key);
  for (Line& l : s->lines) {
    if (!l.key.isEmpty() && sameName(l.key, k)) {
      l.value = value;
      l.raw = l.key + '=' + value;
      return;
    }
  }
  // A new key goes after the section's last key, before any trailing blank lines.
  auto at = s->lines.end();
  while (at != s->lines.begin() && (at - 1)->raw.trimmed().isEmpty()) --at;
  s->lines.insert(at, Line{k + '=' + value, k, value});
}

void GbkIni::setValue(const QString& section, const QString& key, int value) {
  setValue(section, key, QByteArray::number(value));
}

void GbkIni::removeSection(const QString& section) {
  const QByteArray name = toGbk(section);
  for (size_t i = sections_.size(); i-- > 1;) {
    if (sameName(sections_[i].name, name))
      sections_.erase(sections_.begin() + static_cast<long>(i));
  }
}
