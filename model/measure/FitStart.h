#pragma once

#include "model/Quantities.h"
#include "model/measure/Measurements.h"
#include "model/physics/Inputs.h"

#include <optional>
#include <vector>

namespace model::measure {

// How the first points move: position, velocity and acceleration at t = 0 from a polynomial
// fitted to them (least squares, so the noise of single points averages out).
struct LaunchEstimate {
    double x = 0, y = 0, vx = 0, vy = 0, ax = 0, ay = 0;
};
std::optional<LaunchEstimate> estimateLaunch(const std::vector<Point>& points);

// A first guess of the free inputs from the points themselves: the first point's height, the
// launch speed and angle from the first points' motion, and the drag scale (η, or Cd for the
// quadratic drag) from how they slow down. Inputs not free, and those the points cannot give
// (a ball moving backwards, a drag that speeds it up), stay as in start. Nothing when the points
// are too few to say anything. For a path without times (withoutTimes), the height, the angle
// and the speed come from the path's first points as a parabola y(x) would have them.
std::optional<Inputs> startFromPoints(const std::vector<Point>& points, ModelKind model,
                                      const Inputs& start, const std::vector<Field>& free, bool cd,
                                      bool withoutTimes = false);

} // namespace model::measure
