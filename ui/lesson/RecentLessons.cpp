#include "ui/lesson/RecentLessons.h"

#include "ui/platform/SaveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ui {

RecentLessons::RecentLessons(QString path) : path_(std::move(path)) {
    QFile file(path_);
    if (file.size() > 64 * 1024 || !file.open(QIODevice::ReadOnly))
        return;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')))
        if (QDir::isAbsolutePath(line) && files_.size() < most && !files_.contains(line))
            files_.append(line);
}

void RecentLessons::add(const QString& file) {
    const QString full = QFileInfo(file).absoluteFilePath();
    files_.removeAll(full);
    files_.prepend(full);
    while (files_.size() > most)
        files_.removeLast();
    store();
}

void RecentLessons::remove(const QString& file) {
    if (files_.removeAll(QFileInfo(file).absoluteFilePath()) > 0)
        store();
}

void RecentLessons::store() const {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    saveFileAtomically(path_, files_.join(QLatin1Char('\n')).toUtf8() + '\n');
}

} // namespace ui
