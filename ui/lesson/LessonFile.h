#pragma once

#include "ui/lesson/Lesson.h"

#include <QByteArray>
#include <QString>

#include <variant>

namespace ui {

// Lesson files (*.ballflight): a JSON object with a "format" number. A reader takes every
// format up to its own and ignores the fields it does not know; a newer format is refused.
inline constexpr int lessonFormat = 1;
inline constexpr qint64 largestLessonFile = 10 * 1024 * 1024;

QByteArray lessonJson(const Lesson& lesson);

// The lesson in the bytes, or why it cannot be read (in the chosen language, a sentence without its
// end point: «формат 7 новее, чем понимает эта версия программы»). Each input text is read and
// checked as a paste into its field would be; a text the field refuses makes the file bad.
std::variant<Lesson, QString> readLessonJson(const QByteArray& bytes);

// The inputs that texts settle to and the texts the fields then show.
struct SettledInputs {
    model::Inputs inputs;
    FieldTexts texts;
};
// Reads and checks texts as pastes into the seven fields would; the first refusal gives its
// message with the field's name («h: …»).
std::variant<SettledInputs, QString> settleFieldTexts(const FieldTexts& texts);

} // namespace ui
