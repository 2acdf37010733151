#include "model/physics/QuadraticDragStepper.h"

#include "model/physics/FlushDenormals.h"
#include "model/physics/SubSteps.h"

#include <cmath>
#include <optional>

namespace model {

namespace {

bool finite(double a, double b, double c, double d) {
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

} // namespace

QuadraticDragStepper::QuadraticDragStepper(const Inputs& in, const ClosedForm& cf, int nSteps)
    : tau_(cf.tau), Vp1_(cf.Vp1), R2_(cf.R2) {
    vx_ = in.v0 * std::cos(cf.alpha);
    vy_ = in.v0 * std::sin(cf.alpha);
    x_ = 0;
    y_ = in.h0;
    yHigh_ = in.h0;
    dt_ = cf.Tmax / nSteps;
    xStart_ = 0;
    yStart_ = in.h0;
    vxStart_ = vx_;
    vyStart_ = static_cast<float>(vy_);
    if (!finite(vx_, vy_, y_, dt_) || !(dt_ > 0) || !std::isfinite(tau_) || !std::isfinite(Vp1_) ||
        !std::isfinite(R2_) || !std::isfinite(Vp1_ / tau_)) {
        done_ = true;
        outcome_ = FlightOutcome::notFinite;
    }
}

// One RK4 step of length h from (xStart, yStart, vxStart, vyStart) with the stage velocities
// taken from (vx, vy); the groupings and the single-precision roundings are part of the figures.
void QuadraticDragStepper::rk4(double h) {
    const double tau = tau_, Vp1 = Vp1_, R = R2_;
    // Both accelerations of one stage share |v|.
    struct Slope {
        double vx, vy;
    };
    auto slope = [&](double vx, double vy) {
        const double v = std::sqrt(vx * vx + vy * vy);
        return Slope{-h * (vx / tau + v * vx / R), -h * ((Vp1 / tau + vy / tau) + v * vy / R)};
    };
    const double k1x = h * vx_, k1y = h * vy_;
    const auto [k1vx, k1vy] = slope(vx_, vy_);
    x_ = xStart_ + k1x / 2;
    y_ = yStart_ + k1y / 2;
    vx_ = vxStart_ + k1vx / 2;
    vy_ = vyStart_ + k1vy / 2;
    const double k2x = h * vx_, k2y = h * vy_;
    const auto [k2vx, k2vy] = slope(vx_, vy_);
    x_ = xStart_ + k2x / 2;
    y_ = yStart_ + k2y / 2;
    vx_ = vxStart_ + k2vx / 2;
    vy_ = vyStart_ + k2vy / 2;
    const double k3x = h * vx_, k3y = h * vy_;
    const auto [k3vx, k3vy] = slope(vx_, vy_);
    x_ = xStart_ + k3x;
    y_ = yStart_ + k3y;
    vx_ = vxStart_ + k3vx;
    vy_ = vyStart_ + k3vy;
    const double k4x = h * vx_, k4y = h * vy_;
    const Slope k4 = slope(vx_, vy_);
    const float k4vx = static_cast<float>(k4.vx);
    const float k4vy = static_cast<float>(k4.vy);
    x_ = xStart_ + (((k1x + 2 * k2x) + 2 * k3x) + k4x) / 6;
    y_ = yStart_ + (((k1y + 2 * k2y) + 2 * k3y) + k4y) / 6;
    vx_ = vxStart_ + (((k1vx + 2 * k2vx) + 2 * k3vx) + static_cast<double>(k4vx)) / 6;
    vy_ = vyStart_ + (((k1vy + 2 * k2vy) + 2 * k3vy) + static_cast<double>(k4vy)) / 6;
    xStart_ = x_;
    yStart_ = y_;
    vxStart_ = vx_;
    vyStart_ = static_cast<float>(vy_);
}

QuadraticDragStepper::StepReport QuadraticDragStepper::step() {
    StepReport r;
    if (done_) {
        r.done = true;
        r.outcome = outcome_;
        return r;
    }
    // On long flights vx decays into the subnormals.
    std::optional<FlushDenormals> flush(std::in_place);
    const SubSteps split = subStepsFor(dt_, tau_, R2_, vx_, vy_, maxFlightWork - work_);
    if (split.outcome != FlightOutcome::finished) {
        done_ = true;
        outcome_ = split.outcome;
        return {false, true, outcome_};
    }
    const std::int64_t k = split.count;
    if (k == 1) {
        rk4(dt_);
    } else {
        const double h = dt_ / static_cast<double>(k);
        for (std::int64_t i = 0; i < k; ++i)
            rk4(h);
    }
    flush.reset();
    work_ += k;
    ++steps_;
    t_ = t_ + dt_;

    if (!finite(x_, y_, vx_, vy_)) {
        done_ = true;
        outcome_ = FlightOutcome::notFinite;
        return {false, true, outcome_};
    }

    if (!apexFound_ && y_ < yHigh_) {
        finishApex();
        r.apex = true;
    } else {
        yHigh_ = y_;
    }

    if (y_ < 0) {
        finishLanding();
        r.done = true;
        r.outcome = outcome_;
    } else if (work_ >= maxFlightWork) {
        done_ = true;
        outcome_ = FlightOutcome::tooLong;
        r.done = true;
        r.outcome = outcome_;
    }
    return r;
}

void QuadraticDragStepper::finishApex() {
    apexFound_ = true;
    apexT_ = t_;
    apexX_ = x_;
    apexY_ = yHigh_;
    apexMarker_ = {static_cast<float>(x_), static_cast<float>(y_)};
}

void QuadraticDragStepper::finishLanding() {
    done_ = true;
    outcome_ = FlightOutcome::finished;
    Tmax2_ = t_ - dt_ / 2;
}

} // namespace model
