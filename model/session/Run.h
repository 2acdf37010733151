#pragma once

#include "model/Throw.h"
#include "model/curves/ThrowCurves.h"
#include "model/session/Flight.h"

#include <functional>
#include <memory>
#include <optional>

namespace session {

// A run's sequence for the throw on show. The short recompute (after a change of input or
// scale) and the start of a full run (ПУСК) both compute a new throw for the trajectory pane;
// a full run then flies it (flight(), ticked by the view's clock), sounds the landing tone and,
// once the tone has ended, computes the velocity curves:
//
//   recompute → trajectory ─ startFlight → flying ─ landed → landing ─ finishLanding → landed
//
// A new throw abandons the flight of the old one. The throw whose velocity curves were shown is
// offered to the comparison when the next one replaces it; when it is not kept, its curves stay
// on the velocity panes (earlierVelocities) until the next landing.
class Run {
public:
    enum class Phase { none, trajectory, flying, landing, landed };
    // Takes a throw that is being replaced beneath the panes; false leaves it.
    using Keep = std::function<bool(const model::Throw& landed, const model::Inputs& next)>;

    // A new throw from the inputs, up to the trajectory pane's curves; kept tells whether the
    // one it replaced went beneath the panes.
    const model::Throw& recompute(const model::Inputs& in, double scaleX, float scaleY,
                                  const Keep& keep = {}, bool* kept = nullptr);
    // The same with a throw computed elsewhere from settingsFor(…) and the previous closed
    // forms (a long walk off the window's thread); it replaces the one on show as recompute does.
    const model::Throw& adopt(std::unique_ptr<model::Throw> next, const Keep& keep = {},
                              bool* kept = nullptr);
    static model::ThrowSettings settingsFor(double scaleX, float scaleY);
    // tau and Vp1 of the throw on show, which the closed forms of the next one fall back on.
    double previousTau() const { return throw_ ? throw_->closed().tau : 0; }
    double previousVp1() const { return throw_ ? throw_->closed().Vp1 : 0; }
    // The flight of the throw just computed; false when the throw failed before it.
    bool startFlight();
    Flight& flight() { return flight_; }
    const Flight& flight() const { return flight_; }
    // The flight reached the ground: the landing tone sounds now.
    void landed();
    // The tone has ended: the velocity curves. False when they could not be computed.
    bool finishLanding();
    // The flight stops where it is (its pieces stay shown).
    void abandon();
    // New stretch factors of the trajectory pane; the same throw.
    void rescale(double scaleX, float scaleY);
    // The throw on show is neither kept nor shown any more (another lesson replaces it).
    void forgetShown();

    Phase phase() const { return phase_; }
    const model::Throw* current() const { return throw_.get(); }
    // The current throw's flight was started: its pieces so far are on the pane.
    bool flightStarted() const { return flightStarted_; }
    bool velocitiesShown() const { return velocitiesShown_; }
    const model::KeptThrow* earlierVelocities() const {
        return earlierVelocities_ ? &*earlierVelocities_ : nullptr;
    }
    void dropEarlierVelocities() { earlierVelocities_.reset(); }

private:
    void replaceShown(const model::Inputs& next, const Keep& keep, bool* kept);
    const model::Throw& show(std::unique_ptr<model::Throw> next);

    std::unique_ptr<model::Throw> throw_;
    Flight flight_;
    Phase phase_ = Phase::none;
    bool flightStarted_ = false;
    bool velocitiesShown_ = false;
    std::optional<model::KeptThrow> earlierVelocities_;
};

} // namespace session
