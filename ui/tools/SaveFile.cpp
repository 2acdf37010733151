#include "ui/tools/SaveFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace ui {

namespace {

// The usual reasons, told in the program's language; anything else in the system's words.
QString knownReason(const QFileInfo& file) {
    const QFileInfo folder(file.absolutePath());
    if (!folder.exists())
        return QStringLiteral("папка %1 не существует")
            .arg(QDir::toNativeSeparators(folder.filePath()));
    if (!folder.isDir())
        return QStringLiteral("%1 — не папка").arg(QDir::toNativeSeparators(folder.filePath()));
    if (file.isDir())
        return QStringLiteral("это имя занято папкой");
    if (!folder.isWritable())
        return QStringLiteral("нет права на запись в папку %1")
            .arg(QDir::toNativeSeparators(folder.filePath()));
    if (file.exists() && !file.isWritable())
        return QStringLiteral("файл защищён от записи");
    return {};
}

} // namespace

QString saveFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile out(path);
    if (out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit())
        return {};
    // A save file that was not committed leaves nothing behind.
    const QString reason = knownReason(QFileInfo(path));
    return reason.isEmpty() ? out.errorString() : reason;
}

QString saveFailedText(const QString& path, const QString& reason) {
    return QStringLiteral("Не удалось сохранить файл «%1»: %2.")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace ui
