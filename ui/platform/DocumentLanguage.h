#pragma once

#include "translations/Translations.h"

#include <QString>

namespace ui {

// The help document to open in `language`: "spravka.pdf" is "spravka.en.pdf" in English when that
// file is in `folder`, and the Russian document when it is not.
QString documentInLanguage(const QString& name, translations::Language language,
                           const QString& folder);

} // namespace ui
