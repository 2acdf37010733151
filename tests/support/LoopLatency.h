#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

namespace ui {

// How long the event loop leaves a timer that asks every 10 ms waiting: the longest gap
// between two of its answers, from start() (or the latest restart()) on.
class LoopLatency {
public:
    LoopLatency() {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout,
                         [this] { longest_ = std::max(longest_, clock_.restart()); });
    }

    void start() {
        longest_ = 0;
        clock_.start();
        timer_.start();
    }
    // The longest gap so far, counting the one still open.
    qint64 longestGapMs() const { return std::max(longest_, clock_.elapsed()); }

private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 longest_ = 0;
};

} // namespace ui
