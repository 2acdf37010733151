#include "ui/run/CurveDrawing.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace ui {

using graphs::PaneSurface;
using model::PanePoint;

bool drawable(PanePoint p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

bool drawable(double x, double y) {
    return drawable(PanePoint{static_cast<float>(x), static_cast<float>(y)});
}

namespace {

// Line-to targets from index `from` on; stops at the first point that cannot be drawn.
bool lineThrough(PaneSurface& pane, const std::vector<PanePoint>& points, std::size_t from,
                 const QColor& colour) {
    for (std::size_t i = from; i < points.size(); ++i) {
        if (!drawable(points[i]))
            return false;
        pane.drawLineTo(points[i].x, points[i].y, colour);
    }
    return true;
}

// The top marker with the thin pen, then the start dot with the thick one.
bool markerAndStart(PaneSurface& pane, double xTop, double yTop, double h0, const QColor& colour) {
    if (!drawable(xTop, yTop) || !drawable(0, h0))
        return false;
    pane.setPenWidth(1);
    pane.drawLine(static_cast<float>(xTop), 0, static_cast<float>(xTop), static_cast<float>(yTop),
                  colour);
    pane.setPenWidth(3);
    pane.drawPoint(0, static_cast<float>(h0), colour);
    return true;
}

// A start dot and its curve on one pane; the dot is the list's first point.
bool dot(PaneSurface& pane, const std::vector<PanePoint>& points, const QColor& colour) {
    if (points.empty() || !drawable(points.front()))
        return false;
    pane.drawPoint(points.front().x, points.front().y, colour);
    return true;
}

// Two curves of one model, one point of each pane in turn.
bool interleave(PaneSurface& vxPane, const std::vector<PanePoint>& vx, PaneSurface& vyPane,
                const std::vector<PanePoint>& vy, const QColor& colour) {
    const std::size_t n = std::max(vx.size(), vy.size());
    bool ok = true;
    bool vxOn = true, vyOn = true;
    for (std::size_t i = 1; i < n; ++i) {
        if (vxOn && i < vx.size()) {
            vxOn = drawable(vx[i]);
            if (vxOn)
                vxPane.drawLineTo(vx[i].x, vx[i].y, colour);
        }
        if (vyOn && i < vy.size()) {
            vyOn = drawable(vy[i]);
            if (vyOn)
                vyPane.drawLineTo(vy[i].x, vy[i].y, colour);
        }
        ok = ok && vxOn && vyOn;
    }
    return ok;
}

} // namespace

bool drawVacuumPath(PaneSurface& pane, const model::ClosedForm& cf, double h0,
                    const model::VacuumPath& path) {
    return markerAndStart(pane, cf.Xp, cf.Ymax, h0, graphs::vacuumColour) &&
           lineThrough(pane, path.points, 0, graphs::vacuumColour);
}

bool drawLinearDragPath(PaneSurface& pane, const model::ClosedForm& cf, double h0,
                        const std::vector<PanePoint>& points) {
    return markerAndStart(pane, cf.Xp1, cf.Ymax1, h0, graphs::linearDragColour) &&
           lineThrough(pane, points, 0, graphs::linearDragColour);
}

bool drawVelocityCurves(PaneSurface& vxPane, PaneSurface& vyPane, const model::VelocityCurves& c) {
    vxPane.setPenWidth(3);
    vyPane.setPenWidth(3);
    bool ok = true;

    if (c.vacuumVx.size() == 2 && drawable(c.vacuumVx[0]) && drawable(c.vacuumVx[1]))
        vxPane.drawLine(c.vacuumVx[0].x, c.vacuumVx[0].y, c.vacuumVx[1].x, c.vacuumVx[1].y,
                        graphs::vacuumColour);
    else
        ok = false;
    ok = dot(vyPane, c.vacuumVy, graphs::vacuumColour) &&
         lineThrough(vyPane, c.vacuumVy, 1, graphs::vacuumColour) && ok;

    const bool linearDots = dot(vxPane, c.linearVx, graphs::linearDragColour) &&
                            dot(vyPane, c.linearVy, graphs::linearDragColour);
    ok = linearDots &&
         interleave(vxPane, c.linearVx, vyPane, c.linearVy, graphs::linearDragColour) && ok;

    const bool quadraticDots = dot(vxPane, c.quadraticVx, graphs::quadraticDragColour) &&
                               dot(vyPane, c.quadraticVy, graphs::quadraticDragColour);
    ok = quadraticDots &&
         interleave(vxPane, c.quadraticVx, vyPane, c.quadraticVy, graphs::quadraticDragColour) &&
         ok;
    return ok;
}

} // namespace ui
