#pragma once

#include <QByteArray>
#include <QString>
#include <QThreadPool>

namespace ui {

// The copy of the current lesson that survives a crash: written whole (QSaveFile) on a thread of
// its own, in order, so the window never waits for the disk; removed when the program ends
// normally.
class RecoveryFile {
public:
    explicit RecoveryFile(QString path);
    ~RecoveryFile();

    // ballflight/recovery.ballflight in the user's state folder ($XDG_STATE_HOME, by default
    // ~/.local/state).
    static QString defaultPath();

    const QString& path() const { return path_; }
    bool exists() const;
    // Queued after the writes before it.
    void write(const QByteArray& bytes);
    void remove();
    // Waits up to ms for the queued work; false when it has not finished.
    bool waitForDone(int ms);

private:
    QString path_;
    QThreadPool disk_;
};

} // namespace ui
