#pragma once

#include <QByteArray>
#include <QString>

namespace ui {

// Writes a whole file at once (model/WholeFile.h): the file is either replaced completely or
// left as it was, and nothing half-written stays behind. A device that exists under the name
// (/dev/null, also through a symbolic link) is written straight, never replaced; a pipe or any
// other target that is not a regular file is refused. Returns an empty string on success,
// otherwise the reason in the chosen language, such as «папка не существует» or «на диске не
// хватает места».
QString saveFileAtomically(const QString& path, const QByteArray& bytes);

// «Не удалось сохранить файл «path»: reason.»
QString saveFailedText(const QString& path, const QString& reason);

} // namespace ui
