#include "model/exact/Reynolds.h"

#include "model/exact/ExactFlight.h"

#include <cmath>

namespace model::exact {

namespace {

double landingSpeed(const Inputs& in, ModelKind model) {
    const Landing l = ExactFlight(in, model).landing();
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
    return {reynoldsNumber(in, in.v0), reynoldsNumber(in, landingSpeed(in, ModelKind::linear)),
            reynoldsNumber(in, landingSpeed(in, ModelKind::quadratic))};
}

} // namespace model::exact
