#pragma once

#include "model/curves/PanePoint.h"
#include "model/physics/ClosedForm.h"
#include "model/physics/FlightOutcome.h"
#include "model/physics/Inputs.h"

#include <cstdint>
#include <vector>

namespace model {

// Linear (Stokes) drag with buoyancy, exact solution evaluated at equal time steps
// (tau s, Vp1 m/s from the closed forms):
//   x(t) = v0·tau·cosα·(1 − e^(−t/tau)),  y(t) = h0 − Vp1·t + tau·(Vp1 + v0·sinα)·(1 − e^(−t/tau)),
//   vx(t) = v0·cosα·e^(−t/tau),           vy(t) = (Vp1 + v0·sinα)·e^(−t/tau) − Vp1.
// The walk evaluates t = 0, dt, 2·dt, … (t by repeated addition, dt = Tmax/nSteps) and ends
// after the first point below the ground.

// Results of the walk. Only meaningful when outcome is finished; otherwise the numbers are 0.
struct LinearDragResult {
    FlightOutcome outcome = FlightOutcome::finished;
    double dt = 0;
    double Tmax1 = 0, Xmax1 = 0, VxEnd1 = 0;
    float VyEnd1 = 0;
    std::int64_t points = 0; // evaluated points, the start point (t = 0) included
    double lastY = 0;        // curY of the last evaluated point (the first below ground)
};

// Walks the points without storing them: the flight time, range and end velocities.
LinearDragResult linearDragWalk(const Inputs& in, const ClosedForm& cf, int nSteps);

// The same walk, also telling whether every point of the curve is one a pane can draw (finite
// in single precision): the curve checked without keeping it.
LinearDragResult linearDragWalk(const Inputs& in, const ClosedForm& cf, int nSteps, bool& drawable);

// The same points, as line-to targets after the start dot (0, h0); the curve the pane draws
// ends exactly at Xmax1. `out` is cleared first; on an outcome other than
// finished it holds the points walked so far (at most maxFlightWork).
FlightOutcome linearDragPoints(const Inputs& in, const ClosedForm& cf, int nSteps,
                               std::vector<PanePoint>& out);

} // namespace model
