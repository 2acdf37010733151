#pragma once

// Straight-line loops written directly from the equations of each walk, with nothing around
// them: no bound on the work, no finiteness checks, no sub-steps, no single-precision copies.
// They set the floor the model's walks are measured against. Like the model's walks they run
// with subnormals flushed to zero.

#include "model/curves/PanePoint.h"
#include "model/physics/CancellationFree.h"
#include "model/physics/Constants.h"
#include "model/physics/FlushDenormals.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace bench {

struct WalkParameters {
    double h0, vx0, vy0; // m, m/s
    double tau, Vp1, R2; // s, m/s, m
    double dt;           // s
};

// Linear drag, exact solution at t = 0, dt, 2·dt … until the first point below the ground, in
// the form that keeps its digits (u = t/tau, E = 1 − e^(−u)):
//   x = v0·tau·cosα·E, y = h0 + tau·v0·sinα·E − Vp1·tau·(u − E).
inline std::int64_t referenceLinearWalk(const WalkParameters& p, double& xEnd) {
    const model::FlushDenormals flush;
    const double xScale = p.vx0 * p.tau, yRise = p.tau * p.vy0, yFall = p.Vp1 * p.tau;
    double t = 0, x = 0, y = p.h0;
    std::int64_t n = 0;
    while (y >= 0) {
        const double u = t / p.tau;
        const double E = -std::expm1(-u);
        x = xScale * E;
        y = (p.h0 + yRise * E) - yFall * model::uMinusOneMinusExp(u, E);
        ++n;
        t += p.dt;
    }
    xEnd = x;
    return n;
}

// Classical RK4 of dvx/dt = −(vx/tau + |v|·vx/R2), dvy/dt = −(Vp1/tau + vy/tau + |v|·vy/R2),
// dx/dt = vx, dy/dt = vy, until y < 0.
inline std::int64_t referenceRk4(const WalkParameters& p, double& xEnd) {
    const model::FlushDenormals flush;
    const double h = p.dt, tau = p.tau, Vp1 = p.Vp1, R = p.R2;
    double x = 0, y = p.h0, vx = p.vx0, vy = p.vy0;
    std::int64_t n = 0;
    auto ax = [&](double ux, double v) { return -h * (ux / tau + v * ux / R); };
    auto ay = [&](double uy, double v) { return -h * ((Vp1 / tau + uy / tau) + v * uy / R); };
    while (y >= 0) {
        double v = std::sqrt(vx * vx + vy * vy);
        const double k1x = h * vx, k1y = h * vy, k1vx = ax(vx, v), k1vy = ay(vy, v);
        double ux = vx + k1vx / 2, uy = vy + k1vy / 2;
        v = std::sqrt(ux * ux + uy * uy);
        const double k2x = h * ux, k2y = h * uy, k2vx = ax(ux, v), k2vy = ay(uy, v);
        ux = vx + k2vx / 2;
        uy = vy + k2vy / 2;
        v = std::sqrt(ux * ux + uy * uy);
        const double k3x = h * ux, k3y = h * uy, k3vx = ax(ux, v), k3vy = ay(uy, v);
        ux = vx + k3vx;
        uy = vy + k3vy;
        v = std::sqrt(ux * ux + uy * uy);
        const double k4x = h * ux, k4y = h * uy, k4vx = ax(ux, v), k4vy = ay(uy, v);
        x += (k1x + 2 * k2x + 2 * k3x + k4x) / 6;
        y += (k1y + 2 * k2y + 2 * k3y + k4y) / 6;
        vx += (k1vx + 2 * k2vx + 2 * k3vx + k4vx) / 6;
        vy += (k1vy + 2 * k2vy + 2 * k3vy + k4vy) / 6;
        ++n;
    }
    xEnd = x;
    return n;
}

// The six velocity curves: vacuum vy = vy0 − g·t and linear drag from their closed forms at
// nSteps equal steps, quadratic drag by forward Euler with dt while t < Tmax2. Each point goes to
// add(list, t, v); returns the Euler passes.
struct VelocityLists {
    std::vector<model::PanePoint> vacuumVy, linearVx, linearVy, quadraticVx, quadraticVy;
};

template <class Add>
std::int64_t referenceVelocityPoints(const WalkParameters& p, double Tmax, double Tmax1,
                                     double Tmax2, int nSteps, Add add) {
    const model::FlushDenormals flush;
    for (double t = 0; t <= Tmax; t += Tmax / nSteps)
        add(0, t, p.vy0 - model::g * t);
    for (double t = 0; t <= Tmax1; t += Tmax1 / nSteps) {
        const double e = std::exp(-t / p.tau);
        add(1, t, p.vx0 * e);
        add(2, t, p.vy0 * e - p.Vp1 * (-std::expm1(-t / p.tau)));
    }
    double t = 0, vx = p.vx0, vy = p.vy0;
    std::int64_t n = 0;
    while (t < Tmax2) {
        const double v1 = std::sqrt(vx * vx + vy * vy);
        vx -= p.dt * (vx / p.tau + v1 * vx / p.R2);
        const double v2 = std::sqrt(vx * vx + vy * vy);
        vy -= p.dt * ((p.Vp1 / p.tau + vy / p.tau) + v2 * vy / p.R2);
        t += p.dt;
        ++n;
        add(3, t, vx);
        add(4, t, vy);
    }
    return n;
}

// The curves kept as the panes draw them, in lists.
inline std::int64_t referenceVelocityWalk(const WalkParameters& p, double Tmax, double Tmax1,
                                          double Tmax2, int nSteps, VelocityLists& out) {
    out = {};
    out.vacuumVy.reserve(static_cast<std::size_t>(nSteps) + 2);
    out.linearVx.reserve(static_cast<std::size_t>(nSteps) + 2);
    out.linearVy.reserve(static_cast<std::size_t>(nSteps) + 2);
    std::vector<model::PanePoint>* lists[] = {&out.vacuumVy, &out.linearVx, &out.linearVy,
                                              &out.quadraticVx, &out.quadraticVy};
    return referenceVelocityPoints(
        p, Tmax, Tmax1, Tmax2, nSteps, [&](int list, double t, double v) {
            lists[list]->push_back({static_cast<float>(t), static_cast<float>(v)});
        });
}

// The same walks keeping nothing (the velocities summed into sum, so that none is left out).
inline std::int64_t referenceVelocityPasses(const WalkParameters& p, double Tmax, double Tmax1,
                                            double Tmax2, int nSteps, double& sum) {
    double s = 0;
    const std::int64_t n = referenceVelocityPoints(p, Tmax, Tmax1, Tmax2, nSteps,
                                                   [&s](int, double, double v) { s += v; });
    sum = s;
    return n;
}

} // namespace bench
