#include "ui/run/FlightAnimation.h"

#include "model/Throw.h"
#include "ui/run/ThrowDrawing.h"

namespace ui {

FlightAnimation::FlightAnimation(QObject* parent) : QObject(parent) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(defaultTickMs);
    connect(&timer_, &QTimer::timeout, this, &FlightAnimation::tick);
}

void FlightAnimation::start(graphs::PaneSurface& pane, model::Throw& t) {
    abandon();
    pane_ = &pane;
    throw_ = &t;
    piecePending_ = false;
    landingPending_ = false;
    ticks_ = 0;
    pieces_ = 0;
    drawFlightStart(pane, t.inputs().h0);
    running_ = true;
    timer_.start();
    tick();
}

void FlightAnimation::abandon() {
    stop();
}

void FlightAnimation::stop() {
    timer_.stop();
    running_ = false;
    if (paused_) {
        paused_ = false;
        emit pausedChanged(false);
    }
}

void FlightAnimation::pause() {
    if (running_ && !paused_) {
        paused_ = true;
        timer_.stop();
        emit pausedChanged(true);
    }
}

void FlightAnimation::resume() {
    if (running_ && paused_) {
        paused_ = false;
        timer_.start();
        emit pausedChanged(false);
    }
}

void FlightAnimation::tick() {
    if (!running_)
        return;
    ++ticks_;
    if (piecePending_) {
        piecePending_ = false;
        drawFlightPiece(*pane_, pendingPiece_);
        ++pieces_;
    }
    if (landingPending_) {
        stop();
        emit landed();
        return;
    }
    for (int group = 1;; ++group) {
        const model::FlightGroup g = throw_->flyGroup();
        if (g.top) {
            emit topFound();
            drawTopMarker(*pane_, *throw_->topMarker());
        }
        if (g.done && !throw_->landed()) {
            stop();
            emit failed(throw_->outcome());
            return;
        }
        const bool lastOfTick = groupsPerTick_ > 0 && group >= groupsPerTick_;
        if (g.pieceEnds && lastOfTick) {
            // The group is complete: its piece follows after the pause.
            piecePending_ = true;
            pendingPiece_ = g.piece;
            landingPending_ = g.done;
            return;
        }
        if (g.pieceEnds) {
            drawFlightPiece(*pane_, g.piece);
            ++pieces_;
        }
        if (g.done) {
            stop();
            emit landed();
            return;
        }
        if (lastOfTick)
            return;
    }
}

} // namespace ui
