#pragma once

#include "graphs/PaneSurface.h"
#include "model/curves/PanePoint.h"
#include "model/physics/FlightOutcome.h"

#include <QObject>
#include <QTimer>

namespace model {
class Throw;
}

namespace ui {

// The animated quadratic-drag flight of a throw on the trajectory pane, driven by a timer: every
// tick draws the piece of the group the throw finished on the tick before (the ball marker moves
// there, then a red line to it) and flies the next group of steps. So at least one tick interval
// passes between a group's last step and its piece, the window handles its events in between,
// and nothing runs nested.
//
// At the group where the height first falls, topFound() comes and the red top marker is drawn.
// The flight ends with landed() or failed().
class FlightAnimation : public QObject {
    Q_OBJECT
public:
    static constexpr int defaultTickMs = 10;

    explicit FlightAnimation(QObject* parent = nullptr);

    // Tests may set 0: ticks then come as fast as the event loop runs.
    void setTickInterval(int ms) { timer_.setInterval(ms); }
    int tickInterval() const { return timer_.interval(); }
    // Groups of steps flown per tick (1 by default); 0 flies the whole flight in the first
    // tick. Only the last group of a tick waits for the next tick to draw its piece.
    void setGroupsPerTick(int groups) { groupsPerTick_ = groups; }
    int groupsPerTick() const { return groupsPerTick_; }

    // Draws the red start dot, flies the first group at once and starts the ticks. A flight in
    // progress is abandoned first. The throw must outlive the flight (or abandon() it first).
    // May emit landed() or failed() before it returns when the flight is that short.
    void start(graphs::PaneSurface& pane, model::Throw& t);
    // Stops at once; nothing more is drawn, no signal follows.
    void abandon();
    // Holds the flight where it is, and lets it go on; pausedChanged() tells either.
    void pause();
    void resume();

    bool running() const { return running_; }
    bool paused() const { return paused_; }
    int ticks() const { return ticks_; }
    int piecesDrawn() const { return pieces_; }

signals:
    void topFound();
    void landed();
    void failed(model::FlightOutcome outcome);
    // The flight was held or let go on; a held flight that stops is no longer held.
    void pausedChanged(bool paused);

private:
    void tick();
    void stop();

    QTimer timer_;
    model::Throw* throw_ = nullptr;
    graphs::PaneSurface* pane_ = nullptr;
    bool running_ = false;
    bool paused_ = false;
    bool piecePending_ = false;
    bool landingPending_ = false;
    model::PanePoint pendingPiece_{};
    int groupsPerTick_ = 1;
    int ticks_ = 0;
    int pieces_ = 0;
};

} // namespace ui
