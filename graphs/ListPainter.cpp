#include "graphs/ListPainter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <cmath>

namespace graphs {

namespace {

bool finite(QPointF p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

} // namespace

ListPainter::ListPainter(QSizeF interior, const QFont& font) : interior_(interior), font_(font) {}

void ListPainter::begin(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setClipRect(QRectF(QPointF(0, 0), interior_), Qt::IntersectClip);
    painter.setFont(font_);
}

void ListPainter::paintAppended(QPainter& painter, const DisplayList& list) {
    if (interior_.isEmpty() || !behind(list))
        return;
    begin(painter);
    const auto& items = list.items_;
    if (open_) {
        const DisplayList::Item& item = items[itemsStarted_ - 1];
        if (item.count > openPoints_) {
            open_->add(painter, list.points_.data() + item.first + openPoints_,
                       item.count - openPoints_);
            openPoints_ = item.count;
        }
        if (itemsStarted_ < items.size()) { // something follows: the polyline is complete
            open_->finish(painter);
            changed_ |= open_->takeChangedArea();
            open_.reset();
        }
    }
    for (; itemsStarted_ < items.size(); ++itemsStarted_)
        paintItem(painter, list, itemsStarted_);
    if (open_)
        changed_ |= open_->takeChangedArea();
    pointsTaken_ = list.pointCount();
    painter.restore();
}

void ListPainter::paintItem(QPainter& painter, const DisplayList& list, std::size_t index) {
    const DisplayList::Item& item = list.items_[index];
    const PixelMapping map(list.systems_[item.system], interior_);
    const QColor colour = QColor::fromRgba(item.colour);
    const UserPoint* points = list.points_.data() + item.first;
    using Kind = DisplayList::Kind;
    if (item.kind == Kind::Stroke) {
        StrokePainter stroke(map, interior_, item.width, colour,
                             painter.device()->devicePixelRatio());
        stroke.add(painter, points, item.count);
        if (index + 1 == list.items_.size()) {
            open_.emplace(stroke);
            openPoints_ = item.count;
        } else {
            stroke.finish(painter);
            changed_ |= stroke.takeChangedArea();
        }
    } else if (item.kind == Kind::Dot) {
        const QPointF centre = map(points->x, points->y) + QPointF(pixelCentre, pixelCentre);
        const double reach = item.width;
        if (finite(centre) && centre.x() > -reach && centre.y() > -reach &&
            centre.x() < interior_.width() + reach && centre.y() < interior_.height() + reach) {
            paintDot(painter, centre, item.width, colour);
            changed_ |= QRectF(centre - QPointF(reach, reach), centre + QPointF(reach, reach));
        }
    } else {
        // Far-away corners are skipped; text never reaches this far.
        const QRectF sane(-1e6, -1e6, 2e6 + interior_.width(), 2e6 + interior_.height());
        const QPointF corner = map(points->x, points->y);
        if (!finite(corner) || !sane.contains(corner))
            return;
        if (!metrics_)
            metrics_.emplace(font_, painter.device());
        const QString& text = list.texts_[item.text];
        painter.setPen(colour);
        painter.drawText(corner + QPointF(0, metrics_->ascent()), text);
        const double slack = metrics_->height();
        changed_ |= QRectF(corner, QSizeF(text.size() * metrics_->maxWidth(), slack))
                        .adjusted(-slack, -slack, slack, slack);
    }
}

void ListPainter::paintOpenEnd(QPainter& painter) const {
    if (interior_.isEmpty() || !open_)
        return;
    begin(painter);
    open_->paintOpenEnd(painter);
    painter.restore();
}

QRectF ListPainter::takeChangedArea() {
    const QRectF changed = changed_ & QRectF(QPointF(0, 0), interior_);
    changed_ = QRectF();
    return changed;
}

} // namespace graphs
