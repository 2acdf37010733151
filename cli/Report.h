#pragma once

#include "model/Throw.h"
#include "model/physics/Inputs.h"

#include <string>

namespace cli {

// A number with 17 significant digits, which reads back to the same double; "null" when it is
// not finite.
std::string exactNumber(double v);

// The throw exactly as the window computes it at the default scale factors, run to its end.
// With everyStep the flight's curve keeps every RK4 step, not only every tenth.
model::Throw computeThrow(const model::Inputs& in, bool everyStep = false);

// Empty when the throw finished and every result is a finite number; otherwise a line for
// stderr saying which model could not finish and why, or which results overflow.
std::string failureText(const model::Throw& t);

// One JSON object (UTF-8): inputs, the 27 results with their label texts, the pane ranges, the
// step counts and the Reynolds numbers, every number with 17 significant digits; with precise,
// also the exact values of the results the walks and the flight step to.
std::string reportJson(const model::Throw& t, bool precise = false);

} // namespace cli
