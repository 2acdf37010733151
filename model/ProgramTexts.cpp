#include "model/ProgramTexts.h"

#include "model/TextMarks.h"
#include "model/Translation.h"

#include <initializer_list>

namespace model {

namespace {

std::string joinedLines(std::initializer_list<std::string> lines) {
    std::string text;
    bool first = true;
    for (const std::string& line : lines) {
        if (!first)
            text += programLineBreak;
        text += line;
        first = false;
    }
    return text;
}

// Characters of UTF-8 text: every byte but the continuation bytes starts one.
int characterCount(const std::string& text) {
    int n = 0;
    for (const char c : text)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

} // namespace

std::string aboutTitle() {
    return translated(QT_TRANSLATE_NOOP("Texts", "О ПРОГРАММЕ"));
}

std::string aboutText() {
    // Who wrote the early versions, and when, was not kept with the program; the history says
    // so instead of inventing names and dates.
    return joinedLines({
        translated(QT_TRANSLATE_NOOP("Texts", "Программа моделирует движение шара в среде вблизи "
                                              "поверхности Земли")),
        translated(QT_TRANSLATE_NOOP("Texts", "с учётом силы Архимеда и сил сопротивления, "
                                              "линейно и квадратично зависящих от скорости.")),
        " ",
        translated(QT_TRANSLATE_NOOP("Texts", "История версий:")),
        translated(QT_TRANSLATE_NOOP("Texts", "Версия 0.1 — Windows; дата и среда разработки не "
                                              "сохранились.")),
        translated(QT_TRANSLATE_NOOP("Texts", "Кафедра физики (автор не указан): движение шара "
                                              "только в вакууме.")),
        translated(QT_TRANSLATE_NOOP("Texts", "Версия 1.0 — Windows; дата и среда разработки не "
                                              "сохранились.")),
        translated(QT_TRANSLATE_NOOP("Texts", "Кафедра физики (автор не указан): добавлено "
                                              "сопротивление, линейное по скорости.")),
        translated(QT_TRANSLATE_NOOP("Texts", "Версия 2.0 — Windows; дата и среда разработки не "
                                              "сохранились.")),
        translated(QT_TRANSLATE_NOOP("Texts", "Кафедра физики (автор не указан): линейное и "
                                              "квадратичное сопротивление вместе.")),
        translated(QT_TRANSLATE_NOOP("Texts", "Версия 2.1 — Linux и Windows, декабрь 2026 г.: "
                                              "интерфейс переписан на Qt 6, ошибки исправлены.")),
    });
}

std::string registrationTitle() {
    return translated(QT_TRANSLATE_NOOP("Texts", "РЕГИСТРАЦИЯ"));
}

std::string registrationText() {
    return joinedLines({
        translated(QT_TRANSLATE_NOOP("Texts", "Ранее зарегистрированная версия: нет.")),
        translated(QT_TRANSLATE_NOOP("Texts", "Свидетельство о государственной регистрации: не "
                                              "зарегистрирована.")),
        translated(QT_TRANSLATE_NOOP("Texts", "Дата внесения в Реестр программ для ЭВМ: нет.")),
        translated(QT_TRANSLATE_NOOP("Texts", "Официальный бюллетень: публикации не было.")),
        translated(QT_TRANSLATE_NOOP("Texts", "Адрес бюллетеня: https://bulletin.example.org/")),
        translated(QT_TRANSLATE_NOOP("Texts", "Текущая версия пока не зарегистрирована.")),
    });
}

std::string authorsTitle() {
    return translated(QT_TRANSLATE_NOOP("Texts", "Авторы"));
}

std::string authorsText() {
    static const char* const padded[] = {
        QT_TRANSLATE_NOOP("Texts", "Кафедра физики, дек. 2026 г."),
        QT_TRANSLATE_NOOP("Texts", "Учёная степень: не указана"),
        QT_TRANSLATE_NOOP("Texts", "Должность: не указана"),
        QT_TRANSLATE_NOOP("Texts", "Университет: не указан"),
        QT_TRANSLATE_NOOP("Texts", "Город, страна: не указаны"),
    };
    std::string text;
    for (const char* line : padded) {
        std::string shown = translated(line);
        if (const int short_ = authorsLineWidth - characterCount(shown); short_ > 0)
            shown.append(static_cast<std::size_t>(short_), ' ');
        text += shown + programLineBreak;
    }
    return text + "e-mail: authors@example.org";
}

} // namespace model
