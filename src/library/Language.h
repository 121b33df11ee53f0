#pragma once

#include <QString>
#include <optional>

// The language of every text an operator reads: Chinese, the texts as written in the code, or
// English from the catalogue compiled into the programs. Files and the wire never depend on it.
enum class Language { Chinese, English };

// The language the locale asks for: the first of LC_ALL, LC_MESSAGES and LANG that is set; one
// starting with "en" gives English, anything else (or nothing) Chinese.
Language languageFromEnvironment();

// "zh" or "en", as --lang takes them.
QString languageCode(Language language);
std::optional<Language> languageFromCode(const QString& code);

// The value of --lang VALUE or --lang=VALUE among the arguments, read before any parser is built
// so that the help texts are already in the chosen language. Empty when the option is absent;
// `present` says whether it was given at all (a bare --lang has an empty value).
QString languageArgument(int argc, const char* const* argv, bool* present = nullptr);

// The language from the arguments, else from the locale. A --lang that is neither zh nor en
// gives nothing and `error` says why.
std::optional<Language> chooseLanguage(int argc, const char* const* argv, QString* error);

// Installs the language on the running application: the program's English catalogue (for
// English), Qt's own texts for the standard boxes and dialogs (qtbase_en or qtbase_zh_CN) and the
// default locale that dates and file types in those dialogs follow. Replaces what an earlier call
// installed. Returns false when one of the catalogues could not be loaded; the texts then stay
// as written in the code (and Qt's in English).
bool installLanguage(Language language);

// The language last installed; Chinese before any.
Language currentLanguage();
