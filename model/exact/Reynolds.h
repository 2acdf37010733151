#pragma once

#include "model/exact/ExactFlight.h"
#include "model/physics/Inputs.h"

namespace model::exact {

// The Reynolds number of the ball in the medium, Re = ρo·v·d/η: how the medium's inertia
// compares with its viscosity, and so which drag law describes the flight.
double reynoldsNumber(const Inputs& in, double speed);

// tau and Vp1 (Stokes' law) hold only in the first; the drag of a smooth sphere grows as v² with
// Cd ≈ 0.4–0.5 in the third; past the drag crisis (Re ≈ 2·10⁵–3·10⁵) Cd falls to 0.1–0.2, so
// the models' constant Cd = 0.5 overstates the drag several times.
enum class FlowRegime {
    stokes,         // Re < 1: the drag grows as v
    transitional,   // 1 ≤ Re ≤ 1000
    quadratic,      // 1000 < Re ≤ 2·10⁵: the drag grows as v²
    pastDragCrisis, // Re > 2·10⁵
};
FlowRegime flowRegime(double re);

// The drag coefficient of a smooth sphere at Re, by the correlation of Morrison F. A. An
// Introduction to Fluid Mechanics (Cambridge University Press, 2013):
//   Cd = 24/Re + 2.6·(Re/5)/(1 + (Re/5)^1.52) + 0.411·(Re/263000)^−7.94/(1 + (Re/263000)^−8)
//        + 0.25·(Re/10⁶)/(1 + Re/10⁶),
// which follows the measured curve from Re = 0.1 to 10⁶, the drag crisis included; NaN outside
// that range. A reading beside the models' constant Cd: no model computes with it.
double smoothSphereDragCoefficient(double re);
inline constexpr double dragLawLowestRe = 0.1, dragLawHighestRe = 1e6;

// At the launch, and at the exact landing of each drag model; NaN where the ball does not land.
struct ReynoldsNumbers {
    double start = 0, end1 = 0, end2 = 0;
};
ReynoldsNumbers reynoldsNumbers(const Inputs& in);
// The same from both drag models' landings, already found.
ReynoldsNumbers reynoldsNumbers(const Inputs& in, const Landing& linear, const Landing& quadratic);

} // namespace model::exact
