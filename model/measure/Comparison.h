#pragma once

#include "model/Quantities.h"
#include "model/measure/Measurements.h"
#include "model/physics/Inputs.h"

#include <vector>

namespace model::measure {

// The measured velocities: central differences of the neighbouring points, one-sided at both
// ends. Points must be ascending in t with distinct times (as importTable leaves them).
std::vector<VelocityPoint> velocities(const std::vector<Point>& points);

// The residual of one model: the root mean square of the distances (m) between the measured
// points and the model's positions at the same times, from the exact flight values. Not finite
// when the model cannot give them.
double rmsResidual(const std::vector<Point>& points, const Inputs& inputs, ModelKind model);

// The residuals of vacuum, linear and quadratic drag, in that order.
struct Residuals {
    double vacuum = 0, linear = 0, quadratic = 0;
};
Residuals residuals(const std::vector<Point>& points, const Inputs& inputs);

} // namespace model::measure
