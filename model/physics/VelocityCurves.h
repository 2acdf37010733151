#pragma once

#include "model/curves/PanePoint.h"
#include "model/physics/ClosedForm.h"
#include "model/physics/FlightOutcome.h"
#include "model/physics/Inputs.h"

#include <cstdint>
#include <vector>

namespace model {

// Velocity components against time (s, m/s) of the three models, as the panes draw them.
// Every list starts with its start dot and continues with line-to targets, except vacuumVx,
// which is the one line (0, vx0)-(Tmax, vx0). Drawing order per pane: vacuum, linear, quadratic.
//   vacuum:    vx = vx0, vy = vy0 − g·t                 (t = 0 … Tmax, step Tmax/nSteps)
//   linear:    vx = vx0·e^(−t/tau), vy = −Vp1 + (Vp1 + v0·sinα)·e^(−t/tau)  (t = 0 … Tmax1)
//   quadratic: forward Euler of the quadratic-drag velocity equations with dt while t < Tmax2,
//              sub-stepped by the rule the RK4 flight uses (SubSteps.h).
struct VelocityCurves {
    FlightOutcome outcome = FlightOutcome::finished;
    double vx0 = 0;
    float vy0 = 0;
    std::vector<PanePoint> vacuumVx; // two points: the line's ends
    std::vector<PanePoint> vacuumVy;
    std::vector<PanePoint> linearVx, linearVy;
    std::vector<PanePoint> quadraticVx, quadraticVy;
    std::int64_t passes = 0;                  // forward-Euler passes of the quadratic curves
    double lastT = 0, lastVx = 0, lastVy = 0; // the last quadratic point, in double
    // Without keepPoints: whether every point walked is one a pane can draw (finite in single
    // precision). With the points kept it is not looked at and stays true.
    bool drawable = true;
};

// The six curves (nSteps >= 1). Tmax1 and Tmax2 are the linear and quadratic flight times, dt the
// step of the quadratic flight. With an outcome other than finished the lists hold what was drawn
// so far. Without keepPoints the same walks run and the lists stay empty: the passes, the outcome
// and drawable tell what the curves would have been.
VelocityCurves velocityCurves(const Inputs& in, const ClosedForm& cf, double Tmax1, double Tmax2,
                              double dt, int nSteps, bool keepPoints = true);

} // namespace model
