#include "model/session/Run.h"

namespace session {

const model::Throw& Run::recompute(const model::Inputs& in, double scaleX, float scaleY,
                                   const Keep& keep, bool* kept) {
    flight_.abandon();
    model::ThrowSettings settings;
    settings.scaleX = scaleX;
    settings.scaleY = scaleY;
    bool taken = false;
    if (throw_ && velocitiesShown_) {
        taken = keep && keep(*throw_, in);
        if (!taken)
            earlierVelocities_ = model::keptThrow(*throw_, 0);
    }
    if (kept)
        *kept = taken;
    velocitiesShown_ = false;
    const double tau = throw_ ? throw_->closed().tau : 0, Vp1 = throw_ ? throw_->closed().Vp1 : 0;
    throw_.reset(); // its curves go before the new ones are computed
    throw_ = std::make_unique<model::Throw>(in, settings, tau, Vp1);
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
