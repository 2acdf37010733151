#pragma once

#include "graphs/PaneSurface.h"
#include "model/ClosedForm.h"
#include "model/FlightOutcome.h"
#include "model/Inputs.h"
#include "model/LabelText.h"
#include "model/QuadraticDragStepper.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

namespace ui {

// The animated quadratic-drag flight on the trajectory pane, driven by a timer instead of a
// pause that processes events: every tick draws the piece of the group finished on the tick
// before (the ball marker moves there, then a red line to it) and integrates the next
// pauseEvery steps. So at least one tick interval passes between a group's last step and its
// piece, the window handles its events in between, and nothing runs nested.
//
// At the step where the height first falls, the three top labels are written and the red top
// marker is drawn (pen 1, then back to 3). The flight ends with landed() or failed().
class FlightAnimation : public QObject {
    Q_OBJECT
public:
    using LabelWriter = std::function<void(const model::LabelText&)>;

    static constexpr int defaultTickMs = 10;

    explicit FlightAnimation(LabelWriter writeLabel, QObject* parent = nullptr);
    ~FlightAnimation() override;

    // Tests may set 0: ticks then come as fast as the event loop runs.
    void setTickInterval(int ms) { timer_.setInterval(ms); }
    int tickInterval() const { return timer_.interval(); }

    // Draws the red start dot (with the pen width the pane has), integrates the first group at
    // once and starts the ticks. A flight in progress is abandoned first. May emit landed() or
    // failed() before it returns when the flight is that short.
    void start(graphs::PaneSurface& pane, const model::Inputs& in, const model::ClosedForm& cf,
               int nSteps, int pauseEvery);
    // Stops at once; nothing more is drawn or written, no signal follows.
    void abandon();

    bool running() const { return running_; }
    // The flight's integrator: the results once landed() came; null before the first start.
    const model::QuadraticDragStepper* stepper() const { return stepper_.get(); }
    int ticks() const { return ticks_; }
    int piecesDrawn() const { return pieces_; }

signals:
    void landed();
    void failed(model::FlightOutcome outcome);

private:
    void tick();
    void stop();

    LabelWriter writeLabel_;
    QTimer timer_;
    std::unique_ptr<model::QuadraticDragStepper> stepper_;
    graphs::PaneSurface* pane_ = nullptr;
    int pauseEvery_ = 10;
    int loopIndex_ = 0;
    bool running_ = false;
    bool piecePending_ = false;
    bool landingPending_ = false;
    int ticks_ = 0;
    int pieces_ = 0;
};

} // namespace ui
