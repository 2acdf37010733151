#include "ClosedForm.h"

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
    label("Label20", "a_max= " + FormatShort(r.a_max) + " град");
    label("Label16", "Tp= " + FormatPoint(r.Tp, "0.000") + " c");
    label("Label33", "Xp= " + FormatPoint(r.Xp, "0.000") + " м");
    label("Label19", "Ymax= " + FormatPoint(r.Ymax, "0.000") + " м");

    r.Tmax = (v0 * s + std::sqrt((v0 * s) * (v0 * s) + twoG * h0)) / g;
    label("Label17", "Tmax= " + FormatPoint(r.Tmax, "0.000") + " c");
    r.Xmax = r.Tmax * (v0 * c);
    label("Label18", "Xmax= " + FormatPoint(r.Xmax, "0.000") + " м");
    r.VxEnd = v0 * c;
    label("Label37", "Vx(y=0)= " + FormatShort(r.VxEnd) + " м/c");
    r.VyEnd = static_cast<float>(v0 * s - r.Tmax * g);
    label("Label38", "Vy(y=0)= " + FormatShort(r.VyEnd) + " м/c");

    r.m = static_cast<float>(std::pow(d, 3) * (pi * rho) / 6);
    label("Label43", "m= " + FormatSci(r.m, decimalSeparator) + " кг");

    if (eta > 0) {
        r.tau = (d * d * rho / 18) / eta;
        r.Vp1 = (1 - rho0 / rho) * (r.tau * g);
        label("Label22", "tau= " + FormatSci(r.tau, decimalSeparator) + " c");
        label("Label23", "Vp1= " + FormatSci(r.Vp1, decimalSeparator) + " м/c");
    } else {
        r.tau = previousTau;
        r.Vp1 = previousVp1;
        label("Label22", "tau ->00");
        label("Label23", "Vp1 ->00");
    }

    if (r.alpha >= 0) {
        const double L = std::log(v0 * s / r.Vp1 + 1);
        r.Tp1 = L * r.tau;
        r.Ymax1 = h0 - (r.Vp1 * L - v0 * s) * r.tau;
        r.Xp1 = (1 - std::exp(-r.Tp1 / r.tau)) * (c * (r.tau * v0));
    } else {
        r.Tp1 = 0;
        r.Ymax1 = h0;
        r.Xp1 = 0;
    }
    label("Label24", "Tp1= " + FormatPoint(r.Tp1, "0.000") + " c");
    label("Label25", "Ymax1= " + FormatPoint(r.Ymax1, "0.000") + " м");
    label("Label34", "Xp1= " + FormatPoint(r.Xp1, "0.000") + " м");

    r.Vp2 = static_cast<float>(
        (std::sqrt(1 + g * std::pow(d, 3) * (rho0 * ((rho - rho0) * Cd)) / 108 / (eta * eta)) - 1) *
        ((12 * eta / Cd) / rho0) / d);
    label("Label44", "Vp2= " + FormatPoint(r.Vp2, "0.000") + " м/с");

    r.R2 = ((4 * rho * d) / 3 / Cd) / rho0;
    label("Label45", "R2= " + FormatPoint(r.R2, "0.000") + " м");
    return r;
}

} // namespace model
