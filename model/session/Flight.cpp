#include "model/session/Flight.h"

#include "model/Throw.h"

namespace session {

void Flight::start(model::Throw& t) {
    abandon();
    throw_ = &t;
    piecePending_ = false;
    landingPending_ = false;
    ticks_ = 0;
    pieces_ = 0;
    running_ = true;
}

void Flight::abandon() {
    stop();
}

void Flight::stop() {
    running_ = false;
    paused_ = false;
}

bool Flight::pause() {
    if (!running_ || paused_)
        return false;
    paused_ = true;
    return true;
}

bool Flight::resume() {
    if (!running_ || !paused_)
        return false;
    paused_ = false;
    return true;
}

std::vector<FlightEvent> Flight::tick(int groups) {
    using Kind = FlightEvent::Kind;
    std::vector<FlightEvent> events;
    if (!running_ || paused_)
        return events;
    ++ticks_;
    if (piecePending_) {
        piecePending_ = false;
        events.push_back({Kind::piece, pendingPiece_});
        ++pieces_;
    }
    if (landingPending_) {
        stop();
        events.push_back({Kind::landed});
        return events;
    }
    for (int group = 1;; ++group) {
        const model::FlightGroup g = throw_->flyGroup();
        if (g.top)
            events.push_back({Kind::top, *throw_->topMarker()});
        if (g.done && !throw_->landed()) {
            stop();
            events.push_back({Kind::failed, {}, throw_->outcome()});
            return events;
        }
        const bool lastOfTick = groups > 0 && group >= groups;
        if (g.pieceEnds && lastOfTick) {
            // The group is complete: its piece follows on the next tick.
            piecePending_ = true;
            pendingPiece_ = g.piece;
            landingPending_ = g.done;
            return events;
        }
        if (g.pieceEnds) {
            events.push_back({Kind::piece, g.piece});
            ++pieces_;
        }
        if (g.done) {
            stop();
            events.push_back({Kind::landed});
            return events;
        }
        if (lastOfTick)
            return events;
    }
}

} // namespace session
