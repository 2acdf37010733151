#include "ui/platform/SaveFile.h"

#include "model/WholeFile.h"
#include "ui/platform/Language.h"

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
        return Texts::tr("папка %1 не существует").arg(QDir::toNativeSeparators(folder.filePath()));
    if (!folder.isDir())
        return Texts::tr("%1 — не папка").arg(QDir::toNativeSeparators(folder.filePath()));
    if (file.isDir())
        return Texts::tr("это имя занято папкой");
    if (!folder.isWritable())
        return Texts::tr("нет права на запись в папку %1")
            .arg(QDir::toNativeSeparators(folder.filePath()));
    if (file.exists() && !file.isWritable())
        return Texts::tr("файл защищён от записи");
    return {};
}

// The reason for the error number of a failed write.
QString systemReason(int error) {
    switch (error) {
    case model::notARegularFile:
        return Texts::tr("это не обычный файл");
    case ENOSPC:
    case EDQUOT:
        return Texts::tr("на диске не хватает места");
    case EROFS:
        return Texts::tr("диск доступен только для чтения");
    default:
        return Texts::tr("не удалось записать данные на диск (%1)")
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
    return Texts::tr("Не удалось сохранить файл «%1»: %2.")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace ui
