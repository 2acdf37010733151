#pragma once

#include "model/Quantities.h"
#include "model/exact/ExactFlight.h"
#include "model/physics/Inputs.h"

#include <optional>
#include <utility>
#include <vector>

namespace model::exact {

// The exact counterparts of the results the window gets by walking the linear-drag flight and
// stepping the quadratic-drag one: Tmax1, Xmax1, VxEnd1, VyEnd1 from the linear landing;
// Tp2, Xp2, Ymax2 from the quadratic top; Tmax2, Xmax2, VxEnd2, VyEnd2 from its landing.
// The Reynolds numbers Re, Re1, Re2 a study lists are exact values too.

// Whether q is one of them.
bool hasExactValue(Quantity q);

// q at the inputs, computing only the flight it needs; nothing for a result of the closed forms
// or when the ball does not come down.
std::optional<double> exactValue(Quantity q, const Inputs& in);

// Those of the labels (not the Reynolds numbers), in catalogue order; a value that cannot be had
// is NaN.
std::vector<std::pair<Quantity, double>> exactValues(const Inputs& in);
// The same from the ends of both drag models' flights, already found.
std::vector<std::pair<Quantity, double>> exactValues(const FlightEnds& linear,
                                                     const FlightEnds& quadratic);

} // namespace model::exact
