#pragma once

#include <QByteArray>
#include <QString>

namespace ui {

// Writes a whole file at once: the bytes go to a temporary file in the same folder, which then
// takes the file's name, so the file is either replaced completely or left as it was, and
// nothing half-written stays behind. Returns an empty string on success, otherwise the reason in
// Russian, such as «папка не существует».
QString saveFileAtomically(const QString& path, const QByteArray& bytes);

// «Не удалось сохранить файл «path»: reason.»
QString saveFailedText(const QString& path, const QString& reason);

} // namespace ui
