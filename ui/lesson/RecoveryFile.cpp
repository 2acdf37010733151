#include "ui/lesson/RecoveryFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace ui {

RecoveryFile::RecoveryFile(QString path)
    : path_(std::move(path)), lock_(path_ + QStringLiteral(".lock")) {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    lock_.setStaleLockTime(0); // only a lock whose program has ended is stale
    owned_ = lock_.tryLock(0);
    disk_.setMaxThreadCount(1); // one after the other: the last write is the one that stays
    disk_.setObjectName(QStringLiteral("recovery"));
}

RecoveryFile::~RecoveryFile() {
    // Whatever is still queued may finish by itself; the program does not wait on a slow disk.
    disk_.clear();
    disk_.waitForDone(1000);
}

QString RecoveryFile::defaultPath() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/ballflight/recovery.ballflight");
}

bool RecoveryFile::exists() const {
    return owned_ && QFileInfo(path_).isFile();
}

void RecoveryFile::release() {
    disk_.waitForDone();
    owned_ = false;
    lock_.unlock();
}

void RecoveryFile::write(const QByteArray& bytes) {
    if (!owned_)
        return;
    disk_.start([path = path_, bytes] {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
            file.commit();
    });
}

void RecoveryFile::remove() {
    if (!owned_)
        return;
    disk_.start([path = path_] { QFile::remove(path); });
}

bool RecoveryFile::waitForDone(int ms) {
    return disk_.waitForDone(ms);
}

} // namespace ui
