#pragma once

#include "graphs/PaneSurface.h"
#include "model/physics/FlightOutcome.h"
#include "model/session/Flight.h"

#include <QObject>
#include <QTimer>

namespace ui {

// The animated quadratic-drag flight of a throw (session::Flight) on the trajectory pane, driven
// by a timer: every tick draws what the flight's tick brought — the piece of the group finished
// on the tick before (the ball marker moves there, then a red line to it) — and the flight flies
// the next group of steps. So at least one tick interval passes between a group's last step and
// its piece, the window handles its events in between, and nothing runs nested.
//
// At the group where the height first falls, topFound() comes and the red top marker is drawn.
// The flight ends with landed() or failed().
class FlightAnimation : public QObject {
    Q_OBJECT
public:
    static constexpr int defaultTickMs = 10;

    explicit FlightAnimation(session::Flight& flight, QObject* parent = nullptr);

    // Tests may set 0: ticks then come as fast as the event loop runs.
    void setTickInterval(int ms) { timer_.setInterval(ms); }
    int tickInterval() const { return timer_.interval(); }
    // Groups of steps flown per tick (1 by default); 0 flies the whole flight in the first
    // tick. Only the last group of a tick waits for the next tick to draw its piece.
    void setGroupsPerTick(int groups) { groupsPerTick_ = groups; }
    int groupsPerTick() const { return groupsPerTick_; }

    // The flight has just started: draws the red start dot at (0, h0), flies the first group at
    // once and starts the ticks. May emit landed() or failed() before it returns when the flight
    // is that short.
    void start(graphs::PaneSurface& pane, double h0);
    // Stops at once; nothing more is drawn, no signal follows.
    void abandon();
    // Holds the flight where it is, and lets it go on; pausedChanged() tells either.
    void pause();
    void resume();

    bool running() const { return flight_.running(); }
    bool paused() const { return flight_.paused(); }
    int ticks() const { return flight_.ticks(); }
    int piecesDrawn() const { return flight_.piecesDrawn(); }

signals:
    void topFound();
    void landed();
    void failed(model::FlightOutcome outcome);
    // The flight was held or let go on; a held flight that stops is no longer held.
    void pausedChanged(bool paused);

private:
    void tick();
    void stop();
    void stopTimer();

    session::Flight& flight_;
    QTimer timer_;
    graphs::PaneSurface* pane_ = nullptr;
    int groupsPerTick_ = 1;
    int started_ = 0; // flights started: a handler that starts or stops one ends the tick shown
};

} // namespace ui
