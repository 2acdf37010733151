#pragma once

#include <QByteArray>
#include <QLockFile>
#include <QString>
#include <QThreadPool>

namespace ui {

// The copy of the current lesson that survives a crash: written whole (QSaveFile) on a thread of
// its own, in order, so the window never waits for the disk; removed when the program ends
// normally. One running program owns it (a lock file beside it): a second one started meanwhile
// neither offers nor touches the first one's copy; the lock of a program that died goes stale.
class RecoveryFile {
public:
    explicit RecoveryFile(QString path);
    ~RecoveryFile();

    // ballflight/recovery.ballflight in the user's state folder ($XDG_STATE_HOME, by default
    // ~/.local/state).
    static QString defaultPath();

    const QString& path() const { return path_; }
    bool owned() const { return owned_; }
    // Owned and there.
    bool exists() const;
    // Queued after the writes before it.
    void write(const QByteArray& bytes);
    void remove();
    // Waits up to ms for the queued work; false when it has not finished.
    bool waitForDone(int ms);
    // Lets the copy go as it is, as a program that dies does.
    void release();

private:
    QString path_;
    QLockFile lock_;
    bool owned_ = false;
    QThreadPool disk_;
};

} // namespace ui
