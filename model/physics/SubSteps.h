#pragma once

#include "model/physics/FlightOutcome.h"

#include <cmath>
#include <cstdint>

namespace model {

// How many equal sub-steps one time step of the quadratic-drag equations needs. A light ball
// thrown fast into a thick medium starts stiff: with λ = 1/tau + |v|/R2 (1/s) from the step's
// start velocities, a step with dt·λ > 0.5 leaves the stability region of the explicit methods,
// so it is split into k = ⌈dt·λ/0.5⌉ sub-steps of dt/k. Ordinary throws get k = 1 and the
// plain figures. The RK4 flight and the Euler velocity curves share this rule.
struct SubSteps {
    FlightOutcome outcome = FlightOutcome::finished; // tooLong: more than workLeft sub-steps
    std::int64_t count = 1;
};

inline SubSteps subStepsFor(double dt, double tau, double R2, double vx, double vy,
                            std::int64_t workLeft) {
    const double q = dt * (1 / tau + std::sqrt(vx * vx + vy * vy) / R2);
    if (!std::isfinite(q))
        return {FlightOutcome::notFinite, 0};
    const double k = q > 0.5 ? std::ceil(q / 0.5) : 1;
    if (k > static_cast<double>(workLeft))
        return {FlightOutcome::tooLong, 0};
    return {FlightOutcome::finished, static_cast<std::int64_t>(k)};
}

} // namespace model
