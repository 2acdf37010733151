#include "ui/window/ProgramTexts.h"

#include "ui/platform/Language.h"

#include <QStringList>

namespace ui {

const QString ProgramTexts::lineBreak = QStringLiteral("\r\n");

QString ProgramTexts::aboutTitle() {
    return Texts::tr("О ПРОГРАММЕ");
}

QString ProgramTexts::aboutText() {
    // Who wrote the early versions, and when, was not kept with the program; the history says
    // so instead of inventing names and dates.
    return QStringList{
        Texts::tr("Программа моделирует движение шара в среде вблизи поверхности Земли"),
        Texts::tr("с учётом силы Архимеда и сил сопротивления, линейно и квадратично "
                  "зависящих от скорости."),
        QStringLiteral(" "),
        Texts::tr("История версий:"),
        Texts::tr("Версия 0.1 — Windows; дата и среда разработки не сохранились."),
        Texts::tr("Кафедра физики (автор не указан): движение шара только в вакууме."),
        Texts::tr("Версия 1.0 — Windows; дата и среда разработки не сохранились."),
        Texts::tr("Кафедра физики (автор не указан): добавлено сопротивление, линейное "
                  "по скорости."),
        Texts::tr("Версия 2.0 — Windows; дата и среда разработки не сохранились."),
        Texts::tr("Кафедра физики (автор не указан): линейное и квадратичное "
                  "сопротивление вместе."),
        Texts::tr("Версия 2.1 — Linux и Windows, декабрь 2026 г.: интерфейс переписан "
                  "на Qt 6, ошибки исправлены."),
    }
        .join(lineBreak);
}

QString ProgramTexts::registrationTitle() {
    return Texts::tr("РЕГИСТРАЦИЯ");
}

QString ProgramTexts::registrationText() {
    return QStringList{
        Texts::tr("Ранее зарегистрированная версия: нет."),
        Texts::tr("Свидетельство о государственной регистрации: не зарегистрирована."),
        Texts::tr("Дата внесения в Реестр программ для ЭВМ: нет."),
        Texts::tr("Официальный бюллетень: публикации не было."),
        Texts::tr("Адрес бюллетеня: https://bulletin.example.org/"),
        Texts::tr("Текущая версия пока не зарегистрирована."),
    }
        .join(lineBreak);
}

QString ProgramTexts::authorsText() {
    static const char* const padded[] = {
        QT_TRANSLATE_NOOP("Texts", "Кафедра физики, дек. 2026 г."),
        QT_TRANSLATE_NOOP("Texts", "Учёная степень: не указана"),
        QT_TRANSLATE_NOOP("Texts", "Должность: не указана"),
        QT_TRANSLATE_NOOP("Texts", "Университет: не указан"),
        QT_TRANSLATE_NOOP("Texts", "Город, страна: не указаны"),
    };
    QStringList lines;
    for (const char* line : padded)
        lines.append(Texts::tr(line).leftJustified(authorsLineWidth, QLatin1Char(' ')));
    lines.append(QStringLiteral("e-mail: authors@example.org"));
    return lines.join(lineBreak);
}

} // namespace ui
