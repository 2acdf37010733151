#pragma once

#include "model/session/Lesson.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace session {

// Lesson files (*.ballflight): a JSON object with a "format" number. A reader takes every
// format up to its own and ignores the fields it does not know; a newer format is refused.
inline constexpr int lessonFormat = 1;
inline constexpr std::size_t largestLessonFile = 10 * 1024 * 1024;

// The file's text.
std::string lessonJson(const Lesson& lesson);
// The recovery copy's text: the lesson on one line, naming the lesson file it is a copy of (none
// while the lesson has no file).
std::string recoveryJson(const Lesson& lesson, const std::string& recoveryOf);

// The lesson in the bytes, or why it cannot be read: problem is then a sentence in the chosen
// language without its end point («формат 7 новее, чем понимает эта версия программы»). Each
// input text is read and checked as a paste into its field would be; a text the field refuses
// makes the file bad.
struct LessonRead {
    std::optional<Lesson> lesson;
    std::string problem;
    std::string recoveryOf; // the file a recovery copy stands for, if any
};
LessonRead readLessonJson(std::string_view bytes);

} // namespace session
