#pragma once

#include "model/physics/Inputs.h"

#include <cstdint>

namespace bench {

// A throw as the benchmarks run it: the inputs and the steps per vacuum flight time.
struct Throw {
    model::Inputs in;
    int nSteps;
};

// The viscous example: a light ball (1200 kg/m³, 5 cm) thrown into a medium of 1000 kg/m³ and
// 1.5 Pa·s from 2 m at 10 m/s and 45°.
inline model::Inputs viscousInputs() {
    return {2, 10, 45, 0.05, 1200, 1000, 1.5};
}

// A long flight at the window's 1000 steps: the viscous example with a ball only 0.1 % heavier
// than the medium sinks at about 0.1 mm/s and needs about a million steps. Its horizontal
// velocity falls below the smallest normal double after about 20 000 of them.
inline model::Inputs longFlightInputs() {
    return {2, 10, 45, 0.05, 1001.4, 1000, 1.5};
}

// 0 the default throw, 1 the viscous example, 2 the default throw cut into 904 000 steps
// instead of 1000 (about a million steps), 3 the long flight.
inline Throw throwOf(std::int64_t which) {
    switch (which) {
    case 1:
        return {viscousInputs(), 1000};
    case 2:
        return {{}, 904000};
    case 3:
        return {longFlightInputs(), 1000};
    default:
        return {{}, 1000};
    }
}

} // namespace bench
