#pragma once

namespace model {

// Whole-number rounding of the graph ranges. Both go through rounding to the nearest whole
// number with ties to even and then correct by one, which makes them the ceiling and the floor.
double roundUp(double x);
double roundDown(double x);

// Spacing of grid lines for a pane span s: 0.25 if s/10 <= 0.25, else 0.5 if s/10 <= 0.5,
// else s/10 rounded to the nearest whole number with ties to even.
double gridStep(double span);

} // namespace model
