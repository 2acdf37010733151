#include "model/exact/Reynolds.h"

#include <cmath>

namespace model::exact {

namespace {

double landingSpeed(const Landing& l) {
    return l.reached ? std::hypot(l.vx, l.vy) : NAN;
}

} // namespace

double reynoldsNumber(const Inputs& in, double speed) {
    return in.rho0 * speed * in.d / in.eta;
}

double smoothSphereDragCoefficient(double re) {
    if (!(re >= dragLawLowestRe && re <= dragLawHighestRe))
        return std::nan("");
    const double a = re / 5, b = re / 263000, c = re / 1e6;
    return 24 / re + 2.6 * a / (1 + std::pow(a, 1.52)) +
           0.411 * std::pow(b, -7.94) / (1 + std::pow(b, -8)) + 0.25 * c / (1 + c);
}

FlowRegime flowRegime(double re) {
    if (re < 1)
        return FlowRegime::stokes;
    if (re <= 1000)
        return FlowRegime::transitional;
    if (re <= 2e5)
        return FlowRegime::quadratic;
    return FlowRegime::pastDragCrisis;
}

ReynoldsNumbers reynoldsNumbers(const Inputs& in) {
    return reynoldsNumbers(in, flightEnds(in, ModelKind::linear).landing,
                           flightEnds(in, ModelKind::quadratic).landing);
}

ReynoldsNumbers reynoldsNumbers(const Inputs& in, const Landing& linear, const Landing& quadratic) {
    return {reynoldsNumber(in, in.v0), reynoldsNumber(in, landingSpeed(linear)),
            reynoldsNumber(in, landingSpeed(quadratic))};
}

} // namespace model::exact
