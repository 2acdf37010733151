#include "ui/platform/RussianTranslations.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ui {

bool installRussianTranslations(QApplication& app) {
    const QString name = QStringLiteral("qtbase_ru");
    if (app.findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly))
        return true; // already installed
    auto* translator = new QTranslator(&app);
    translator->setObjectName(name);
    if (!translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QApplication::installTranslator(translator);
}

void removeRussianTranslations(QApplication& app) {
    delete app.findChild<QTranslator*>(QStringLiteral("qtbase_ru"), Qt::FindDirectChildrenOnly);
}

} // namespace ui
