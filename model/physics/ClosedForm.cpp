#include "model/physics/ClosedForm.h"

#include "model/physics/CancellationFree.h"
#include "model/physics/Constants.h"

#include <cmath>

namespace model {

ClosedForm closedForms(const Inputs& in, double previousTau, double previousVp1) {
    ClosedForm r;
    const double h0 = in.h0, v0 = in.v0, d = in.d, rho = in.rho, rho0 = in.rho0, eta = in.eta;
    const double Cd = in.cd;

    r.alpha = in.alphaDeg * pi / 180;
    const double s = std::sin(r.alpha), c = std::cos(r.alpha);

    if (r.alpha > 0) {
        r.Tp = v0 * s / g;
        r.Ymax = (v0 * s) * (v0 * s) / 2 / g + h0;
        r.Xp = r.Tp * (v0 * c);
    } else {
        r.Tp = 0;
        r.Ymax = h0;
        r.Xp = 0;
    }

    r.a_max = std::atan(std::sqrt(1 / (twoG * h0 / (v0 * v0) + 1))) / pi * 180;

    r.Tmax = (v0 * s + std::sqrt((v0 * s) * (v0 * s) + twoG * h0)) / g;
    r.Xmax = r.Tmax * (v0 * c);
    r.VxEnd = v0 * c;
    r.VyEnd = static_cast<float>(v0 * s - r.Tmax * g);

    r.m = static_cast<float>(std::pow(d, 3) * (pi * rho) / 6);

    if (eta > 0) {
        r.tau = (d * d * rho / 18) / eta;
        r.Vp1 = (1 - rho0 / rho) * (r.tau * g);
    } else {
        r.tau = previousTau;
        r.Vp1 = previousVp1;
        r.viscous = false;
    }

    if (r.alpha >= 0) {
        // The top of the linear-drag flight with x = v0·sinα/Vp1: Tp1 = tau·ln(1 + x),
        // Ymax1 = h0 + tau·Vp1·(x − ln(1 + x)), Xp1 = tau·v0·cosα·x/(1 + x).
        const double x = (v0 * s) / r.Vp1;
        const double L = std::log1p(x);
        r.Tp1 = L * r.tau;
        r.Ymax1 = h0 + r.tau * (r.Vp1 * xMinusLog1p(x));
        r.Xp1 = (x / (1 + x)) * (c * (r.tau * v0));
    } else {
        r.Tp1 = 0;
        r.Ymax1 = h0;
        r.Xp1 = 0;
    }

    // Vp2 = (sqrt(1 + z) − 1)·12·eta/(Cd·rho0·d), with sqrt(1 + z) − 1 = z/(sqrt(1 + z) + 1) so
    // that a small z (a tiny ball in a thick medium) keeps its digits.
    const double z = g * std::pow(d, 3) * (rho0 * ((rho - rho0) * Cd)) / 108 / (eta * eta);
    r.Vp2 = static_cast<float>((z / (std::sqrt(1 + z) + 1)) * ((12 * eta / Cd) / rho0) / d);

    r.R2 = ((4 * rho * d) / 3 / Cd) / rho0;
    return r;
}

std::optional<double> closedFormValue(const ClosedForm& c, Quantity q) {
    switch (q) {
    case Quantity::a_max:
        return c.a_max;
    case Quantity::Tp:
        return c.Tp;
    case Quantity::Xp:
        return c.Xp;
    case Quantity::Ymax:
        return c.Ymax;
    case Quantity::Tmax:
        return c.Tmax;
    case Quantity::Xmax:
        return c.Xmax;
    case Quantity::VxEnd:
        return c.VxEnd;
    case Quantity::VyEnd:
        return c.VyEnd;
    case Quantity::m:
        return c.m;
    case Quantity::tau:
        return c.tau;
    case Quantity::Vp1:
        return c.Vp1;
    case Quantity::Tp1:
        return c.Tp1;
    case Quantity::Xp1:
        return c.Xp1;
    case Quantity::Ymax1:
        return c.Ymax1;
    case Quantity::Vp2:
        return c.Vp2;
    case Quantity::R2:
        return c.R2;
    default:
        return std::nullopt;
    }
}

} // namespace model
