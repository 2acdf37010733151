#include "model/physics/LinearDrag.h"

#include "model/physics/CancellationFree.h"
#include "model/physics/FlushDenormals.h"

#include <cmath>

namespace model {

namespace {

struct WalkEnd {
    FlightOutcome outcome = FlightOutcome::finished;
    double dt = 0, t = 0, x = 0, y = 0;
    std::int64_t points = 0;
};

// The one walk both passes share, so the drawn curve ends exactly at Xmax1. visit(x, y) is
// called for every evaluated point.
template <class Visit>
WalkEnd walk(const Inputs& in, const ClosedForm& cf, int nSteps, Visit visit) {
    const FlushDenormals flush; // e^(−t/tau) ends below the normal doubles on long flights
    WalkEnd w;
    w.dt = cf.Tmax / nSteps;
    const double tau = cf.tau, Vp1 = cf.Vp1;
    // x = v0·tau·cosα·E, y = h0 + tau·v0·sinα·E − Vp1·tau·(u − E), with u = t/tau and
    // E = 1 − e^(−u): no difference of nearly equal numbers even when tau is hours long.
    const double xScale = (in.v0 * tau) * std::cos(cf.alpha);
    const double yRise = tau * (in.v0 * std::sin(cf.alpha));
    const double yFall = Vp1 * tau;
    if (!std::isfinite(w.dt) || !(w.dt > 0) || !std::isfinite(tau) || !std::isfinite(Vp1) ||
        !std::isfinite(xScale) || !std::isfinite(yRise) || !std::isfinite(yFall) ||
        !std::isfinite(in.h0)) {
        w.outcome = FlightOutcome::notFinite;
        return w;
    }
    double t = 0, curX = 0, curY = in.h0;
    while (curY >= 0) {
        if (w.points == maxFlightWork) {
            w.outcome = FlightOutcome::tooLong;
            break;
        }
        const double u = t / tau;
        const double E = -std::expm1(-u);
        curX = xScale * E;
        curY = (in.h0 + yRise * E) - yFall * uMinusOneMinusExp(u, E);
        ++w.points;
        visit(curX, curY);
        t = t + w.dt;
    }
    // A NaN height ends the loop as if the ball had landed; it must not pass for a landing.
    if (w.outcome == FlightOutcome::finished && !(std::isfinite(curX) && std::isfinite(curY)))
        w.outcome = FlightOutcome::notFinite;
    w.t = t;
    w.x = curX;
    w.y = curY;
    return w;
}

LinearDragResult resultOf(const Inputs& in, const ClosedForm& cf, const WalkEnd& w) {
    LinearDragResult r;
    r.outcome = w.outcome;
    r.dt = w.dt;
    r.points = w.points;
    if (w.outcome != FlightOutcome::finished)
        return r;
    r.lastY = w.y;
    r.Tmax1 = w.t - w.dt / 2;
    r.Xmax1 = w.x;
    const double e = std::exp(-r.Tmax1 / cf.tau);
    r.VxEnd1 = (in.v0 * std::cos(cf.alpha)) * e;
    r.VyEnd1 = static_cast<float>((in.v0 * std::sin(cf.alpha)) * e -
                                  cf.Vp1 * (-std::expm1(-r.Tmax1 / cf.tau)));
    return r;
}

} // namespace

LinearDragResult linearDragWalk(const Inputs& in, const ClosedForm& cf, int nSteps) {
    return resultOf(in, cf, walk(in, cf, nSteps, [](double, double) {}));
}

LinearDragResult linearDragWalk(const Inputs& in, const ClosedForm& cf, int nSteps,
                                bool& drawable) {
    bool all = true;
    const WalkEnd w = walk(in, cf, nSteps, [&all](double x, double y) {
        all &= std::isfinite(static_cast<float>(x)) & std::isfinite(static_cast<float>(y));
    });
    drawable = all;
    return resultOf(in, cf, w);
}

FlightOutcome linearDragPoints(const Inputs& in, const ClosedForm& cf, int nSteps,
                               std::vector<PanePoint>& out) {
    out.clear();
    return walk(in, cf, nSteps,
                [&out](double x, double y) {
                    out.push_back({static_cast<float>(x), static_cast<float>(y)});
                })
        .outcome;
}

} // namespace model
