#include "ui/run/ThrowDrawing.h"

#include "graphs/Axes.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <vector>

namespace ui {

using graphs::PaneSurface;
using model::PanePoint;

namespace {

bool drawable(PanePoint p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

bool drawable(double x, double y) {
    return drawable(PanePoint{static_cast<float>(x), static_cast<float>(y)});
}

// Line-to targets from index `from` on, up to the first point that cannot be drawn.
void lineThrough(PaneSurface& pane, const std::vector<PanePoint>& points, std::size_t from,
                 const QColor& colour) {
    for (std::size_t i = from; i < points.size() && drawable(points[i]); ++i)
        pane.drawLineTo(points[i].x, points[i].y, colour);
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

// A start dot, the list's first point, on one pane.
bool dot(PaneSurface& pane, const std::vector<PanePoint>& points, const QColor& colour) {
    if (points.empty() || !drawable(points.front()))
        return false;
    pane.drawPoint(points.front().x, points.front().y, colour);
    return true;
}

// Two curves of one model, one point of each pane in turn.
void interleave(PaneSurface& vxPane, const std::vector<PanePoint>& vx, PaneSurface& vyPane,
                const std::vector<PanePoint>& vy, const QColor& colour) {
    const std::size_t n = std::max(vx.size(), vy.size());
    bool vxOn = true, vyOn = true;
    for (std::size_t i = 1; i < n; ++i) {
        if (vxOn && i < vx.size() && (vxOn = drawable(vx[i])))
            vxPane.drawLineTo(vx[i].x, vx[i].y, colour);
        if (vyOn && i < vy.size() && (vyOn = drawable(vy[i])))
            vyPane.drawLineTo(vy[i].x, vy[i].y, colour);
    }
}

void pair(PaneSurface& vxPane, const std::vector<PanePoint>& vx, PaneSurface& vyPane,
          const std::vector<PanePoint>& vy, const QColor& colour) {
    if (dot(vxPane, vx, colour) && dot(vyPane, vy, colour))
        interleave(vxPane, vx, vyPane, vy, colour);
}

} // namespace

void drawTrajectoryPane(PaneSurface& pane, const model::Throw& t, char decimalSeparator,
                        const ThrowUnderlay* underlay) {
    using Step = model::ThrowStep;
    const auto failed = t.failedAt();
    if (failed && (*failed == Step::closedForms || *failed == Step::linearWalk ||
                   *failed == Step::trajectoryRanges))
        return;
    const model::TrajectoryRanges r =
        underlay ? underlay->trajectoryRanges(t) : t.trajectoryRanges();
    pane.setScale(r.left, r.top, r.right, r.bottom);
    graphs::drawTrajectoryAxes(pane, r.left, r.top, r.right, r.bottom, t.inputs().h0,
                               decimalSeparator);
    if (underlay)
        underlay->drawTrajectory(pane, t, r);
    const model::ClosedForm& c = t.closed();
    const double h0 = t.inputs().h0;
    if (!markerAndStart(pane, c.Xp, c.Ymax, h0, graphs::vacuumColour))
        return;
    lineThrough(pane, t.vacuum().points, 0, graphs::vacuumColour);
    if (failed && *failed == Step::vacuumPath)
        return;
    if (markerAndStart(pane, c.Xp1, c.Ymax1, h0, graphs::linearDragColour))
        lineThrough(pane, t.drawnLinearPath(), 0, graphs::linearDragColour);
}

void drawFlightStart(PaneSurface& pane, double h0) {
    if (drawable(0, h0))
        pane.drawPoint(0, static_cast<float>(h0), graphs::quadraticDragColour);
}

void drawFlightPiece(PaneSurface& pane, PanePoint end) {
    if (!drawable(end))
        return;
    pane.placeMarker(end.x, end.y);
    pane.drawLineTo(end.x, end.y, graphs::quadraticDragColour);
}

void drawTopMarker(PaneSurface& pane, PanePoint top) {
    if (!drawable(top))
        return;
    pane.setPenWidth(1);
    pane.drawLine(top.x, 0, top.x, top.y, graphs::quadraticDragColour);
    pane.setPenWidth(3);
}

void drawFlightSoFar(PaneSurface& pane, const model::Throw& t, std::size_t piecesDrawn) {
    drawFlightStart(pane, t.inputs().h0);
    const std::vector<PanePoint>& pieces = t.flightPieces();
    const std::size_t drawn = std::min(piecesDrawn, pieces.size());
    const std::optional<PanePoint> top = t.topMarker();
    for (std::size_t i = 0; i <= drawn; ++i) {
        if (top && i == t.piecesBeforeTop())
            drawTopMarker(pane, *top);
        if (i < drawn)
            drawFlightPiece(pane, pieces[i]);
    }
}

void drawVelocityPanes(PaneSurface& vxPane, PaneSurface& vyPane, const model::Throw& t,
                       char decimalSeparator, const ThrowUnderlay* underlay, bool withCurves) {
    const std::optional<model::VelocityRanges> ranges =
        underlay && !underlay->empty() ? underlay->velocityRanges(t) : t.velocityRanges();
    if (!ranges)
        return;
    const model::VelocityRanges& v = *ranges;
    vxPane.setScale(v.left, v.vxTop, v.right, v.vxBottom);
    vyPane.setScale(v.left, v.vyTop, v.right, v.vyBottom);
    graphs::drawVxAxes(vxPane, v.left, v.vxTop, v.right, v.vxBottom, decimalSeparator);
    graphs::drawVyAxes(vyPane, v.left, v.vyTop, v.right, v.vyBottom, decimalSeparator);
    if (underlay)
        underlay->drawVelocities(vxPane, vyPane, v);
    if (!withCurves)
        return;

    const model::VelocityCurves& c = t.velocityCurves();
    vxPane.setPenWidth(3);
    vyPane.setPenWidth(3);
    if (c.vacuumVx.size() == 2 && drawable(c.vacuumVx[0]) && drawable(c.vacuumVx[1]))
        vxPane.drawLine(c.vacuumVx[0].x, c.vacuumVx[0].y, c.vacuumVx[1].x, c.vacuumVx[1].y,
                        graphs::vacuumColour);
    if (dot(vyPane, c.vacuumVy, graphs::vacuumColour))
        lineThrough(vyPane, c.vacuumVy, 1, graphs::vacuumColour);
    pair(vxPane, c.linearVx, vyPane, c.linearVy, graphs::linearDragColour);
    pair(vxPane, c.quadraticVx, vyPane, c.quadraticVy, graphs::quadraticDragColour);
}

void drawKeptVelocityPanes(PaneSurface& vxPane, PaneSurface& vyPane, const model::KeptThrow& kept,
                           char decimalSeparator, const ThrowUnderlay* underlay,
                           const std::optional<model::VelocityRanges>& ranges) {
    const model::VelocityRanges& v = ranges ? *ranges : kept.velocity;
    vxPane.setScale(v.left, v.vxTop, v.right, v.vxBottom);
    vyPane.setScale(v.left, v.vyTop, v.right, v.vyBottom);
    graphs::drawVxAxes(vxPane, v.left, v.vxTop, v.right, v.vxBottom, decimalSeparator);
    graphs::drawVyAxes(vyPane, v.left, v.vyTop, v.right, v.vyBottom, decimalSeparator);
    if (underlay && !underlay->empty())
        underlay->drawVelocities(vxPane, vyPane, v);
    vxPane.setPenWidth(3);
    vyPane.setPenWidth(3);
    const QColor colours[model::modelCount] = {graphs::vacuumColour, graphs::linearDragColour,
                                               graphs::quadraticDragColour};
    const auto& vx = kept.curves[static_cast<std::size_t>(model::Graph::vx)];
    const auto& vy = kept.curves[static_cast<std::size_t>(model::Graph::vy)];
    for (std::size_t m = 0; m < model::modelCount; ++m)
        pair(vxPane, vx[m], vyPane, vy[m], colours[m]);
}

void drawFailureLine(PaneSurface& pane, const QString& line, bool ownSystem,
                     const model::TrajectoryRanges& ranges) {
    double left = 0, top = 1, right = 1, bottom = 0;
    if (ownSystem) {
        pane.setScale(left, top, right, bottom);
    } else {
        left = ranges.left;
        top = ranges.top;
        right = ranges.right;
        bottom = ranges.bottom;
    }
    pane.moveTo(static_cast<float>(left + 0.02 * (right - left)),
                static_cast<float>(top - 0.02 * (top - bottom)));
    pane.printText(line);
}

} // namespace ui
