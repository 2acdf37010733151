#include "ui/window/LanguageMenu.h"

#include "ui/platform/Language.h"
#include "ui/window/MainWindow.h"

#include <QActionGroup>
#include <QMenu>

namespace ui {

using translations::Language;

LanguageMenu::LanguageMenu(MainWindow& window) : QObject(&window) {
    menu_ = window.toolsMenu()->addMenu(QStringLiteral("Язык / Language"));
    menu_->setObjectName(QStringLiteral("mnuToolsLanguage"));
    auto* group = new QActionGroup(menu_);
    auto add = [&](const char* name, const QString& text, Language language) {
        QAction* a = menu_->addAction(text);
        a->setObjectName(QLatin1String(name));
        a->setCheckable(true);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, language] {
            if (LanguageSwitch::instance().choose(language))
                emit languageChosen(language);
            showCurrent();
        });
        return a;
    };
    russian_ = add("mnuToolsLanguageRussian", QStringLiteral("Русский"), Language::russian);
    english_ = add("mnuToolsLanguageEnglish", QStringLiteral("English"), Language::english);
    showCurrent();
    connect(&LanguageSwitch::instance(), &LanguageSwitch::changed, this,
            &LanguageMenu::showCurrent);
}

QAction* LanguageMenu::action(Language language) const {
    return language == Language::english ? english_ : russian_;
}

void LanguageMenu::showCurrent() {
    action(LanguageSwitch::instance().current())->setChecked(true);
}

} // namespace ui
