#include "ui/lesson/LessonDisk.h"

#include "model/session/LessonFile.h"
#include "ui/platform/Language.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <chrono>
#include <future>
#include <memory>
#include <thread>

namespace ui {

namespace {

constexpr qint64 largestFile = qint64(session::largestLessonFile);

// Runs work on a thread of its own and waits for it until the deadline; the thread is left to
// finish by itself when the deadline passes.
template <class Work> LessonBytes withDeadline(Work work, int deadlineMs) {
    auto promise = std::make_shared<std::promise<LessonBytes>>();
    std::future<LessonBytes> result = promise->get_future();
    std::thread([promise, work] { promise->set_value(work()); }).detach();
    if (result.wait_for(std::chrono::milliseconds(deadlineMs)) != std::future_status::ready)
        return {{}, Texts::tr("диск не ответил за %1 с").arg(deadlineMs / 1000)};
    return result.get();
}

} // namespace

LessonBytes readLessonFile(const QString& path, int deadlineMs) {
    return withDeadline(
        [path]() -> LessonBytes {
            const QFileInfo info(path);
            if (!info.exists())
                return {{}, Texts::tr("файл не найден")};
            if (info.isDir())
                return {{}, Texts::tr("это папка, а не файл")};
            if (info.size() > largestFile)
                return {{}, Texts::tr("файл больше 10 МБ")};
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                return {{}, Texts::tr("файл не читается: %1").arg(file.errorString())};
            // Read one byte more than allowed: a file that grew meanwhile is still refused.
            QByteArray bytes = file.read(largestFile + 1);
            if (file.error() != QFileDevice::NoError)
                return {{}, Texts::tr("файл не читается: %1").arg(file.errorString())};
            if (bytes.size() > largestFile)
                return {{}, Texts::tr("файл больше 10 МБ")};
            return {bytes, {}};
        },
        deadlineMs);
}

QString writeLessonFile(const QString& path, const QByteArray& bytes, int deadlineMs) {
    return withDeadline(
               [path, bytes]() -> LessonBytes {
                   QSaveFile file(path);
                   if (!file.open(QIODevice::WriteOnly))
                       return {{}, file.errorString()};
                   if (file.write(bytes) != bytes.size() || !file.commit())
                       return {{}, file.errorString()};
                   return {};
               },
               deadlineMs)
        .problem;
}

} // namespace ui
