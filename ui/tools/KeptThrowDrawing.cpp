#include "ui/tools/KeptThrowDrawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace ui {

namespace {

using model::PanePoint;

// The pane of the window at its first size, in pixels, which the dash lengths are given for.
constexpr double nominalWidth = 694, nominalHeight = 234;
constexpr int keptPen = 2;

// Dash, gap, dash, gap … in pixels of the nominal pane: dashes, dots, dash-dot, long dashes,
// dash-dot-dot.
const std::array<std::vector<double>, 5> patterns{{
    {9, 5},
    {2, 5},
    {12, 4, 2, 4},
    {18, 6},
    {12, 4, 2, 4, 2, 4},
}};

struct Box {
    double left, top, right, bottom;
};

// Lays the pattern along the polyline in nominal pixels and draws its dashes.
void drawDashed(graphs::PaneSurface& pane, std::span<const PanePoint> points, const Box& box,
                const QColor& colour, const std::vector<double>& pattern) {
    if (points.size() < 2)
        return;
    const double kx = nominalWidth / (box.right - box.left);
    const double ky = nominalHeight / (box.top - box.bottom);
    std::size_t element = 0;
    double remaining = pattern[0];
    bool on = true;
    pane.moveTo(points[0].x, points[0].y);
    for (std::size_t i = 1; i < points.size(); ++i) {
        const PanePoint a = points[i - 1], b = points[i];
        const double length = std::hypot((double(b.x) - a.x) * kx, (double(b.y) - a.y) * ky);
        double along = 0;
        while (length - along >= remaining) {
            along += remaining;
            const double share = along / length;
            const float x = static_cast<float>(a.x + share * (double(b.x) - a.x));
            const float y = static_cast<float>(a.y + share * (double(b.y) - a.y));
            if (on)
                pane.drawLineTo(x, y, colour);
            else
                pane.moveTo(x, y);
            on = !on;
            element = (element + 1) % pattern.size();
            remaining = pattern[element];
        }
        remaining -= length - along;
        if (on)
            pane.drawLineTo(b.x, b.y, colour);
    }
}

void drawCurves(graphs::PaneSurface& pane, const model::KeptThrow& k, model::Graph plot,
                const Box& box) {
    const auto& lists = k.curves[static_cast<std::size_t>(plot)];
    for (std::size_t m = 0; m < model::modelCount; ++m)
        drawDashed(pane, lists[m], box, keptShade(m), keptDashes(k.number));
}

} // namespace

const std::vector<double>& keptDashes(int number) {
    return patterns[static_cast<std::size_t>(std::max(number - 1, 0)) % patterns.size()];
}

QColor keptShade(std::size_t model) {
    const QColor base = model == 0   ? graphs::vacuumColour
                        : model == 1 ? graphs::linearDragColour
                                     : graphs::quadraticDragColour;
    auto lighter = [](int c) { return c + (255 - c) * 9 / 20; };
    return QColor(lighter(base.red()), lighter(base.green()), lighter(base.blue()));
}

void drawKeptTrajectories(graphs::PaneSurface& pane,
                          const std::vector<const model::KeptThrow*>& kept,
                          const model::TrajectoryRanges& r) {
    if (kept.empty())
        return;
    const Box box{r.left, r.top, r.right, r.bottom};
    pane.setPenWidth(keptPen);
    for (const model::KeptThrow* k : kept)
        drawCurves(pane, *k, model::Graph::trajectory, box);
}

void drawKeptVelocities(graphs::PaneSurface& vxPane, graphs::PaneSurface& vyPane,
                        const std::vector<const model::KeptThrow*>& kept,
                        const model::VelocityRanges& v) {
    vxPane.setPenWidth(keptPen);
    vyPane.setPenWidth(keptPen);
    for (const model::KeptThrow* k : kept) {
        drawCurves(vxPane, *k, model::Graph::vx, {v.left, v.vxTop, v.right, v.vxBottom});
        drawCurves(vyPane, *k, model::Graph::vy, {v.left, v.vyTop, v.right, v.vyBottom});
    }
}

} // namespace ui
