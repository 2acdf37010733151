#include "ui/platform/WorkPool.h"

#include <QCoreApplication>
#include <QPointer>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>

namespace ui {

namespace {
constexpr int kLeastThreads = 8;
constexpr int kWorkNiceness = 10; // lower by as much as `nice` lowers a command
} // namespace

QThreadPool& workPool() {
    // Owned by the application, so that it ends (waiting for its tasks) before the libraries do.
    static QPointer<QThreadPool> pool;
    if (!pool) {
        pool = new QThreadPool(QCoreApplication::instance());
        pool->setObjectName(QStringLiteral("ballflight work"));
        pool->setMaxThreadCount(std::max(kLeastThreads, 2 * QThread::idealThreadCount()));
    }
    return *pool;
}

void yieldToTheWindow() {
    // Linux keeps a niceness a thread, inherited by the threads it starts; elsewhere the call
    // is refused, and the work simply runs at the window's priority.
    thread_local const bool lowered = [] {
        const auto self = static_cast<id_t>(gettid());
        const int now = getpriority(PRIO_PROCESS, self);
        return setpriority(PRIO_PROCESS, self, std::min(now + kWorkNiceness, 19)) == 0;
    }();
    (void)lowered;
}

} // namespace ui
