#pragma once

#include "model/ClosedForm.h"
#include "model/FlightOutcome.h"
#include "model/Inputs.h"
#include "model/LabelText.h"
#include "model/PanePoint.h"

#include <cstdint>
#include <vector>

namespace model {

// A whole quadratic-drag flight run without animation (report tool, tests, benchmarks): the
// same steps the window makes with QuadraticDragStepper.
struct QuadraticDragFlight {
    FlightOutcome outcome = FlightOutcome::finished;
    std::int64_t steps = 0;
    double dt = 0;
    double Tp2 = 0, Xp2 = 0, Ymax2 = 0;
    double Tmax2 = 0, Xmax2 = 0, VxEnd2 = 0, VyEnd2 = 0;
    PanePoint apexMarker{};
    // The curve as drawn: (x, y) after every pauseEvery-th step, line-to targets after the start
    // dot (0, h0); the top marker does not appear here.
    std::vector<PanePoint> pieces;
    std::vector<LabelText> labels; // Label30, Label29, Label35, Label31, Label32, Label41, Label42
};

QuadraticDragFlight flyQuadraticDrag(const Inputs& in, const ClosedForm& cf, int nSteps,
                                     int pauseEvery);

} // namespace model
