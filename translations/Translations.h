#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The languages the program speaks. Its texts are written in Russian in the sources; the other
// languages come from Qt's translation files built from translations/*.ts and embedded.
namespace translations {

enum class Language { russian, english };

// "ru" or "en"; nothing for any other code.
std::optional<Language> languageFromCode(const QString& code);
QString codeOf(Language language);

// The language of a start with no language chosen yet: the first of the user's languages that
// the program speaks, Russian when none is (German alone, or the C locale). `uiLanguages` are
// as QLocale reads them from LANGUAGE, LC_ALL, LC_MESSAGES and LANG: "en-GB", "ru-RU", "C".
Language languageOfSystem(const QStringList& uiLanguages);
Language systemLanguage();

// Makes model::translated() and, once the application object exists, tr() speak `language` (Qt's
// own texts are the window's concern). False, with nothing changed, when the texts of `language`
// are missing. Called on the main thread; threads writing texts meanwhile are safe.
bool use(Language language);
Language current();

} // namespace translations
