#include "ui/measure/MeasuredDrawing.h"

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

// A marker a hundred and sixtieth of the pane's span across; at most this many markers are
// drawn, evenly chosen, so that a long table does not cover the curves.
constexpr double markerShare = 1.0 / 160;
constexpr std::size_t maxMarkers = 1500;

struct Span {
    double left, top, right, bottom;
};

void cross(graphs::PaneSurface& pane, double x, double y, const Span& s) {
    const double dx = (s.right - s.left) * markerShare, dy = (s.top - s.bottom) * markerShare;
    if (!std::isfinite(x) || !std::isfinite(y))
        return;
    pane.drawLine(float(x - dx), float(y - dy), float(x + dx), float(y + dy), measuredColour);
    pane.drawLine(float(x - dx), float(y + dy), float(x + dx), float(y - dy), measuredColour);
}

template <typename Points, typename Draw> void everyShown(const Points& points, Draw draw) {
    const std::size_t step =
        std::max<std::size_t>(1, (points.size() + maxMarkers - 1) / maxMarkers);
    for (std::size_t i = 0; i < points.size(); i += step)
        draw(points[i]);
}

// A whole-number span of at least 1, as the panes' own ranges are.
double spanUp(double v) {
    return std::max(1.0, std::ceil(v));
}

} // namespace

model::TrajectoryRanges measuredTrajectoryRanges(const model::measure::Measurements& m,
                                                 const model::Throw& current) {
    model::TrajectoryRanges r = current.trajectoryRanges();
    double maxX = 0, maxY = 0;
    for (const model::measure::Point& p : m.points) {
        maxX = std::max(maxX, p.x);
        maxY = std::max(maxY, p.y);
    }
    r.trajRangeX = std::max(r.trajRangeX, spanUp(maxX));
    r.trajRangeY = std::max(r.trajRangeY, float(spanUp(maxY)));
    const double scaleX = current.settings().scaleX > 0 ? current.settings().scaleX : 0.1;
    const float scaleY = current.settings().scaleY > 0 ? current.settings().scaleY : 0.1f;
    r.right = r.trajRangeX * scaleX;
    r.top = scaleY * r.trajRangeY;
    return r;
}

std::optional<model::VelocityRanges>
measuredVelocityRanges(const std::vector<model::measure::VelocityPoint>& velocities,
                       const model::Throw& current) {
    std::optional<model::VelocityRanges> r;
    if (current.velocitiesReady())
        r = current.velocityRanges();
    if (velocities.empty())
        return r;
    if (!r) {
        r.emplace();
        r->vyRangeTop = 1;
        r->vyRangeBottom = -1;
    }
    for (const model::measure::VelocityPoint& v : velocities) {
        r->tRange = std::max(r->tRange, spanUp(v.t));
        r->vxRange = std::max(r->vxRange, spanUp(v.vx));
        r->vyRangeTop = std::max(r->vyRangeTop, float(std::ceil(v.vy)));
        r->vyRangeBottom = std::min(r->vyRangeBottom, std::floor(v.vy));
    }
    model::placeVelocityEdges(*r, current.settings().scaleVx, current.settings().scaleT);
    return r;
}

void drawMeasuredTrajectory(graphs::PaneSurface& pane, const model::measure::Measurements& m,
                            const model::TrajectoryRanges& r) {
    const Span s{r.left, r.top, r.right, r.bottom};
    pane.setPenWidth(2);
    everyShown(m.points, [&](const model::measure::Point& p) { cross(pane, p.x, p.y, s); });
}

void drawMeasuredVelocities(graphs::PaneSurface& vxPane, graphs::PaneSurface& vyPane,
                            const std::vector<model::measure::VelocityPoint>& velocities,
                            const model::VelocityRanges& v) {
    const Span sx{v.left, v.vxTop, v.right, v.vxBottom}, sy{v.left, v.vyTop, v.right, v.vyBottom};
    vxPane.setPenWidth(2);
    vyPane.setPenWidth(2);
    everyShown(velocities, [&](const model::measure::VelocityPoint& p) {
        cross(vxPane, p.t, p.vx, sx);
        cross(vyPane, p.t, p.vy, sy);
    });
}

std::optional<NearestPoint>
nearestMeasuredPoint(const model::measure::Measurements& m,
                     const std::vector<model::measure::VelocityPoint>& velocities, model::Graph g,
                     double x, double y) {
    const auto& points = m.points;
    const bool trajectory = g == model::Graph::trajectory;
    auto abscissa = [&](std::size_t i) { return trajectory ? points[i].x : velocities[i].t; };
    auto value = [&](std::size_t i) {
        return trajectory              ? points[i].y
               : g == model::Graph::vx ? velocities[i].vx
                                       : velocities[i].vy;
    };
    // A vertical motion's points are one column at x = 0: the pointer's height tells them apart.
    const bool byHeight = trajectory && m.vertical();
    auto distance = [&](std::size_t i) {
        return byHeight ? std::abs(value(i) - y) : std::abs(abscissa(i) - x);
    };
    const std::size_t n = trajectory ? points.size() : velocities.size();
    if (n == 0)
        return std::nullopt;
    std::size_t best = 0;
    for (std::size_t i = 1; i < n; ++i)
        if (distance(i) < distance(best))
            best = i;
    return NearestPoint{best, abscissa(best), value(best)};
}

} // namespace ui
