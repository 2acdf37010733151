#pragma once

#include "ClosedForm.h"
#include "Inputs.h"

#include <cstdint>

namespace model {

// The one state the main window holds for its whole life: inputs, closed-form results, results
// of the step models, graph ranges and scale factors. Every number starts at 0; setDefaults()
// puts in the start values.
struct ModelState {
    Inputs in{0, 0, 0, 0, 0, 0, 0};
    double Cd = 0;

    ClosedForm closed; // alpha, Tp … R2

    // Step-model results read by the graph ranges and the velocity curves.
    double Tmax1 = 0, Xmax1 = 0, VxEnd1 = 0;
    float VyEnd1 = 0;
    double Tmax2 = 0, VxEnd2 = 0, VyEnd2 = 0;
    double dt = 0;

    // Scale factors of the graphs.
    double scaleX = 0;
    float scaleY = 0;
    double scaleVx = 0, scaleT = 0;

    std::int16_t nSteps = 0;
    std::int16_t pauseEvery = 0;
    std::int16_t drawFlag = 0;

    // Loading is complete: field and scroll-bar changes recompute only once this is set.
    bool zagruzka = false;

    // Puts in the start values of the inputs, the drag coefficient, the step counts and the
    // scale factors (the window writes the fields and scroll bars itself).
    void setDefaults() {
        in = Inputs{};
        Cd = dragCoefficient;
        nSteps = 1000;
        pauseEvery = 10;
        scaleX = 1;
        scaleY = 1.0f;
        scaleVx = 1;
        scaleT = 1;
    }
};

} // namespace model
