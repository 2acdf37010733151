#include "ui/run/FlightAnimation.h"

#include "ui/run/CurveDrawing.h"

namespace ui {

FlightAnimation::FlightAnimation(LabelWriter writeLabel, QObject* parent)
    : QObject(parent), writeLabel_(std::move(writeLabel)) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(defaultTickMs);
    connect(&timer_, &QTimer::timeout, this, &FlightAnimation::tick);
}

FlightAnimation::~FlightAnimation() = default;

void FlightAnimation::start(graphs::PaneSurface& pane, const model::Inputs& in,
                            const model::ClosedForm& cf, int nSteps, int pauseEvery) {
    abandon();
    pane_ = &pane;
    pauseEvery_ = pauseEvery > 0 ? pauseEvery : 1;
    loopIndex_ = 0;
    piecePending_ = false;
    landingPending_ = false;
    ticks_ = 0;
    pieces_ = 0;
    stepper_ = std::make_unique<model::QuadraticDragStepper>(in, cf, nSteps);
    if (drawable(0, in.h0))
        pane.drawPoint(0, static_cast<float>(in.h0), graphs::quadraticDragColour);
    running_ = true;
    timer_.start();
    tick();
}

void FlightAnimation::abandon() {
    timer_.stop();
    running_ = false;
}

void FlightAnimation::stop() {
    timer_.stop();
    running_ = false;
}

void FlightAnimation::tick() {
    if (!running_)
        return;
    ++ticks_;
    model::QuadraticDragStepper& s = *stepper_;
    if (piecePending_) {
        piecePending_ = false;
        if (drawable(s.x(), s.y())) {
            pane_->placeMarker(s.x(), s.y());
            pane_->drawLineTo(static_cast<float>(s.x()), static_cast<float>(s.y()),
                              graphs::quadraticDragColour);
            ++pieces_;
        }
    }
    if (landingPending_) {
        stop();
        emit landed();
        return;
    }
    for (;;) {
        const auto report = s.step();
        if (report.done && report.outcome != model::FlightOutcome::finished) {
            stop();
            emit failed(report.outcome);
            return;
        }
        if (report.apex) {
            for (const model::LabelText& l : s.apexLabels())
                writeLabel_(l);
            const model::PanePoint m = s.apexMarker();
            if (drawable(m)) {
                pane_->setPenWidth(1);
                pane_->drawLine(m.x, 0, m.x, m.y, graphs::quadraticDragColour);
                pane_->setPenWidth(3);
            }
        }
        if (++loopIndex_ == pauseEvery_) {
            // The group is complete: its piece follows after the pause.
            loopIndex_ = 0;
            piecePending_ = true;
            landingPending_ = report.done;
            return;
        }
        if (report.done) {
            stop();
            emit landed();
            return;
        }
    }
}

} // namespace ui
