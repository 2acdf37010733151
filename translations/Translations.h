#pragma once

#include <QString>

#include <optional>

// The languages the program speaks. Its texts are written in Russian in the sources; the other
// languages come from Qt's translation files built from translations/*.ts and embedded.
namespace translations {

enum class Language { russian, english };

// "ru" or "en"; nothing for any other code.
std::optional<Language> languageFromCode(const QString& code);
QString codeOf(Language language);

// Makes model::translated() and, once the application object exists, tr() speak `language` (Qt's
// own texts are the window's concern). False, with nothing changed, when the texts of `language`
// are missing. Called on the main thread; threads writing texts meanwhile are safe.
bool use(Language language);
Language current();

} // namespace translations
