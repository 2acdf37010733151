#include "ui/platform/Language.h"

#include "model/Translation.h"
#include "ui/platform/RussianTranslations.h"

#include <QApplication>
#include <QLabel>

namespace ui {

QString modelText(const char* russian) {
    return QString::fromStdString(model::translated(russian));
}

void setTranslatedText(QLabel* label, std::function<QString()> text) {
    // The function lives in a child of the label, so a new text, or the label's end, ends it.
    const QLatin1String keeperName("translatedText");
    delete label->findChild<QObject*>(keeperName, Qt::FindDirectChildrenOnly);
    if (!text) {
        label->clear();
        return;
    }
    auto* keeper = new QObject(label);
    keeper->setObjectName(keeperName);
    keepTranslated(keeper, [label, text = std::move(text)] { label->setText(text()); });
}

LanguageSwitch& LanguageSwitch::instance() {
    static LanguageSwitch languages;
    return languages;
}

bool LanguageSwitch::choose(translations::Language language) {
    if (language == current())
        return true;
    if (!translations::use(language))
        return false;
    // Qt's own texts (standard buttons, field menus, file dialogs) follow: Russian ones from
    // Qt's translations, English ones built in.
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        if (language == translations::Language::russian)
            installRussianTranslations(*app);
        else
            removeRussianTranslations(*app);
    }
    // Qt's widgets set their own texts on the LanguageChange events the switch posted (a button
    // box its standard buttons); the program's texts are set after them, so that they win.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    emit changed();
    return true;
}

} // namespace ui
