#pragma once

#include "model/curves/PanePoint.h"
#include "model/physics/ClosedForm.h"
#include "model/physics/Inputs.h"

#include <vector>

namespace model {

// The vacuum parabola y(x) = h0 + x·tanα − g·x²/(2·v0²·cos²α) (m), sampled at equal steps of x.
//
// The window draws the top marker (Xp, 0)-(Xp, Ymax) and the start dot (0, h0) itself, then a
// line to each of `points` in order.
struct VacuumPath {
    float stepX = 0; // (trajRangeX − trajOriginX) / nSteps in single precision
    std::vector<PanePoint>
        points;            // line-to targets: loopIndex 0, 1, … up to the first below ground
    int lastLoopIndex = 0; // loopIndex of the last point drawn
    double lastX = 0, lastY = 0; // curX (a single-precision value) and curY of that point
};

// Samples loopIndex = 0 … nSteps, curX = trajOriginX + loopIndex·stepX formed in
// single precision, and stops after the first point with curY < 0. At most nSteps + 1 points.
VacuumPath vacuumPath(const Inputs& in, const ClosedForm& cf, double trajOriginX, double trajRangeX,
                      int nSteps);

} // namespace model
