#include "graphs/GraphPane.h"

#include "graphs/DisplayList.h"
#include "graphs/PaneCache.h"
#include "graphs/PaneDrawing.h"

#include <QFutureWatcher>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <vector>

namespace graphs {

namespace {

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
    // Shared with the drawings taken (PaneDrawing), which are painted on other threads: a list
    // they share is copied before it changes.
    std::shared_ptr<DisplayList> list = std::make_shared<DisplayList>();
    DisplayList& writable() {
        if (list.use_count() > 1)
            list = std::make_shared<DisplayList>(*list);
        return *list;
    }
    PaneCache picture;
    int rendersBefore = 0; // whole renders of the pictures it replaced
    // Whole pictures rendered elsewhere: the one under way and where it ends.
    BackgroundRunner runner;
    std::shared_ptr<PaneCache> rendering;
    QFutureWatcher<void> renderingEnded;
    QColor foreground{0, 0, 0};
    BallMarker* marker = nullptr;
    std::optional<QPointF> markerCentre; // user coordinates
    std::vector<OverlayPainter> overlays;
    bool catchUpQueued = false;
    std::array<std::vector<KeyEntry>, keyPartCount> keyParts;
    std::vector<KeyEntry> key; // every part in turn
    // The key's layout on the pane, made at the first paint after a change.
    std::optional<KeyLayout> keyOnPane;
    QSize keyInterior;
    QFont keyFont;
};

GraphPane::GraphPane(QWidget* parent) : QWidget(parent), d(new Impl) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, paneBackground);
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
    // The picture catches up once the current run of drawing operations is over, whatever
    // their number; a hidden pane does so when it is painted next.
    if (d->catchUpQueued || !isVisible())
        return;
    d->catchUpQueued = true;
    QMetaObject::invokeMethod(this, &GraphPane::bringPictureUpToDate, Qt::QueuedConnection);
}

void GraphPane::bringPictureUpToDate() {
    d->catchUpQueued = false;
    const QRect changed = catchUp();
    if (!changed.isEmpty())
        update(changed);
}

QRect GraphPane::catchUp() {
    if (awaitsPicture()) {
        renderInBackground();
        return {};
    }
    const QRect interior = contentsRect();
    d->picture.setDevice(interior.size(), devicePixelRatioF(),
                         QPoint(logicalDpiX(), logicalDpiY()));
    d->picture.setFont(font());
    return d->picture.update(*d->list).translated(interior.topLeft());
}

void GraphPane::renderLargePicturesWith(BackgroundRunner runner) {
    d->runner = std::move(runner);
    connect(&d->renderingEnded, &QFutureWatcherBase::finished, this,
            &GraphPane::backgroundRenderEnded, Qt::UniqueConnection);
}

bool GraphPane::awaitsPicture() const {
    if (!d->runner)
        return false;
    const QSize size = contentsRect().size();
    const qreal ratio = devicePixelRatioF();
    const QSizeF pixels = QSizeF(size) * ratio;
    return pixels.width() * pixels.height() > double(largePicturePixels) &&
           d->picture.rendersWhole(size, ratio, QPoint(logicalDpiX(), logicalDpiY()), font(),
                                   *d->list);
}

void GraphPane::renderInBackground() {
    if (d->rendering)
        return; // when it ends, the pane's drawing and size of then are rendered if they changed
    auto picture = std::make_shared<PaneCache>();
    picture->setDevice(contentsRect().size(), devicePixelRatioF(),
                       QPoint(logicalDpiX(), logicalDpiY()));
    picture->setFont(font());
    d->rendering = picture;
    // The list is shared, not copied: the pane copies it before it draws on it again.
    d->renderingEnded.setFuture(d->runner(
        [picture, list = std::shared_ptr<const DisplayList>(d->list)] { picture->update(*list); }));
}

void GraphPane::backgroundRenderEnded() {
    const std::shared_ptr<PaneCache> picture = std::move(d->rendering);
    d->rendering.reset();
    if (!picture || !awaitsPicture())
        return;
    const QRect interior = contentsRect();
    if (picture->rendersWhole(interior.size(), devicePixelRatioF(),
                              QPoint(logicalDpiX(), logicalDpiY()), font(), *d->list)) {
        renderInBackground(); // rendered for a size or a drawing since replaced
        return;
    }
    d->rendersBefore += d->picture.renders();
    d->picture = std::move(*picture);
    d->picture.update(*d->list); // what was drawn meanwhile
    update(interior);
}

void GraphPane::clear() {
    if (d->list.use_count() > 1)
        d->list = std::make_shared<DisplayList>(d->list->cleared());
    else
        d->list->clear();
    d->keyOnPane.reset();
    changed();
}

void GraphPane::setScale(double left, double top, double right, double bottom) {
    if (d->writable().setScale(left, top, right, bottom))
        positionMarker();
}

void GraphPane::setPenWidth(int pixels) {
    d->writable().setPenWidth(pixels);
}

void GraphPane::drawLine(float x1, float y1, float x2, float y2, const QColor& colour) {
    d->writable().line(x1, y1, x2, y2, colour);
    changed();
}

void GraphPane::drawLineTo(float x, float y, const QColor& colour) {
    d->writable().lineTo(x, y, colour);
    changed();
}

void GraphPane::drawPoint(float x, float y) {
    drawPoint(x, y, d->foreground);
}

void GraphPane::drawPoint(float x, float y, const QColor& colour) {
    d->writable().dot(x, y, colour);
    changed();
}

void GraphPane::moveTo(float x, float y) {
    d->writable().moveTo(x, y);
}

void GraphPane::printText(const QString& text) {
    d->writable().text(text, d->foreground);
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
        d->list->transform().toPixel(d->markerCentre->x(), d->markerCentre->y(), interior.size());
    d->marker->move(interior.left() + toWidgetCoordinate(c.x() - d->marker->width() / 2.0),
                    interior.top() + toWidgetCoordinate(c.y() - d->marker->height() / 2.0));
}

const PaneTransform& GraphPane::transform() const {
    return d->list->transform();
}
int GraphPane::penWidth() const {
    return d->list->penWidth();
}
QPointF GraphPane::currentPosition() const {
    return {d->list->currentX(), d->list->currentY()};
}
std::size_t GraphPane::itemCount() const {
    return d->list->itemCount();
}

void GraphPane::paintDrawing(QPainter& painter, QSizeF interior) const {
    graphs::paintDrawing(painter, *d->list, d->key, font(), interior);
}

QImage GraphPane::toImage(QSize size, qreal devicePixelRatio) const {
    if (!size.isValid())
        size = contentsRect().size();
    QImage image = blankPaneImage(size, devicePixelRatio, QPoint(logicalDpiX(), logicalDpiY()));
    if (image.isNull())
        return image;
    QPainter painter(&image);
    paintDrawing(painter, size);
    return image;
}

PaneDrawing GraphPane::drawing() const {
    return {d->list, d->key, font(), contentsRect().size(), QPoint(logicalDpiX(), logicalDpiY())};
}

void GraphPane::setKeyPart(KeyPart part, std::vector<KeyEntry> entries) {
    auto& slot = d->keyParts[static_cast<std::size_t>(part)];
    if (slot == entries)
        return;
    slot = std::move(entries);
    d->key.clear();
    for (const auto& p : d->keyParts)
        d->key.insert(d->key.end(), p.begin(), p.end());
    d->keyOnPane.reset();
    update(contentsRect());
}

const std::vector<KeyEntry>& GraphPane::keyPart(KeyPart part) const {
    return d->keyParts[static_cast<std::size_t>(part)];
}

KeyLayout GraphPane::keyLayout(QSizeF interior) const {
    if (!interior.isValid())
        interior = contentsRect().size();
    return keyLayoutOver(*d->list, d->key, interior, font());
}

void GraphPane::addOverlayPainter(OverlayPainter overlay) {
    d->overlays.push_back(std::move(overlay));
    update(contentsRect());
}

void GraphPane::updateOverlay(const QRect& area) {
    const QRect interior = contentsRect();
    update(area.isEmpty() ? interior : area.translated(interior.topLeft()) & interior);
}

int GraphPane::pictureRenders() const {
    return d->rendersBefore + d->picture.renders();
}

void GraphPane::paintEvent(QPaintEvent* event) {
    const QRect interior = contentsRect();
    const QRect changed = catchUp(); // normally done already, by the queued catch-up
    if (!(QRegion(changed) - event->region()).isEmpty())
        QMetaObject::invokeMethod(
            this, [this, changed] { update(changed); }, Qt::QueuedConnection);

    QPainter painter(this);
    const QRegion region = event->region();
    for (const QRect& r : region - interior)
        painter.fillRect(r, paneBackground);
    const QImage& picture = d->picture.picture();
    const qreal ratio = d->picture.devicePixelRatio();
    if (picture.isNull()) {
        for (const QRect& r : region.intersected(interior))
            painter.fillRect(r, paneBackground);
    } else if (d->picture.size() != interior.size() || ratio != devicePixelRatioF()) {
        // Rendered for another size: stretched, until the picture of this one is ready.
        painter.drawImage(QRectF(interior), picture);
    } else {
        // The picture's pixels are copied one to one.
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        for (const QRect& r : region.intersected(interior)) {
            const QRect local = r.translated(-interior.topLeft());
            painter.drawImage(QRectF(r), picture,
                              QRectF(local.x() * ratio, local.y() * ratio, local.width() * ratio,
                                     local.height() * ratio));
        }
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    painter.translate(interior.topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), interior.size()), Qt::IntersectClip);
    if (!d->key.empty()) {
        if (!d->keyOnPane || d->keyInterior != interior.size() || d->keyFont != font()) {
            d->keyOnPane = keyLayout();
            d->keyInterior = interior.size();
            d->keyFont = font();
        }
        if (region.translated(-interior.topLeft()).intersects(d->keyOnPane->box.toAlignedRect()))
            paintKey(painter, *d->keyOnPane);
    }
    for (const OverlayPainter& overlay : d->overlays)
        overlay(painter, interior.size());
}

void GraphPane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    positionMarker();
}

void GraphPane::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    update();
}

} // namespace graphs
