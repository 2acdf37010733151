#include "ui/run/FlightAnimation.h"

#include "ui/run/ThrowDrawing.h"

namespace ui {

FlightAnimation::FlightAnimation(session::Flight& flight, QObject* parent)
    : QObject(parent), flight_(flight) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(defaultTickMs);
    connect(&timer_, &QTimer::timeout, this, &FlightAnimation::tick);
}

void FlightAnimation::start(graphs::PaneSurface& pane, double h0) {
    ++started_;
    pane_ = &pane;
    drawFlightStart(pane, h0);
    timer_.start();
    tick();
}

void FlightAnimation::abandon() {
    stop();
}

void FlightAnimation::stop() {
    const bool wasPaused = flight_.paused();
    flight_.abandon();
    stopTimer();
    if (wasPaused)
        emit pausedChanged(false);
}

void FlightAnimation::stopTimer() {
    timer_.stop();
    ++started_;
}

void FlightAnimation::pause() {
    if (flight_.pause()) {
        timer_.stop();
        emit pausedChanged(true);
    }
}

void FlightAnimation::resume() {
    if (flight_.resume()) {
        timer_.start();
        emit pausedChanged(false);
    }
}

void FlightAnimation::tick() {
    using Kind = session::FlightEvent::Kind;
    const int flight = started_;
    for (const session::FlightEvent& e : flight_.tick(groupsPerTick_)) {
        switch (e.kind) {
        case Kind::piece:
            drawFlightPiece(*pane_, e.point);
            break;
        case Kind::top:
            emit topFound();
            drawTopMarker(*pane_, e.point);
            break;
        case Kind::landed:
            stopTimer();
            emit landed();
            return;
        case Kind::failed:
            stopTimer();
            emit failed(e.outcome);
            return;
        }
        if (started_ != flight)
            return; // a handler abandoned it
    }
}

} // namespace ui
