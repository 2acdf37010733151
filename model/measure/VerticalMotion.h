#pragma once

#include "model/measure/Measurements.h"
#include "model/physics/Inputs.h"

#include <optional>
#include <string_view>
#include <vector>

namespace model::measure {

// A vertical motion: a time and one position column (a ball dropped, falling through a liquid,
// tossed up). The models run it as a throw straight down (α = −90°) or straight up (+90°); the
// window's angle field still refuses those angles for a throw.

// A column's name that says it is the position of a vertical motion ("position", "depth",
// "height", "h", "z", "глубина", …; lower case, without its unit).
bool verticalPositionName(std::string_view name);

// Which way such a column points by its name: down for a fall or a depth, up for a height;
// nothing when the name does not say ("position", "s").
std::optional<bool> axisDownByName(std::string_view name);

// Which way a column of positions points, from the motion itself. A position that only grows or
// only shrinks is a fall: gravity cannot carry a ball steadily upwards, while a falling ball's
// speed grows towards its terminal value; so a column that only grows points down. One that
// turns is a ball tossed up that comes back: it turns at its top, so a column turning at its
// least value points down. values are in time order.
bool axisDownByMotion(const std::vector<double>& values);

// The angle the models run at for a vertical motion's points: +90° when the first points rise
// (the fifth above the first), −90° otherwise.
double verticalAngle(const std::vector<Point>& points);

// The inputs the models are compared with m at: in, at the vertical angle for a vertical motion.
Inputs inputsFor(const Measurements& m, Inputs in);

} // namespace model::measure
