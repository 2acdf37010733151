#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace model::measure {

// A measured throw: points read from a text table (a video analysis, a phone's sensor log),
// in SI units and placed like the models' flights: the first point is the launch (t = 0,
// x = 0) and y is the height above the ground. A vertical motion (a ball dropped, falling
// through a liquid, tossed up) has x = 0 throughout; a path without times (digitised from a
// photograph, a strobe picture, a figure) has the points' order, 0, 1, 2, …, in place of t.

struct Point {
    double t = 0, x = 0, y = 0; // s, m, m
};

enum class LengthUnit { m, cm, mm };
enum class TimeUnit { s, ms };

// What the table's columns hold: a throw (t, x, y), a vertical motion (t and one position), or
// a path without times (x and y).
enum class Motion { flight, vertical, path };

// How a table becomes points; kept with the points so that a lesson can read them again.
struct ImportSettings {
    int columnT = 0, columnX = 1, columnY = 2; // zero-based columns of the table
    LengthUnit length = LengthUnit::m;
    TimeUnit time = TimeUnit::s;
    bool groundAtLowest = false;    // the ground is the lowest point, not the table's y = 0
    Motion motion = Motion::flight; // vertical: columnT and columnY; path: columnX and columnY
    // A vertical motion's column grows downwards (a fall measured from where the ball starts):
    // the height is its value with the sign turned.
    bool axisDown = false;
};

struct Measurements {
    std::vector<Point> points; // 2 … 100 000, ascending in t
    ImportSettings settings;
    std::size_t skipped = 0; // rows with a missing or non-numeric cell
    std::string source;      // file name or «буфер обмена», for titles and messages
    // What was taken off the table's values to place the points (the launch's t and x, the
    // ground's y): a point as the table gives it, in SI units, is a point plus this (its y with
    // the sign turned for a vertical column that points down).
    Point origin;

    bool vertical() const { return settings.motion == Motion::vertical; }
    bool withoutTimes() const { return settings.motion == Motion::path; }
};

// Velocities from central differences of neighbouring points (one-sided at both ends).
struct VelocityPoint {
    double t = 0, vx = 0, vy = 0; // s, m/s, m/s
};

} // namespace model::measure
