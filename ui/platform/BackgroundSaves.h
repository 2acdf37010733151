#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace ui {

class MessageBoxes;

// Saves files on the work pool, so that the window answers while a long file is made and
// written. The caller takes a snapshot of what the file shows; the bytes are made from it and
// written whole (saveFileAtomically, or a writer of the caller's) off the window's thread.
// A save still running after progressAfterMs shows a small dialog with its progress and
// «Отмена»; a cancelled save writes nothing. A save that fails is reported in a box as
// saveFailedText(path, reason), titled as the command.
class BackgroundSaves : public QObject {
    Q_OBJECT
public:
    static constexpr int progressAfterMs = 400;

    // Told the share done (0 … 1) now and then by the maker of the bytes; false back means the
    // save was cancelled, and the maker may stop at once (what it returns is then dropped).
    using Progress = std::function<bool(double share)>;
    using MakeBytes = std::function<QByteArray(const Progress&)>;
    // Writes the bytes; the reason in the chosen language when it could not.
    using Writer = std::function<QString(const QString& path, const QByteArray& bytes)>;

    explicit BackgroundSaves(MessageBoxes& boxes, QWidget* window = nullptr,
                             QObject* parent = nullptr);
    ~BackgroundSaves() override;

    // `saved` runs on the window's thread once the file is written.
    void save(const QString& path, const QString& title, MakeBytes make,
              std::function<void()> saved = {}, Writer write = {});
    // Bytes made already: only the writing goes to the pool.
    void save(const QString& path, const QString& title, QByteArray bytes,
              std::function<void()> saved = {}, Writer write = {});

    // Saves started and not yet reported.
    int running() const;
    // Cancels every save that is still making its bytes.
    void cancelAll();

signals:
    // A save ended: written, failed (after its box) or cancelled.
    void finished(const QString& path, bool written);

private:
    struct Job;

    MessageBoxes& boxes_;
    QWidget* window_;
    int running_ = 0;
    std::vector<std::weak_ptr<Job>> jobs_;
};

} // namespace ui
