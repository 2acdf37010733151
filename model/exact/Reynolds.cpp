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
