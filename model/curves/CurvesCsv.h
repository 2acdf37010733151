#pragma once

#include "model/Throw.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <ostream>
#include <vector>

namespace model {

// The curves of a throw as CSV (UTF-8, "." decimal): a header line "curve,x,y", then one row
// per point, "trajectory_vacuum,0,0.5". Coordinates are in the pane's units (metres; seconds
// and m/s) with 9 significant digits, which give back the same single-precision value.
// The rows are the curves as the panes draw them: each curve starts with its start point and
// stops at its first point that is not a finite number; a curve not computed yet (the
// quadratic-drag flight before the run, the velocities before the landing) has no rows.
enum CurveGroup : unsigned {
    trajectoryCurves = 1, // trajectory_vacuum, trajectory_linear, trajectory_quadratic
    vxCurves = 2,         // vx_vacuum, vx_linear, vx_quadratic
    vyCurves = 4,         // vy_vacuum, vy_linear, vy_quadratic
    allCurves = 7,
};

// Returns the number of rows written after the header.
std::size_t writeCurvesCsv(const Throw& t, std::ostream& out, unsigned groups = allCurves);

// The curves of a group copied out of a throw, so that their CSV can be written while the
// throw goes on (a save in the background).
struct CsvCurve {
    const char* name;
    std::vector<PanePoint> points;
    std::optional<PanePoint> start; // the trajectories' start point, before their own
};
std::vector<CsvCurve> csvCurvesOf(const Throw& t, unsigned groups = allCurves);

// Whether the curves give any row (at once: only their first points are looked at).
bool hasCsvRows(const std::vector<CsvCurve>& curves);
// Writes them as writeCurvesCsv does; goOn, when given, is told the share of the points
// written now and then, and stops the writing when it answers false.
std::size_t writeCurvesCsv(const std::vector<CsvCurve>& curves, std::ostream& out,
                           const std::function<bool(double share)>& goOn = {});

} // namespace model
