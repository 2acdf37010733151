#include "graphs/Axes.h"

#include "model/NumberFormat.h"
#include "model/curves/Rounding.h"

#include <QCoreApplication>

#include <string_view>

namespace graphs {

namespace {

const QColor axisColour{0, 0, 0};

// What tells the three panes apart.
struct AxesStyle {
    float xTickY; // height of the x tick dots and labels
    float yTickX; // position of the y tick dots and labels
    std::string_view xPattern;
    const char* yCaption; // marked for translation
    const char* xCaption;
    float xCaptionY;
};

// A caption in the chosen language: the panes speak through the program's one translation
// context, "Texts" (ui::Texts, which this library lies below).
QString caption(const char* text) {
    return QCoreApplication::translate("Texts", text);
}

QString tickText(double value, std::string_view pattern, char separator) {
    return QString::fromStdString(model::formatPattern(value, pattern, separator));
}

void drawAxisPair(PaneSurface& pane, double left, double top, double right, double bottom) {
    pane.drawLine(0, float(top), 0, float(bottom), axisColour);
    pane.drawLine(float(left), 0, float(right), 0, axisColour);
}

void drawAxes(PaneSurface& pane, double left, double top, double right, double bottom,
              const AxesStyle& style, char separator) {
    pane.setPenWidth(3);
    drawAxisPair(pane, left, top, right, bottom);
    const double stepX = model::gridStep(right - left);
    const double stepY = model::gridStep(top - bottom);
    pane.setPenWidth(1);
    for (int i = -10; i <= 10; ++i) {
        const double gx = i * stepX;
        const double gy = i * stepY;
        pane.drawLine(float(left), float(gy), float(right), float(gy), gridColour);
        pane.drawLine(float(gx), float(top), float(gx), float(bottom), gridColour);
        pane.drawPoint(float(gx), style.xTickY);
        pane.printText(tickText(gx, style.xPattern, separator));
        pane.drawPoint(style.yTickX, float(gy));
        pane.printText(tickText(gy, "0.00", separator));
    }
    // Thin axes over the grid lines that ran along them.
    drawAxisPair(pane, left, top, right, bottom);

    pane.moveTo(float(0.05 * (right - left)), float(top));
    pane.printText(caption(style.yCaption));
    pane.moveTo(float(right - 0.05 * (right - left)), style.xCaptionY);
    pane.printText(caption(style.xCaption));
}

} // namespace

void drawTrajectoryAxes(PaneSurface& pane, double left, double top, double right, double bottom,
                        double h0, char decimalSeparator) {
    const AxesStyle style{float(0.07 * top),
                          float(0.01 * right),
                          "#0.00",
                          QT_TRANSLATE_NOOP("Texts", "Y, м"),
                          QT_TRANSLATE_NOOP("Texts", "Х, м"),
                          float(0.1 * top)};
    drawAxes(pane, left, top, right, bottom, style, decimalSeparator);
    pane.placeMarker(0, h0);
}

void drawVxAxes(PaneSurface& pane, double left, double top, double right, double bottom,
                char decimalSeparator) {
    const AxesStyle style{float(0.07 * top),
                          float(0.01 * right),
                          "0.00",
                          QT_TRANSLATE_NOOP("Texts", "Vx, м/c"),
                          QT_TRANSLATE_NOOP("Texts", "t, c"),
                          float(0.1 * top)};
    drawAxes(pane, left, top, right, bottom, style, decimalSeparator);
}

void drawVyAxes(PaneSurface& pane, double left, double top, double right, double bottom,
                char decimalSeparator) {
    const AxesStyle style{
        0, 0, "0.00", QT_TRANSLATE_NOOP("Texts", "Vy, м/c"), QT_TRANSLATE_NOOP("Texts", "t, c"), 0};
    drawAxes(pane, left, top, right, bottom, style, decimalSeparator);
}

} // namespace graphs
