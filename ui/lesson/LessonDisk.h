#pragma once

#include <QByteArray>
#include <QString>

namespace ui {

// Reading and writing lesson files off the window's thread, each with a deadline: a disk that
// does not answer (a hung network folder) gives a reason instead of a frozen window. The work
// itself then goes on in the background and its result is dropped.
inline constexpr int lessonDiskDeadlineMs = 5000;

struct LessonBytes {
    QByteArray bytes;
    QString problem; // in the chosen language; empty when the bytes were read
};

// The whole file, or why not: missing, unreadable, larger than largestLessonFile, too slow.
LessonBytes readLessonFile(const QString& path, int deadlineMs = lessonDiskDeadlineMs);

// Replaces the file whole (QSaveFile) or leaves it as it was; the reason when it could not.
QString writeLessonFile(const QString& path, const QByteArray& bytes,
                        int deadlineMs = lessonDiskDeadlineMs);

} // namespace ui
