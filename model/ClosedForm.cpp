#include "ClosedForm.h"

#include "CancellationFree.h"
#include "Constants.h"
#include "NumberFormat.h"

#include <cmath>

namespace model {

ClosedForm parametr(const Inputs& in, double previousTau, double previousVp1,
                    char decimalSeparator) {
    ClosedForm r;
    auto label = [&r](const char* name, std::string text) {
        r.labels.push_back({name, std::move(text)});
    };
    const double h0 = in.h0, v0 = in.v0, d = in.d, rho = in.rho, rho0 = in.rho0, eta = in.eta;
    const double Cd = dragCoefficient;

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
    label("Label20", resultText("a_max= ", r.a_max, NumberRule::shortForm, " град"));
    label("Label16", resultText("Tp= ", r.Tp, NumberRule::point3, " c"));
    label("Label33", resultText("Xp= ", r.Xp, NumberRule::point3, " м"));
    label("Label19", resultText("Ymax= ", r.Ymax, NumberRule::point3, " м"));

    r.Tmax = (v0 * s + std::sqrt((v0 * s) * (v0 * s) + twoG * h0)) / g;
    label("Label17", resultText("Tmax= ", r.Tmax, NumberRule::point3, " c"));
    r.Xmax = r.Tmax * (v0 * c);
    label("Label18", resultText("Xmax= ", r.Xmax, NumberRule::point3, " м"));
    r.VxEnd = v0 * c;
    label("Label37", resultText("Vx(y=0)= ", r.VxEnd, NumberRule::shortForm, " м/c"));
    r.VyEnd = static_cast<float>(v0 * s - r.Tmax * g);
    label("Label38", resultText("Vy(y=0)= ", r.VyEnd, NumberRule::shortForm, " м/c"));

    r.m = static_cast<float>(std::pow(d, 3) * (pi * rho) / 6);
    label("Label43", resultText("m= ", r.m, NumberRule::scientific, " кг", decimalSeparator));

    if (eta > 0) {
        r.tau = (d * d * rho / 18) / eta;
        r.Vp1 = (1 - rho0 / rho) * (r.tau * g);
        label("Label22",
              resultText("tau= ", r.tau, NumberRule::scientific, " c", decimalSeparator));
        label("Label23",
              resultText("Vp1= ", r.Vp1, NumberRule::scientific, " м/c", decimalSeparator));
    } else {
        r.tau = previousTau;
        r.Vp1 = previousVp1;
        label("Label22", "tau ->00");
        label("Label23", "Vp1 ->00");
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
    label("Label24", resultText("Tp1= ", r.Tp1, NumberRule::point3, " c"));
    label("Label25", resultText("Ymax1= ", r.Ymax1, NumberRule::point3, " м"));
    label("Label34", resultText("Xp1= ", r.Xp1, NumberRule::point3, " м"));

    // Vp2 = (sqrt(1 + z) − 1)·12·eta/(Cd·rho0·d), with sqrt(1 + z) − 1 = z/(sqrt(1 + z) + 1) so
    // that a small z (a tiny ball in a thick medium) keeps its digits.
    const double z = g * std::pow(d, 3) * (rho0 * ((rho - rho0) * Cd)) / 108 / (eta * eta);
    r.Vp2 = static_cast<float>((z / (std::sqrt(1 + z) + 1)) * ((12 * eta / Cd) / rho0) / d);
    label("Label44", resultText("Vp2= ", r.Vp2, NumberRule::point3, " м/с"));

    r.R2 = ((4 * rho * d) / 3 / Cd) / rho0;
    label("Label45", resultText("R2= ", r.R2, NumberRule::point3, " м"));
    return r;
}

} // namespace model
