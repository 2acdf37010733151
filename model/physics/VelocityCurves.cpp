#include "model/physics/VelocityCurves.h"

#include "model/physics/Constants.h"
#include "model/physics/FlushDenormals.h"
#include "model/physics/SubSteps.h"

#include <algorithm>
#include <cmath>

namespace model {

namespace {

PanePoint pt(double t, double v) {
    return {static_cast<float>(t), static_cast<float>(v)};
}

bool finite(double a) {
    return std::isfinite(a);
}

// Where the walks' points go: into the lists, or only through the pane's check.
struct KeptPoints {
    static void reserve(std::vector<PanePoint>& list, double count) {
        list.reserve(static_cast<std::size_t>(count));
    }
    static void add(std::vector<PanePoint>& list, double t, double v) { list.push_back(pt(t, v)); }
    static bool drawable() { return true; }
};

struct CheckedPoints {
    static void reserve(std::vector<PanePoint>&, double) {}
    void add(std::vector<PanePoint>&, double t, double v) {
        all &= std::isfinite(static_cast<float>(t)) & std::isfinite(static_cast<float>(v));
    }
    bool drawable() const { return all; }
    bool all = true;
};

template <class Points>
void walk(VelocityCurves& c, const Inputs& in, const ClosedForm& cf, double Tmax1, double Tmax2,
          double dt, int nSteps, Points& points) {
    const double tau = cf.tau, Vp1 = cf.Vp1, R2 = cf.R2;
    c.vx0 = in.v0 * std::cos(cf.alpha);
    const double vyDouble = in.v0 * std::sin(cf.alpha);
    c.vy0 = static_cast<float>(vyDouble);

    // Every loop below ends only if its limits and steps are finite and positive; an overflowed
    // input would otherwise make "t from 0 to infinity" run forever.
    if (!finite(c.vx0) || !finite(c.vy0) || !finite(cf.Tmax) || !(cf.Tmax > 0) || !finite(Tmax1) ||
        !(Tmax1 > 0) || !finite(Tmax2) || !finite(dt) || !(dt > 0) || !finite(tau) ||
        !finite(Vp1) || !finite(R2) || !finite(Vp1 / tau) || nSteps < 1) {
        c.outcome = FlightOutcome::notFinite;
        return;
    }

    // Vacuum.
    points.add(c.vacuumVx, 0, c.vx0);
    points.add(c.vacuumVx, cf.Tmax, c.vx0);
    points.reserve(c.vacuumVy, nSteps + 2.0);
    points.add(c.vacuumVy, 0, c.vy0);
    const double step0 = cf.Tmax / nSteps;
    for (double t = 0; t <= cf.Tmax; t = t + step0)
        points.add(c.vacuumVy, t, c.vy0 - g * t);

    // On long flights e^(−t/tau) and vx decay into the subnormals.
    const FlushDenormals flush;

    // Linear drag.
    points.reserve(c.linearVx, nSteps + 2.0);
    points.reserve(c.linearVy, nSteps + 2.0);
    points.add(c.linearVx, 0, c.vx0);
    points.add(c.linearVy, 0, c.vy0);
    const double step1 = Tmax1 / nSteps;
    for (double t = 0; t <= Tmax1; t = t + step1) {
        const double e = std::exp(-t / tau);
        points.add(c.linearVx, t, c.vx0 * e);
        points.add(c.linearVy, t, vyDouble * e - Vp1 * (-std::expm1(-t / tau)));
    }

    // Quadratic drag: forward Euler on the velocities, sub-stepped by the same rule as the RK4
    // flight so that a stiff start cannot blow up. About Tmax2/dt passes, never more than the
    // work allows.
    const double passes = std::min(std::max(Tmax2 / dt, 0.0), double(maxFlightWork)) + 2;
    points.reserve(c.quadraticVx, passes);
    points.reserve(c.quadraticVy, passes);
    points.add(c.quadraticVx, 0, c.vx0);
    points.add(c.quadraticVy, 0, c.vy0);
    double t = 0, vx = c.vx0, vy = c.vy0;
    std::int64_t work = 0;
    while (t < Tmax2) {
        const SubSteps split = subStepsFor(dt, tau, R2, vx, vy, maxFlightWork - work);
        if (split.outcome != FlightOutcome::finished) {
            c.outcome = split.outcome;
            break;
        }
        const std::int64_t k = split.count;
        const double h = k == 1 ? dt : dt / static_cast<double>(k);
        for (std::int64_t i = 0; i < k; ++i) {
            const double v1 = std::sqrt(vx * vx + vy * vy);
            vx = vx - h * (vx / tau + v1 * vx / R2);
            const double v2 = std::sqrt(vx * vx + vy * vy);
            vy = vy - h * ((Vp1 / tau + vy / tau) + v2 * vy / R2);
        }
        work += k;
        t = t + dt;
        ++c.passes;
        if (!finite(vx) || !finite(vy)) {
            c.outcome = FlightOutcome::notFinite;
            break;
        }
        points.add(c.quadraticVx, t, vx);
        points.add(c.quadraticVy, t, vy);
    }
    c.lastT = t;
    c.lastVx = vx;
    c.lastVy = vy;
}

} // namespace

VelocityCurves velocityCurves(const Inputs& in, const ClosedForm& cf, double Tmax1, double Tmax2,
                              double dt, int nSteps, bool keepPoints) {
    VelocityCurves c;
    if (keepPoints) {
        KeptPoints kept;
        walk(c, in, cf, Tmax1, Tmax2, dt, nSteps, kept);
    } else {
        CheckedPoints checked;
        walk(c, in, cf, Tmax1, Tmax2, dt, nSteps, checked);
        c.drawable = checked.drawable();
    }
    return c;
}

} // namespace model
