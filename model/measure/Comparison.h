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
// points and the model's positions at the same times, from the exact flight values. A point
// timed after the model's landing is compared with the landing point (the ball lies where it
// landed), one before the launch with the launch point: the model is never followed beyond its
// landing, so a stray time costs no more than any other. Not finite when the model cannot give
// the positions.
double rmsResidual(const std::vector<Point>& points, const Inputs& inputs, ModelKind model);

// The points that lie outside one model's flight in time: before its launch, after its landing.
struct OutsideFlight {
    std::size_t beforeLaunch = 0, afterLanding = 0;
};
OutsideFlight outsideFlight(const std::vector<Point>& points, const Inputs& inputs,
                            ModelKind model);

// For points without times (a path): the root mean square of the distances (m) from each point
// to the nearest place of the model's path, launch to landing. Not finite when the model gives
// no path.
double rmsPathDistance(const std::vector<Point>& points, const Inputs& inputs, ModelKind model);

// The residuals of vacuum, linear and quadratic drag, in that order.
struct Residuals {
    double vacuum = 0, linear = 0, quadratic = 0;
};
Residuals residuals(const std::vector<Point>& points, const Inputs& inputs);
// As measured points are compared: a vertical motion with the models run straight down or up,
// a path without times by the distance to each model's path.
Residuals residuals(const Measurements& m, const Inputs& inputs);

} // namespace model::measure
