#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

Language installed = Language::Chinese;
QTranslator* appTranslator = nullptr;
QTranslator* qtTranslator = nullptr;

void drop(QTranslator*& translator) {
  if (!translator) return;
  QCoreApplication::removeTranslator(translator);
  delete translator;
  translator = nullptr;
}

// Loads `name` into a new translator installed on the application; false when it is missing.
bool load(QTranslator*& slot, const QLocale& locale, const QString& name, const QString& folder) {
  auto* t = new QTranslator(QCoreApplication::instance());
  if (!t->load(locale, name, QStringLiteral("_"), folder)) {
    delete t;
    return false;
  }
  QCoreApplication::installTranslator(t);
  slot = t;
  return true;
}

}  // namespace

Language languageFromEnvironment() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QByteArray value = qgetenv(name);
    if (!value.isEmpty()) return value.startsWith("en") ? Language::English : Language::Chinese;
  }
  return Language::Chinese;
}

QString languageCode(Language language) {
  return language == Language::English ? QStringLiteral("en") : QStringLiteral("zh");
}

std::optional<Language> languageFromCode(const QString& code) {
  if (code == QLatin1String("zh")) return Language::Chinese;
  if (code == QLatin1String("en")) return Language::English;
  return std::nullopt;
}

QString languageArgument(int argc, const char* const* argv, bool* present) {
  if (present) *present = false;
  QString value;
  for (int i = 1; i < argc; ++i) {
    const QByteArray a(argv[i]);
    if (a == "--") break;
    if (a == "--lang") {
      if (present) *present = true;
      value = i + 1 < argc ? QString::fromLocal8Bit(argv[++i]) : QString();
    } else if (a.startsWith("--lang=")) {
      if (present) *present = true;
      value = QString::fromLocal8Bit(a.mid(7));
    }
  }
  return value;
}

std::optional<Language> chooseLanguage(int argc, const char* const* argv, QString* error) {
  bool present = false;
  const QString code = languageArgument(argc, argv, &present);
  if (!present) return languageFromEnvironment();
  if (auto language = languageFromCode(code)) return language;
  // Said in both languages: the one asked for is not known.
  if (error)
    *error = QStringLiteral("--lang 只接受 zh 或 en (--lang takes zh or en): \"%1\"").arg(code);
  return std::nullopt;
}

bool installLanguage(Language language) {
  drop(appTranslator);
  drop(qtTranslator);
  const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  bool complete = true;
  QLocale locale(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China);
  if (language == Language::English) {
    locale = QLocale(QLocale::English, QLocale::UnitedStates);
    complete = load(appTranslator, locale, QStringLiteral("ledsign"), QStringLiteral(":/i18n"));
  }
  complete = load(qtTranslator, locale, QStringLiteral("qtbase"), qtFolder) && complete;
  // Dates, file types and the like in the dialogs follow the default locale.
  QLocale::setDefault(locale);
  installed = language;
  return complete;
}

Language currentLanguage() { return installed; }
