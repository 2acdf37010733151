#pragma once

#include "translations/Translations.h"

#include <QObject>

class QAction;
class QMenu;

namespace ui {

class MainWindow;

// «Инструменты → Язык / Language ▸ Русский, English»: each language named in itself, so the
// menu reads the same in both. A choice switches the whole program at once and is announced
// for the preferences to remember.
class LanguageMenu : public QObject {
    Q_OBJECT

public:
    explicit LanguageMenu(MainWindow& window);

    QAction* action(translations::Language language) const;

signals:
    void languageChosen(translations::Language language);

private:
    void showCurrent();

    QMenu* menu_ = nullptr;
    QAction* russian_ = nullptr;
    QAction* english_ = nullptr;
};

} // namespace ui
