#include "translations/Translations.h"

#include "model/Translation.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <atomic>

namespace translations {

namespace {

// The program's one translation context (ui::Texts and the model's marks).
constexpr char context[] = "Texts";

// Loaded once and never destroyed: a worker thread may be translating a text at exit.
QTranslator* englishTexts() {
    static QTranslator* texts = [] {
        auto* t = new QTranslator;
        if (!t->load(QStringLiteral(":/i18n/ballflight_en.qm"))) {
            delete t;
            return static_cast<QTranslator*>(nullptr);
        }
        return t;
    }();
    return texts;
}

std::atomic<QTranslator*> active{nullptr};
std::atomic<Language> chosen{Language::russian};

std::string throughActive(const char* russian, const char* disambiguation) {
    const QTranslator* texts = active.load();
    const QString text = texts ? texts->translate(context, russian, disambiguation) : QString();
    return text.isEmpty() ? std::string(russian) : text.toStdString();
}

} // namespace

std::optional<Language> languageFromCode(const QString& code) {
    if (code == QLatin1String("ru"))
        return Language::russian;
    if (code == QLatin1String("en"))
        return Language::english;
    return std::nullopt;
}

QString codeOf(Language language) {
    return language == Language::english ? QStringLiteral("en") : QStringLiteral("ru");
}

Language languageOfSystem(const QStringList& uiLanguages) {
    for (const QString& name : uiLanguages) {
        // "C" and "POSIX" are no language: the program's own comes first then.
        if (name == QLatin1String("C") || name == QLatin1String("POSIX"))
            break;
        if (const auto language = languageFromCode(name.section(QLatin1Char('-'), 0, 0)))
            return *language;
    }
    return Language::russian;
}

Language systemLanguage() {
    return languageOfSystem(QLocale::system().uiLanguages());
}

bool use(Language language) {
    QTranslator* next = nullptr;
    if (language == Language::english) {
        next = englishTexts();
        if (!next)
            return false;
    }
    QTranslator* previous = active.exchange(next);
    if (QCoreApplication::instance() && previous != next) {
        if (previous)
            QCoreApplication::removeTranslator(previous);
        if (next)
            QCoreApplication::installTranslator(next);
    }
    model::setTranslator(next ? throughActive : nullptr);
    chosen.store(language);
    return true;
}

Language current() {
    return chosen.load();
}

} // namespace translations
