#pragma once

#include "translations/Translations.h"

#include <QCoreApplication>
#include <QObject>

#include <functional>

class QLabel;

namespace ui {

// The program's one translation context: Texts::tr("ПУСК") is the text as written in Russian
// and its translation in another language (translations/). Written as Texts::tr, never
// qualified further, so that lupdate files every text under the context "Texts".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Texts)
};

// A text of the model (a catalogue title, unit, message) in the chosen language.
QString modelText(const char* russian);

// The language the windows speak. A switch sets every text again at once: those set through
// keepTranslated() and, through changed(), those each window writes itself.
class LanguageSwitch : public QObject {
    Q_OBJECT

public:
    static LanguageSwitch& instance();

    translations::Language current() const { return translations::current(); }
    // False, with nothing changed, when the texts of `language` are missing.
    bool choose(translations::Language language);

signals:
    void changed();
};

// Calls `apply` now and again after each switch of language, as long as `owner` lives:
//   keepTranslated(button, [button] { button->setText(Texts::tr("ПУСК")); });
template <class Apply> void keepTranslated(QObject* owner, Apply apply) {
    apply();
    QObject::connect(&LanguageSwitch::instance(), &LanguageSwitch::changed, owner,
                     std::move(apply));
}

// Writes text() into the label now and again after each switch of language, in place of the
// text given before; an empty function clears the label:
//   setTranslatedText(status, [n] { return Texts::tr("Точек: %1").arg(n); });
void setTranslatedText(QLabel* label, std::function<QString()> text);

} // namespace ui
