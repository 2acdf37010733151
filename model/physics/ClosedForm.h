#pragma once

#include "model/Quantities.h"
#include "model/physics/Inputs.h"

#include <optional>

namespace model {

// Everything about a throw that has a closed form.
//
// Vacuum: y(t) = h0 + v0·sinα·t − g·t²/2, landing at y = 0.
// Linear drag (Stokes force 3·pi·eta·d·v plus buoyancy): tau = rho·d²/(18·eta) s,
//   terminal speed Vp1 = g·tau·(1 − rho0/rho) m/s,
//   vy(t) = (v0·sinα + Vp1)·e^(−t/tau) − Vp1, vx(t) = v0·cosα·e^(−t/tau).
// Quadratic drag (adds Cd·rho0·S·v²/2, S = pi·d²/4): terminal speed Vp2 of both drags together,
//   characteristic length R2 = 4·rho·d/(3·Cd·rho0) m.
struct ClosedForm {
    double alpha = 0; // rad
    double Tp = 0, Xp = 0, Ymax = 0;
    double a_max = 0; // degrees
    double Tmax = 0, Xmax = 0, VxEnd = 0;
    float VyEnd = 0;
    float m = 0; // kg
    double tau = 0, Vp1 = 0;
    double Tp1 = 0, Xp1 = 0, Ymax1 = 0;
    float Vp2 = 0;
    double R2 = 0;
    // False when eta <= 0: there is no finite tau, and tau and Vp1 are the values passed in.
    bool viscous = true;
};

// Computes the closed forms from the inputs. When eta <= 0 (which no input field lets through)
// tau and Vp1 keep the values passed in, the previous ones, and their labels read "tau ->00"
// and "Vp1 ->00".
ClosedForm closedForms(const Inputs& in, double previousTau = 0, double previousVp1 = 0);

// One of the closed-form results by its catalogue name; nothing for a result of the walks.
std::optional<double> closedFormValue(const ClosedForm& c, Quantity q);

} // namespace model
