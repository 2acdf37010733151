#include "model/physics/VelocityCurves.h"

#include "model/physics/Constants.h"
#include "model/physics/FlushDenormals.h"
#include "model/physics/SubSteps.h"

#include <cmath>

namespace model {

namespace {

PanePoint pt(double t, double v) {
    return {static_cast<float>(t), static_cast<float>(v)};
}

bool finite(double a) {
    return std::isfinite(a);
}

} // namespace

VelocityCurves velocityCurves(const Inputs& in, const ClosedForm& cf, double Tmax1, double Tmax2,
                              double dt, int nSteps) {
    VelocityCurves c;
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
        return c;
    }

    // Vacuum.
    c.vacuumVx = {pt(0, c.vx0), pt(cf.Tmax, c.vx0)};
    c.vacuumVy.reserve(static_cast<std::size_t>(nSteps) + 2);
    c.vacuumVy.push_back(pt(0, c.vy0));
    const double step0 = cf.Tmax / nSteps;
    for (double t = 0; t <= cf.Tmax; t = t + step0)
        c.vacuumVy.push_back(pt(t, c.vy0 - g * t));

    // On long flights e^(−t/tau) and vx decay into the subnormals.
    const FlushDenormals flush;

    // Linear drag.
    c.linearVx.reserve(static_cast<std::size_t>(nSteps) + 2);
    c.linearVy.reserve(static_cast<std::size_t>(nSteps) + 2);
    c.linearVx.push_back(pt(0, c.vx0));
    c.linearVy.push_back(pt(0, c.vy0));
    const double step1 = Tmax1 / nSteps;
    for (double t = 0; t <= Tmax1; t = t + step1) {
        const double e = std::exp(-t / tau);
        c.linearVx.push_back(pt(t, c.vx0 * e));
        c.linearVy.push_back(pt(t, vyDouble * e - Vp1 * (-std::expm1(-t / tau))));
    }

    // Quadratic drag: forward Euler on the velocities, sub-stepped by the same rule as the RK4
    // flight so that a stiff start cannot blow up.
    c.quadraticVx.push_back(pt(0, c.vx0));
    c.quadraticVy.push_back(pt(0, c.vy0));
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
        c.quadraticVx.push_back(pt(t, vx));
        c.quadraticVy.push_back(pt(t, vy));
    }
    c.lastT = t;
    c.lastVx = vx;
    c.lastVy = vy;
    return c;
}

} // namespace model
