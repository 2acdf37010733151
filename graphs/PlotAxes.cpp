#include "graphs/PlotAxes.h"

#include "model/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace graphs {

namespace {

// Shares of the pane's height and width.
constexpr double lineShare = 0.045;  // a line of text (about 18 px on a 400 px pane)
constexpr double bottomShare = 0.11; // tick labels and the x caption under the data
constexpr double leftShare = 0.11;   // tick labels left of the data
constexpr double rightShare = 0.03;
constexpr double edgeShare = 0.01;   // a small gap
constexpr double dataPadding = 0.04; // of the data span, so curves do not touch the frame
constexpr int maxTicks = 8;

const QColor frameColour{0, 0, 0};

// The span of [lo, hi], widened when it is empty so that there is something to scale to.
void widen(double& lo, double& hi) {
    if (hi > lo)
        return;
    const double half = lo == 0 ? 1 : std::fabs(lo) * 0.1;
    lo -= half;
    hi += half;
}

QString tickText(double value, double step, char separator) {
    const int decimals = std::max(0, -static_cast<int>(std::floor(std::log10(step) + 1e-9)));
    const std::string pattern = decimals > 0 ? "0." + std::string(decimals, '0') : "0";
    return QString::fromStdString(model::formatPattern(value, pattern, separator));
}

// The ticks of [lo, hi] at whole multiples of step.
template <typename F> void forTicks(double lo, double hi, double step, F f) {
    const double first = std::ceil(lo / step - 1e-9) * step;
    for (int i = 0; i <= 4 * maxTicks; ++i) {
        const double v = first + i * step;
        if (v > hi + step * 1e-9)
            break;
        f(std::fabs(v) < step * 1e-9 ? 0.0 : v);
    }
}

} // namespace

QPointF PlotLayout::textLine(int i) const {
    return {left + edgeShare * (right - left), top - edgeShare * (top - bottom) - i * lineHeight};
}

double roundStep(double span, int ticks) {
    const double raw = std::fabs(span) / std::max(ticks, 1);
    if (!(raw > 0) || !std::isfinite(raw))
        return 1;
    const double p = std::pow(10.0, std::floor(std::log10(raw)));
    const double m = raw / p;
    return (m <= 1 ? 1 : m <= 2 ? 2 : m <= 5 ? 5 : 10) * p;
}

PlotLayout drawPlotAxes(PaneSurface& pane, const PlotFrame& frame, char decimalSeparator) {
    PlotLayout l;
    l.xMin = std::min(frame.xMin, frame.xMax);
    l.xMax = std::max(frame.xMin, frame.xMax);
    widen(l.xMin, l.xMax);
    l.yMin = std::min(frame.yMin, frame.yMax);
    l.yMax = std::max(frame.yMin, frame.yMax);
    widen(l.yMin, l.yMax);
    const double pad = dataPadding * (l.yMax - l.yMin);
    l.yMin -= pad;
    l.yMax += pad;

    // The data takes what the margins leave: the y caption and the text lines above it.
    const double topShare = lineShare * (frame.textLines + 1) + 2 * edgeShare;
    const double width = (l.xMax - l.xMin) / (1 - leftShare - rightShare);
    const double height = (l.yMax - l.yMin) / (1 - bottomShare - topShare);
    l.left = l.xMin - leftShare * width;
    l.right = l.xMax + rightShare * width;
    l.bottom = l.yMin - bottomShare * height;
    l.top = l.yMax + topShare * height;
    l.lineHeight = lineShare * height;
    pane.setScale(l.left, l.top, l.right, l.bottom);

    const double stepX = roundStep(l.xMax - l.xMin, maxTicks);
    const double stepY = roundStep(l.yMax - l.yMin, maxTicks);
    pane.setPenWidth(1);
    forTicks(l.xMin, l.xMax, stepX, [&](double x) {
        pane.drawLine(float(x), float(l.yMin), float(x), float(l.yMax), gridColour);
        pane.moveTo(float(x), float(l.yMin - edgeShare * height));
        pane.printText(tickText(x, stepX, decimalSeparator));
    });
    forTicks(l.yMin, l.yMax, stepY, [&](double y) {
        pane.drawLine(float(l.xMin), float(y), float(l.xMax), float(y), gridColour);
        pane.moveTo(float(l.left + edgeShare * width), float(y + l.lineHeight / 2));
        pane.printText(tickText(y, stepY, decimalSeparator));
    });
    pane.setPenWidth(2);
    pane.drawLine(float(l.xMin), float(l.yMin), float(l.xMax), float(l.yMin), frameColour);
    pane.drawLine(float(l.xMin), float(l.yMin), float(l.xMin), float(l.yMax), frameColour);
    pane.setPenWidth(1);

    pane.moveTo(float((l.xMin + l.xMax) / 2), float(l.yMin - edgeShare * height - l.lineHeight));
    pane.printText(frame.xCaption);
    pane.moveTo(float(l.xMin), float(l.yMax + l.lineHeight + edgeShare * height));
    pane.printText(frame.yCaption);
    return l;
}

} // namespace graphs
