#include "ui/measure/ResidualPlot.h"

#include "graphs/PlotAxes.h"
#include "ui/platform/Language.h"

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

constexpr double mm = 1000;
const QColor yColour{128, 128, 128}; // Δy beside Δx in the model's colour
constexpr int dotPen = 4;
constexpr int fewPoints = 400; // above, the dots shrink so the band stays readable
// At most about this many points of each kind are drawn, evenly spread: a band of a long table
// reads the same, and its drawing stays a moment's work on the window's thread.
constexpr std::size_t mostDrawn = 5000;

} // namespace

void drawResiduals(graphs::PaneSurface& pane, const model::measure::ModelFit& fit,
                   const QColor& colour, char decimalSeparator) {
    graphs::PlotFrame frame;
    frame.xCaption = Texts::tr("t, с");
    frame.yCaption = Texts::tr("модель − точка, мм");
    frame.textLines = 1;
    bool any = false;
    for (const auto& r : fit.residuals)
        for (const double d : {r.dx, r.dy}) {
            if (!std::isfinite(d))
                continue;
            frame.xMin = any ? std::min(frame.xMin, r.t) : r.t;
            frame.xMax = any ? std::max(frame.xMax, r.t) : r.t;
            frame.yMin = any ? std::min(frame.yMin, d * mm) : d * mm;
            frame.yMax = any ? std::max(frame.yMax, d * mm) : d * mm;
            any = true;
        }
    // Zero in the middle, so the sign of a drift reads at a glance.
    const double reach = std::max({std::fabs(frame.yMin), std::fabs(frame.yMax), 1e-3});
    frame.yMin = -reach;
    frame.yMax = reach;

    pane.clear();
    const graphs::PlotLayout layout = graphs::drawPlotAxes(pane, frame, decimalSeparator);
    pane.setPenWidth(1);
    pane.drawLine(float(layout.xMin), 0, float(layout.xMax), 0, QColor(0, 0, 0));
    pane.setPenWidth(fit.residuals.size() <= fewPoints ? dotPen : dotPen - 1);
    const std::size_t stride = fit.residuals.size() / mostDrawn + 1;
    for (std::size_t i = 0; i < fit.residuals.size(); i += stride) {
        const auto& r = fit.residuals[i];
        if (std::isfinite(r.dx))
            pane.drawPoint(float(r.t), float(r.dx * mm), colour);
        if (std::isfinite(r.dy))
            pane.drawPoint(float(r.t), float(r.dy * mm), yColour);
    }
    // One line of text above the data: a stroke of each colour and what it shows.
    const double width = layout.right - layout.left, stroke = 0.03 * width;
    const QColor colours[2] = {colour, yColour};
    const QString texts[2] = {Texts::tr("Δx: по горизонтали"), Texts::tr("Δy: по вертикали")};
    const QPointF at = layout.textLine(0);
    const float middle = float(at.y() - layout.lineHeight / 2);
    for (int i = 0; i < 2; ++i) {
        const double x = at.x() + i * 0.4 * width;
        pane.setPenWidth(dotPen);
        pane.drawLine(float(x), middle, float(x + stroke), middle, colours[i]);
        pane.moveTo(float(x + 1.3 * stroke), float(at.y()));
        pane.printText(texts[i]);
    }
    pane.setPenWidth(1);
}

} // namespace ui
