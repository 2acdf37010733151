#include "ui/platform/SaveFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

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
    // The explicit flush matters: QSaveFile (Qt 6.4) commits a file whose last buffered write
    // failed, leaving it cut short; a failed flush is caught here and the file abandoned.
    const bool written = out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() &&
                         out.flush() && out.error() == QFileDevice::NoError;
    if (!written)
        out.cancelWriting();
    if (out.commit())
        return {};
    // A save file that was not committed leaves nothing behind.
    const QString reason = knownReason(QFileInfo(path));
    if (!reason.isEmpty())
        return reason;
    const QStorageInfo disk(QFileInfo(path).absolutePath());
    if (disk.isValid() && disk.isReadOnly())
        return QStringLiteral("диск доступен только для чтения");
    switch (out.error()) {
    case QFileDevice::ResourceError:
        return QStringLiteral("на диске не хватает места");
    case QFileDevice::WriteError:
        return QStringLiteral("не удалось записать данные на диск (%1)").arg(out.errorString());
    default:
        return out.errorString();
    }
}

QString saveFailedText(const QString& path, const QString& reason) {
    return QStringLiteral("Не удалось сохранить файл «%1»: %2.")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace ui
