#include "graphs/GraphPane.h"

namespace graphs {

// Placeholder until the retained drawing lands.
struct GraphPane::Impl {
    QColor foreground{0, 0, 0};
    QWidget* marker = nullptr;
};

GraphPane::GraphPane(QWidget* parent) : QWidget(parent), d(new Impl) {}
GraphPane::~GraphPane() { delete d; }
void GraphPane::setForegroundColour(const QColor& colour) { d->foreground = colour; }
QColor GraphPane::foregroundColour() const { return d->foreground; }
void GraphPane::enableMarker() {}
QWidget* GraphPane::marker() const { return d->marker; }
void GraphPane::clear() {}
void GraphPane::setScale(double, double, double, double) {}
void GraphPane::setPenWidth(int) {}
void GraphPane::drawLine(float, float, float, float, const QColor&) {}
void GraphPane::drawLineTo(float, float, const QColor&) {}
void GraphPane::drawPoint(float, float) {}
void GraphPane::drawPoint(float, float, const QColor&) {}
void GraphPane::moveTo(float, float) {}
void GraphPane::printText(const QString&) {}
void GraphPane::placeMarker(double, double) {}

} // namespace graphs
