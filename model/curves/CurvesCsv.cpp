#include "model/curves/CurvesCsv.h"

#include "model/NumberText.h"

#include <cmath>
#include <vector>

namespace model {

namespace {

class CsvCurves {
public:
    explicit CsvCurves(std::ostream& out) : out_(out) {}

    // A curve without points of its own is not drawn, start point and all.
    void curve(const char* name, const std::vector<PanePoint>& points,
               const PanePoint* start = nullptr) {
        if (points.empty() || (start && !row(name, *start)))
            return;
        for (const PanePoint& p : points)
            if (!row(name, p))
                return;
    }
    std::size_t rows() const { return rows_; }

private:
    bool row(const char* name, PanePoint p) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y))
            return false;
        // "." whatever the locale the program runs in (printf would follow it).
        std::string line = name;
        for (const double v : {double(p.x), double(p.y)})
            line += ',' + generalText(v, 9);
        line += '\n';
        out_ << line;
        ++rows_;
        return true;
    }

    std::ostream& out_;
    std::size_t rows_ = 0;
};

} // namespace

std::size_t writeCurvesCsv(const Throw& t, std::ostream& out, unsigned groups) {
    CsvCurves csv(out);
    out << "curve,x,y\n";
    if (groups & trajectoryCurves) {
        const PanePoint start{0, static_cast<float>(t.inputs().h0)};
        csv.curve("trajectory_vacuum", t.vacuum().points, &start);
        csv.curve("trajectory_linear", t.linearPath(), &start);
        csv.curve("trajectory_quadratic", t.flightPieces(), &start);
    }
    const VelocityCurves& c = t.velocityCurves();
    if (groups & vxCurves) {
        csv.curve("vx_vacuum", c.vacuumVx);
        csv.curve("vx_linear", c.linearVx);
        csv.curve("vx_quadratic", c.quadraticVx);
    }
    if (groups & vyCurves) {
        csv.curve("vy_vacuum", c.vacuumVy);
        csv.curve("vy_linear", c.linearVy);
        csv.curve("vy_quadratic", c.quadraticVy);
    }
    return csv.rows();
}

} // namespace model
