#pragma once

#include "model/curves/PanePoint.h"
#include "model/physics/FlightOutcome.h"

#include <vector>

namespace model {
class Throw;
}

namespace session {

// What a tick of the flight brought, in the order it is shown.
struct FlightEvent {
    enum class Kind {
        piece,  // the ball marker moves to point and a red line follows it there
        top,    // the height fell for the first time: the top marker, (point.x, 0) to point
        landed, // the ball is on the ground (the landing tone follows)
        failed, // the flight cannot go on (Throw::outcome says why)
    };
    Kind kind;
    model::PanePoint point{};
    model::FlightOutcome outcome = model::FlightOutcome::finished; // why it failed
};

// The animated quadratic-drag flight of a throw, tick by tick, for whatever clock drives it (a
// timer of 10 ms, a browser's animation frames). Each tick shows the piece of the group of steps
// flown on the tick before and then flies the next groups: so at least one tick passes between a
// group's last step and its piece, and the view handles its events in between.
class Flight {
public:
    // The throw must outlive the flight (or abandon() it first). The view draws the red start
    // dot at (0, h0); the first tick follows at once.
    void start(model::Throw& t);
    // Stops at once; no tick brings anything more.
    void abandon();
    // groups of steps per tick (1: the program's own pace); 0 flies the whole flight at once.
    std::vector<FlightEvent> tick(int groups);
    // Holds the flight where it is, and lets it go on; true when that changed anything.
    bool pause();
    bool resume();

    bool running() const { return running_; }
    bool paused() const { return paused_; }
    int ticks() const { return ticks_; }
    int piecesDrawn() const { return pieces_; }

private:
    void stop();

    model::Throw* throw_ = nullptr;
    bool running_ = false;
    bool paused_ = false;
    bool piecePending_ = false;
    bool landingPending_ = false;
    model::PanePoint pendingPiece_{};
    int ticks_ = 0;
    int pieces_ = 0;
};

} // namespace session
