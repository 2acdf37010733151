#include "ui/platform/DocumentLanguage.h"

#include <QDir>
#include <QFileInfo>

namespace ui {

QString documentInLanguage(const QString& name, translations::Language language,
                           const QString& folder) {
    if (language == translations::Language::russian)
        return name;
    const QFileInfo russian(name);
    const QString translated = russian.completeBaseName() + QLatin1Char('.') +
                               translations::codeOf(language) + QLatin1Char('.') + russian.suffix();
    return QFileInfo(QDir(folder).absoluteFilePath(translated)).isFile() ? translated : name;
}

} // namespace ui
