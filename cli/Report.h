#pragma once

#include "model/Throw.h"
#include "model/exact/Reynolds.h"
#include "model/physics/Inputs.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cli {

// A number with 17 significant digits, which reads back to the same double; "null" when it is
// not finite.
std::string exactNumber(double v);

// A JSON string of UTF-8 text, quoted and escaped.
std::string quoted(std::string_view s);

// The throw exactly as the window computes it at the default scale factors, run to its end,
// failing where the window's throw fails. With everyStep it keeps its curves, the flight's
// with every RK4 step, not only every tenth; otherwise it keeps none.
model::Throw computeThrow(const model::Inputs& in, bool everyStep = false);

// Empty when the throw finished and every result is a finite number; otherwise a line for
// stderr saying which model could not finish and why, or which results overflow.
std::string failureText(const model::Throw& t);

// What a report prints of the exact flights: the Reynolds numbers at their landings and, with
// precise, the exact values of the results the walks and the flight step to. Each drag model's
// flight is found once for both, and only its top and landing are kept.
struct ExactFigures {
    model::exact::ReynoldsNumbers reynolds;
    std::optional<std::vector<std::pair<model::Quantity, double>>> precise;
};
ExactFigures exactFigures(const model::Inputs& in, bool precise);

// One JSON object (UTF-8): inputs, the 27 results with their label texts, the pane ranges, the
// step counts and the Reynolds numbers, every number with 17 significant digits; with precise
// figures, also the exact values of the results the walks and the flight step to.
std::string reportJson(const model::Throw& t, const ExactFigures& exact);
std::string reportJson(const model::Throw& t, bool precise = false);

} // namespace cli
