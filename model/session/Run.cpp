#include "model/session/Run.h"

namespace session {

model::ThrowSettings Run::settingsFor(double scaleX, float scaleY) {
    model::ThrowSettings settings;
    settings.scaleX = scaleX;
    settings.scaleY = scaleY;
    return settings;
}

const model::Throw& Run::recompute(const model::Inputs& in, double scaleX, float scaleY,
                                   const Keep& keep, bool* kept) {
    const double tau = previousTau(), Vp1 = previousVp1();
    replaceShown(in, keep, kept);
    throw_.reset(); // its curves go before the new ones are computed
    return show(std::make_unique<model::Throw>(in, settingsFor(scaleX, scaleY), tau, Vp1));
}

const model::Throw& Run::adopt(std::unique_ptr<model::Throw> next, const Keep& keep, bool* kept) {
    replaceShown(next->inputs(), keep, kept);
    throw_.reset();
    return show(std::move(next));
}

void Run::replaceShown(const model::Inputs& next, const Keep& keep, bool* kept) {
    flight_.abandon();
    bool taken = false;
    if (throw_ && velocitiesShown_) {
        taken = keep && keep(*throw_, next);
        if (!taken)
            earlierVelocities_ = model::keptThrow(*throw_, 0);
    }
    if (kept)
        *kept = taken;
    velocitiesShown_ = false;
}

const model::Throw& Run::show(std::unique_ptr<model::Throw> next) {
    throw_ = std::move(next);
    flightStarted_ = false;
    phase_ = Phase::trajectory;
    return *throw_;
}

bool Run::startFlight() {
    if (!throw_ || throw_->failed())
        return false;
    flightStarted_ = true;
    phase_ = Phase::flying;
    flight_.start(*throw_);
    return true;
}

void Run::landed() {
    phase_ = Phase::landing;
}

bool Run::finishLanding() {
    phase_ = Phase::landed;
    earlierVelocities_.reset();
    throw_->computeVelocities();
    velocitiesShown_ = throw_->failedAt() != model::ThrowStep::velocityRanges;
    return velocitiesShown_;
}

void Run::abandon() {
    flight_.abandon();
    if (phase_ == Phase::flying || phase_ == Phase::landing)
        phase_ = Phase::trajectory;
}

void Run::rescale(double scaleX, float scaleY) {
    if (throw_)
        throw_->setTrajectoryScale(scaleX, scaleY);
}

void Run::forgetShown() {
    velocitiesShown_ = false;
}

} // namespace session
