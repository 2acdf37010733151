#include "ui/window/ProgramTexts.h"

#include <QStringList>

namespace ui {

const QString ProgramTexts::lineBreak = QStringLiteral("\r\n");

QString ProgramTexts::aboutTitle() {
    return QStringLiteral("О ПРОГРАММЕ");
}

QString ProgramTexts::aboutText() {
    // Who wrote the early versions, and when, was not kept with the program; the history says
    // so instead of inventing names and dates.
    return QStringList{
        QStringLiteral("Программа моделирует движение шара в среде вблизи поверхности Земли"),
        QStringLiteral("с учётом силы Архимеда и сил сопротивления, линейно и квадратично "
                       "зависящих от скорости."),
        QStringLiteral(" "),
        QStringLiteral("История версий:"),
        QStringLiteral("Версия 0.1 — Windows; дата и среда разработки не сохранились."),
        QStringLiteral("Кафедра физики (автор не указан): движение шара только в вакууме."),
        QStringLiteral("Версия 1.0 — Windows; дата и среда разработки не сохранились."),
        QStringLiteral("Кафедра физики (автор не указан): добавлено сопротивление, линейное "
                       "по скорости."),
        QStringLiteral("Версия 2.0 — Windows; дата и среда разработки не сохранились."),
        QStringLiteral("Кафедра физики (автор не указан): линейное и квадратичное "
                       "сопротивление вместе."),
        QStringLiteral("Версия 2.1 — Linux и Windows, декабрь 2026 г.: интерфейс переписан "
                       "на Qt 6, ошибки исправлены."),
    }
        .join(lineBreak);
}

QString ProgramTexts::registrationTitle() {
    return QStringLiteral("РЕГИСТРАЦИЯ");
}

QString ProgramTexts::registrationText() {
    return QStringList{
        QStringLiteral("Ранее зарегистрированная версия: нет."),
        QStringLiteral("Свидетельство о государственной регистрации: не зарегистрирована."),
        QStringLiteral("Дата внесения в Реестр программ для ЭВМ: нет."),
        QStringLiteral("Официальный бюллетень: публикации не было."),
        QStringLiteral("Адрес бюллетеня: https://bulletin.example.org/"),
        QStringLiteral("Текущая версия пока не зарегистрирована."),
    }
        .join(lineBreak);
}

QString ProgramTexts::authorsText() {
    const QStringList padded{
        QStringLiteral("Кафедра физики, дек. 2026 г."),
        QStringLiteral("Учёная степень: не указана"),
        QStringLiteral("Должность: не указана"),
        QStringLiteral("Университет: не указан"),
        QStringLiteral("Город, страна: не указаны"),
    };
    QStringList lines;
    for (const QString& line : padded)
        lines.append(line.leftJustified(authorsLineWidth, QLatin1Char(' ')));
    lines.append(QStringLiteral("e-mail: authors@example.org"));
    return lines.join(lineBreak);
}

} // namespace ui
