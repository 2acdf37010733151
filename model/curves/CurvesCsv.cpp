#include "model/curves/CurvesCsv.h"

#include "model/NumberText.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace model {

namespace {

constexpr std::size_t kRowsBetweenChecks = 4096;

bool finite(PanePoint p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// The rows a curve gives: none without points of its own; its start point and points up to the
// first that is not a finite number.
std::size_t rowsOf(const CsvCurve& c) {
    if (c.points.empty() || (c.start && !finite(*c.start)))
        return 0;
    std::size_t n = 0;
    while (n < c.points.size() && finite(c.points[n]))
        ++n;
    return n + (c.start ? 1 : 0);
}

void writeRow(std::ostream& out, const char* name, PanePoint p) {
    // "." whatever the locale the program runs in (printf would follow it).
    std::string line = name;
    for (const double v : {double(p.x), double(p.y)})
        line += ',' + generalText(v, 9);
    line += '\n';
    out << line;
}

} // namespace

std::vector<CsvCurve> csvCurvesOf(const Throw& t, unsigned groups) {
    std::vector<CsvCurve> curves;
    if (groups & trajectoryCurves) {
        const PanePoint start{0, static_cast<float>(t.inputs().h0)};
        curves.push_back({"trajectory_vacuum", t.vacuum().points, start});
        curves.push_back({"trajectory_linear", t.linearPath(), start});
        curves.push_back({"trajectory_quadratic", t.flightPieces(), start});
    }
    const VelocityCurves& c = t.velocityCurves();
    if (groups & vxCurves) {
        curves.push_back({"vx_vacuum", c.vacuumVx, std::nullopt});
        curves.push_back({"vx_linear", c.linearVx, std::nullopt});
        curves.push_back({"vx_quadratic", c.quadraticVx, std::nullopt});
    }
    if (groups & vyCurves) {
        curves.push_back({"vy_vacuum", c.vacuumVy, std::nullopt});
        curves.push_back({"vy_linear", c.linearVy, std::nullopt});
        curves.push_back({"vy_quadratic", c.quadraticVy, std::nullopt});
    }
    return curves;
}

bool hasCsvRows(const std::vector<CsvCurve>& curves) {
    // A curve with rows has a finite start point, or a finite first point of its own.
    return std::any_of(curves.begin(), curves.end(), [](const CsvCurve& c) {
        return !c.points.empty() && (c.start ? finite(*c.start) : finite(c.points.front()));
    });
}

std::size_t writeCurvesCsv(const std::vector<CsvCurve>& curves, std::ostream& out,
                           const std::function<bool(double share)>& goOn) {
    out << "curve,x,y\n";
    std::size_t all = 0;
    for (const CsvCurve& c : curves)
        all += rowsOf(c);
    std::size_t rows = 0;
    for (const CsvCurve& c : curves) {
        const std::size_t n = rowsOf(c);
        for (std::size_t i = 0; i < n; ++i, ++rows) {
            if (goOn && rows % kRowsBetweenChecks == 0 && !goOn(double(rows) / double(all)))
                return rows;
            const bool start = c.start.has_value();
            writeRow(out, c.name, start && i == 0 ? *c.start : c.points[i - (start ? 1 : 0)]);
        }
    }
    return rows;
}

std::size_t writeCurvesCsv(const Throw& t, std::ostream& out, unsigned groups) {
    return writeCurvesCsv(csvCurvesOf(t, groups), out);
}

} // namespace model
