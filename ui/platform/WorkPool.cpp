#include "ui/platform/WorkPool.h"

#include <QCoreApplication>
#include <QPointer>

#include <algorithm>

namespace ui {

namespace {
constexpr int kLeastThreads = 8;
}

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

} // namespace ui
