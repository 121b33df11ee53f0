#include "GbkIni.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <string_view>

namespace {

std::string_view view(const QByteArray& bytes) {
  return std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace

std::optional<int> parseDecimal(const QByteArray& text) { return nq::parseDecimal(view(text)); }

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
  ini.text_ = nq::IniText::parse(view(bytes));
  return ini;
}

QByteArray GbkIni::serialize() const { return QByteArray::fromStdString(text_.serialize()); }

bool GbkIni::hasSection(const QString& section) const {
  return text_.hasSection(view(toGbk(section)));
}

std::optional<QByteArray> GbkIni::value(const QString& section, const QString& key) const {
  const auto v = text_.value(view(toGbk(section)), view(toGbk(key)));
  if (!v) return std::nullopt;
  return QByteArray::fromStdString(*v);
}

std::optional<int> GbkIni::intValue(const QString& section, const QString& key) const {
  return text_.intValue(view(toGbk(section)), view(toGbk(key)));
}

int GbkIni::intValue(const QString& section, const QString& key, int fallback) const {
  return intValue(section, key).value_or(fallback);
}

void GbkIni::setValue(const QString& section, const QString& key, const QByteArray& value) {
  text_.setValue(view(toGbk(section)), view(toGbk(key)), view(value));
}

void GbkIni::setValue(const QString& section, const QString& key, int value) {
  setValue(section, key, QByteArray::number(value));
}

void GbkIni::removeSection(const QString& section) { text_.removeSection(view(toGbk(section))); }
