#include "ui/platform/BackgroundSaves.h"

#include "ui/platform/Language.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/platform/SaveFile.h"
#include "ui/platform/WorkPool.h"

#include <QFileInfo>
#include <QFutureWatcher>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cmath>

namespace ui {

namespace {
constexpr int kSteps = 1000; // of the progress bar
}

// What the pool's task and the window's thread share; the task may hold it last.
struct BackgroundSaves::Job {
    QString path;
    MakeBytes make;
    Writer write;
    std::atomic<bool> cancelled{false};
    std::atomic<int> done{0}; // steps of the bar
    QString reason;           // set by the task, read once it has finished
    bool written = false;
};

BackgroundSaves::BackgroundSaves(MessageBoxes& boxes, QWidget* window, QObject* parent)
    : QObject(parent), boxes_(boxes), window_(window) {}

BackgroundSaves::~BackgroundSaves() {
    // The tasks keep their jobs alive; they are only told to stop making bytes.
    cancelAll();
}

void BackgroundSaves::save(const QString& path, const QString& title, QByteArray bytes,
                           std::function<void()> saved, Writer write) {
    save(
        path, title, [bytes = std::move(bytes)](const Progress&) { return bytes; },
        std::move(saved), std::move(write));
}

void BackgroundSaves::save(const QString& path, const QString& title, MakeBytes make,
                           std::function<void()> saved, Writer write) {
    auto job = std::make_shared<Job>();
    job->path = path;
    job->make = std::move(make);
    job->write = write ? std::move(write) : Writer(saveFileAtomically);
    ++running_;
    std::erase_if(jobs_, [](const std::weak_ptr<Job>& j) { return j.expired(); });
    jobs_.push_back(job);

    // The window's side: told when the task ends, and after a moment showing its progress.
    auto* watcher = new QFutureWatcher<void>(this);
    auto* tick = new QTimer(watcher);
    auto dialog = std::make_shared<QPointer<QProgressDialog>>();
    connect(watcher, &QFutureWatcher<void>::finished, this,
            [this, job, watcher, dialog, title, saved = std::move(saved)] {
                if (*dialog)
                    (*dialog)->close();
                watcher->deleteLater();
                --running_;
                if (job->written && saved)
                    saved();
                else if (!job->written && !job->cancelled)
                    boxes_.inform(saveFailedText(job->path, job->reason), title);
                emit finished(job->path, job->written);
            });
    tick->setInterval(100);
    connect(tick, &QTimer::timeout, this, [this, job, dialog, title] {
        if (!*dialog) {
            auto* box = new QProgressDialog(
                Texts::tr("Сохранение файла «%1»…").arg(QFileInfo(job->path).fileName()),
                Texts::tr("Отмена"), 0, kSteps, window_);
            box->setObjectName(QStringLiteral("SaveProgress"));
            box->setWindowTitle(title);
            box->setWindowModality(Qt::NonModal);
            box->setMinimumDuration(0);
            box->setAutoClose(false);
            box->setAutoReset(false);
            box->setAttribute(Qt::WA_DeleteOnClose);
            connect(box, &QProgressDialog::canceled, box, [job] { job->cancelled = true; });
            *dialog = box;
            box->show();
        }
        (*dialog)->setValue(job->done);
    });
    QTimer::singleShot(progressAfterMs, tick, [tick] { tick->start(); });

    watcher->setFuture(runOnWorkPool([job] {
        yieldToTheWindow();
        const Progress progress = [&job](double share) {
            job->done = static_cast<int>(std::lround(std::clamp(share, 0.0, 1.0) * kSteps));
            return !job->cancelled;
        };
        const QByteArray bytes = job->make(progress);
        // Past this point the file is written whole: a late cancel no longer stops it.
        if (job->cancelled)
            return;
        job->reason = job->write(job->path, bytes);
        job->written = job->reason.isEmpty();
    }));
}

int BackgroundSaves::running() const {
    return running_;
}

void BackgroundSaves::cancelAll() {
    for (const std::weak_ptr<Job>& j : jobs_)
        if (const auto job = j.lock())
            job->cancelled = true;
}

} // namespace ui
