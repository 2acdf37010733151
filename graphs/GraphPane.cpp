#include "graphs/GraphPane.h"

#include "graphs/DisplayList.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>

namespace graphs {

namespace {

const QColor background{255, 255, 255};
constexpr int markerSize = 10;

// The ball: a solid red disc filling its small square widget.
class BallMarker : public QWidget {
public:
    explicit BallMarker(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("Shape1"));
        setFixedSize(markerSize, markerSize);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(128, 0, 0), 1));
        p.setBrush(QColor(255, 0, 0));
        p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
};

QFont paneFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(11.25);
    font.setWeight(QFont::Normal);
    return font;
}

// Keeps a pixel position within what a widget position can hold.
int toWidgetCoordinate(double v) {
    if (!std::isfinite(v))
        return -1000000;
    return int(std::floor(std::clamp(v, -1e6, 1e6) + 0.5));
}

} // namespace

struct GraphPane::Impl {
    DisplayList list;
    QColor foreground{0, 0, 0};
    BallMarker* marker = nullptr;
    std::optional<QPointF> markerCentre; // user coordinates
    bool updatePending = false;
};

GraphPane::GraphPane(QWidget* parent) : QWidget(parent), d(new Impl) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, background);
    setPalette(pal);
    setFont(paneFont());
}

GraphPane::~GraphPane() {
    delete d;
}

void GraphPane::setForegroundColour(const QColor& colour) {
    d->foreground = colour;
}
QColor GraphPane::foregroundColour() const {
    return d->foreground;
}

void GraphPane::enableMarker() {
    if (d->marker)
        return;
    d->marker = new BallMarker(this);
    d->marker->show();
    positionMarker();
}

QWidget* GraphPane::marker() const {
    return d->marker;
}

void GraphPane::changed() {
    // One pending repaint covers any number of operations; a hidden pane paints when shown.
    if (!d->updatePending) {
        d->updatePending = isVisible();
        update();
    }
}

void GraphPane::clear() {
    d->list.clear();
    changed();
}

void GraphPane::setScale(double left, double top, double right, double bottom) {
    if (d->list.setScale(left, top, right, bottom))
        positionMarker();
}

void GraphPane::setPenWidth(int pixels) {
    d->list.setPenWidth(pixels);
}

void GraphPane::drawLine(float x1, float y1, float x2, float y2, const QColor& colour) {
    d->list.line(x1, y1, x2, y2, colour);
    changed();
}

void GraphPane::drawLineTo(float x, float y, const QColor& colour) {
    d->list.lineTo(x, y, colour);
    changed();
}

void GraphPane::drawPoint(float x, float y) {
    drawPoint(x, y, d->foreground);
}

void GraphPane::drawPoint(float x, float y, const QColor& colour) {
    d->list.dot(x, y, colour);
    changed();
}

void GraphPane::moveTo(float x, float y) {
    d->list.moveTo(x, y);
}

void GraphPane::printText(const QString& text) {
    d->list.text(text, d->foreground);
    changed();
}

void GraphPane::placeMarker(double x, double y) {
    d->markerCentre = QPointF(x, y);
    positionMarker();
}

void GraphPane::positionMarker() {
    if (!d->marker || !d->markerCentre)
        return;
    const QRect interior = contentsRect();
    const QPointF c =
        d->list.transform().toPixel(d->markerCentre->x(), d->markerCentre->y(), interior.size());
    d->marker->move(interior.left() + toWidgetCoordinate(c.x() - d->marker->width() / 2.0),
                    interior.top() + toWidgetCoordinate(c.y() - d->marker->height() / 2.0));
}

const PaneTransform& GraphPane::transform() const {
    return d->list.transform();
}
int GraphPane::penWidth() const {
    return d->list.penWidth();
}
QPointF GraphPane::currentPosition() const {
    return {d->list.currentX(), d->list.currentY()};
}
std::size_t GraphPane::itemCount() const {
    return d->list.itemCount();
}

void GraphPane::paintDrawing(QPainter& painter, QSizeF interior) const {
    painter.fillRect(QRectF(QPointF(0, 0), interior), background);
    d->list.render(painter, interior, font());
}

QImage GraphPane::toImage(QSize size, qreal devicePixelRatio) const {
    if (!size.isValid())
        size = contentsRect().size();
    QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    // Text comes out the same size as on the screen.
    image.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
    image.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
    image.fill(background);
    QPainter painter(&image);
    paintDrawing(painter, size);
    return image;
}

void GraphPane::paintEvent(QPaintEvent* event) {
    d->updatePending = false;
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.fillRect(rect(), background);
    const QRect interior = contentsRect();
    painter.translate(interior.topLeft());
    paintDrawing(painter, interior.size());
}

void GraphPane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    d->updatePending = false; // a resized pane is painted afresh anyway
    positionMarker();
}

void GraphPane::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    d->updatePending = false;
    update();
}

} // namespace graphs
