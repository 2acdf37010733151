#pragma once

#include "model/physics/ClosedForm.h"
#include "model/physics/Inputs.h"

namespace model {

// Whole-number spans of the graph panes. The edges are the rounded spans times the scale
// factors, with no margin; every left edge and the bottoms of the trajectory and Vx panes are 0.

// Trajectory pane Y(X), m.
struct TrajectoryRanges {
    double trajOriginX = 0;
    double trajRangeX = 0;      // ⌈larger of Xmax, Xmax1⌉
    float trajRangeY = 0;       // ⌈larger of Ymax, Ymax1, taken in single precision⌉
    double left = 0, right = 0; // 0 and trajRangeX·scaleX
    float top = 0;              // scaleY·trajRangeY in single precision
    double bottom = 0;
};

// After the linear-drag walk has given Xmax1.
TrajectoryRanges trajectoryRanges(const ClosedForm& cf, double Xmax1, double scaleX, float scaleY);

// Velocity panes Vx(t) (m/s) and Vy(t) (m/s) over a common time span (s).
struct VelocityRanges {
    double vxRange = 0;         // ⌈v0·cosα⌉
    double tRange = 0;          // ⌈larger of Tmax1, Tmax2⌉
    float vyRangeTop = 0;       // ⌈v0·sinα taken in single precision⌉
    double vyRangeBottom = 0;   // ⌊v0·sinα − g·Tmax⌋
    double left = 0, right = 0; // 0 and tRange·scaleT, both velocity panes
    double vxTop = 0, vxBottom = 0;
    double vyTop = 0, vyBottom = 0;
};

// After the quadratic-drag flight has given Tmax2.
VelocityRanges velocityRanges(const Inputs& in, const ClosedForm& cf, double Tmax1, double Tmax2,
                              double scaleVx, double scaleT);
// The panes' edges from the ranges: time across from 0, Vx up from 0, Vy between its ranges.
void placeVelocityEdges(VelocityRanges& r, double scaleVx, double scaleT);

} // namespace model
