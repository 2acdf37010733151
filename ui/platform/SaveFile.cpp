#include "ui/platform/SaveFile.h"

#include "model/WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

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

// The reason for the error number of a failed write.
QString systemReason(int error) {
    switch (error) {
    case model::notARegularFile:
        return QCoreApplication::translate("SaveFile", "это не обычный файл");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("на диске не хватает места");
    case EROFS:
        return QStringLiteral("диск доступен только для чтения");
    default:
        return QStringLiteral("не удалось записать данные на диск (%1)")
            .arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}

} // namespace

QString saveFileAtomically(const QString& path, const QByteArray& bytes) {
    // A pipe is refused rather than written: the window would wait for its reader.
    const int error = model::writeWholeFile(QFile::encodeName(path).toStdString(),
                                            std::string_view(bytes.constData(), bytes.size()),
                                            model::InPlace::devices);
    if (error == 0)
        return {};
    const QString reason = knownReason(QFileInfo(path));
    return reason.isEmpty() ? systemReason(error) : reason;
}

QString saveFailedText(const QString& path, const QString& reason) {
    return QStringLiteral("Не удалось сохранить файл «%1»: %2.")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace ui
