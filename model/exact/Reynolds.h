#pragma once

#include "model/exact/ExactFlight.h"
#include "model/physics/Inputs.h"

namespace model::exact {

// The Reynolds number of the ball in the medium, Re = ρo·v·d/η: how the medium's inertia
// compares with its viscosity, and so which drag law describes the flight.
double reynoldsNumber(const Inputs& in, double speed);

enum class FlowRegime {
    stokes,       // Re < 1: the drag grows as v
    transitional, // 1 ≤ Re ≤ 1000
    quadratic,    // Re > 1000: the drag grows as v²
};
FlowRegime flowRegime(double re);

// At the launch, and at the exact landing of each drag model; NaN where the ball does not land.
struct ReynoldsNumbers {
    double start = 0, end1 = 0, end2 = 0;
};
ReynoldsNumbers reynoldsNumbers(const Inputs& in);
// The same from both drag models' landings, already found.
ReynoldsNumbers reynoldsNumbers(const Inputs& in, const Landing& linear, const Landing& quadratic);

} // namespace model::exact
