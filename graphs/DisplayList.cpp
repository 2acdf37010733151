#include "graphs/DisplayList.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace graphs {

namespace {

// Pixel offset from a column/row number to the centre of that pixel: a one-pixel line on a
// whole column then covers exactly that column instead of half of two.
constexpr double pixelCentre = 0.5;

// A polyline point closer than this (in pixels, both ways) to the last one kept is not drawn
// on its own; the run's final point always is.
constexpr double thinning = 0.35;

struct Mapping {
    double sx, ox, sy, oy;
    QPointF operator()(double x, double y) const { return {x * sx + ox, y * sy + oy}; }
};

Mapping mappingOf(const PaneTransform& t, QSizeF size) {
    const double sx = size.width() / (t.right() - t.left());
    const double sy = -size.height() / (t.top() - t.bottom());
    return {sx, -t.left() * sx, sy, -t.top() * sy};
}

bool finite(QPointF p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// Liang–Barsky: cuts the segment a–b to the rectangle; false when nothing of it is inside.
bool clipSegment(QPointF& a, QPointF& b, const QRectF& r) {
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF start = a;
    if (t1 < 1)
        b = QPointF(start.x() + t1 * dx, start.y() + t1 * dy);
    if (t0 > 0)
        a = QPointF(start.x() + t0 * dx, start.y() + t0 * dy);
    return true;
}

void paintDot(QPainter& painter, QPointF centre, int width, QColor colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const double r = width / 2.0;
    painter.drawEllipse(centre, r, r);
}

} // namespace

DisplayList::DisplayList() : systems_(1) {}

void DisplayList::clear() {
    const PaneTransform current = systems_.back();
    systems_.assign(1, current);
    items_.clear();
    points_.clear();
    texts_.clear();
}

bool DisplayList::setScale(double left, double top, double right, double bottom) {
    PaneTransform next = systems_.back();
    if (!next.setRect(left, top, right, bottom))
        return false;
    const bool inUse = !items_.empty() && items_.back().system == systems_.size() - 1;
    if (inUse)
        systems_.push_back(next);
    else
        systems_.back() = next;
    return true;
}

void DisplayList::setPenWidth(int pixels) {
    penWidth_ = std::max(pixels, 1);
}

bool DisplayList::extendsLastStroke(QColor colour) const {
    if (items_.empty())
        return false;
    const Item& last = items_.back();
    return last.kind == Kind::Stroke && last.system == systems_.size() - 1 &&
           last.width == penWidth_ && last.colour == colour.rgba() &&
           points_.back() == Point{curX_, curY_};
}

void DisplayList::startStroke(Point from, Point to, QColor colour) {
    items_.push_back({Kind::Stroke, std::uint32_t(systems_.size() - 1), penWidth_, colour.rgba(),
                      std::uint32_t(points_.size()), 2, 0});
    points_.push_back(from);
    points_.push_back(to);
}

void DisplayList::line(float x1, float y1, float x2, float y2, QColor colour) {
    if (Point{x1, y1} == Point{curX_, curY_} && extendsLastStroke(colour)) {
        points_.push_back({x2, y2});
        ++items_.back().count;
    } else {
        startStroke({x1, y1}, {x2, y2}, colour);
    }
    curX_ = x2;
    curY_ = y2;
}

void DisplayList::lineTo(float x, float y, QColor colour) {
    line(curX_, curY_, x, y, colour);
}

void DisplayList::dot(float x, float y, QColor colour) {
    items_.push_back({Kind::Dot, std::uint32_t(systems_.size() - 1), penWidth_, colour.rgba(),
                      std::uint32_t(points_.size()), 1, 0});
    points_.push_back({x, y});
    curX_ = x;
    curY_ = y;
}

void DisplayList::moveTo(float x, float y) {
    curX_ = x;
    curY_ = y;
}

void DisplayList::text(const QString& text, QColor colour) {
    items_.push_back({Kind::Text, std::uint32_t(systems_.size() - 1), penWidth_, colour.rgba(),
                      std::uint32_t(points_.size()), 1, std::uint32_t(texts_.size())});
    points_.push_back({curX_, curY_});
    texts_.push_back(text);
}

void DisplayList::render(QPainter& painter, QSizeF interior, const QFont& font) const {
    if (interior.isEmpty() || items_.empty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setClipRect(QRectF(QPointF(0, 0), interior), Qt::IntersectClip);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const double ascent = metrics.ascent();

    std::vector<Mapping> maps;
    maps.reserve(systems_.size());
    for (const PaneTransform& t : systems_)
        maps.push_back(mappingOf(t, interior));

    // Far-away points are brought near before painting; text never reaches this far.
    const QRectF sane(-1e6, -1e6, 2e6 + interior.width(), 2e6 + interior.height());
    for (const Item& item : items_) {
        const Mapping& map = maps[item.system];
        const QColor colour = QColor::fromRgba(item.colour);
        if (item.kind == Kind::Stroke) {
            renderStroke(painter, item, interior);
            continue;
        }
        const Point p = points_[item.first];
        if (item.kind == Kind::Dot) {
            const QPointF centre = map(p.x, p.y) + QPointF(pixelCentre, pixelCentre);
            const double reach = item.width;
            if (finite(centre) && centre.x() > -reach && centre.y() > -reach &&
                centre.x() < interior.width() + reach && centre.y() < interior.height() + reach)
                paintDot(painter, centre, item.width, colour);
        } else {
            const QPointF corner = map(p.x, p.y);
            if (!finite(corner) || !sane.contains(corner))
                continue;
            painter.setPen(colour);
            painter.drawText(corner + QPointF(0, ascent), texts_[item.text]);
        }
    }
    painter.restore();
}

void DisplayList::renderStroke(QPainter& painter, const Item& item, QSizeF interior) const {
    const Mapping map = mappingOf(systems_[item.system], interior);
    const QColor colour = QColor::fromRgba(item.colour);
    // Segments are cut a little outside the interior so that caps and joins at the edge look
    // the same as unclipped ones.
    const double margin = item.width + 2.0;
    const QRectF reach(-margin, -margin, interior.width() + 2 * margin,
                       interior.height() + 2 * margin);
    QPen pen(colour, item.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);

    QPolygonF run;
    QPointF lastKept, runEnd;
    bool pending = false;
    auto flush = [&] {
        if (pending && runEnd != run.back())
            run.append(runEnd);
        if (run.size() == 1) { // a line of zero length still shows as a dot
            paintDot(painter, run.front(), item.width, colour);
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
        } else if (run.size() > 1) {
            painter.drawPolyline(run);
        }
        run.clear();
        pending = false;
    };
    auto add = [&](QPointF q) {
        if (run.isEmpty() || std::abs(q.x() - lastKept.x()) >= thinning ||
            std::abs(q.y() - lastKept.y()) >= thinning) {
            run.append(q);
            lastKept = q;
            pending = false;
        } else {
            pending = true;
        }
        runEnd = q;
    };

    const QPointF offset(pixelCentre, pixelCentre);
    const Point* pts = points_.data() + item.first;
    QPointF prev = map(pts[0].x, pts[0].y) + offset;
    for (std::uint32_t i = 1; i < item.count; ++i) {
        const QPointF next = map(pts[i].x, pts[i].y) + offset;
        QPointF a = prev, b = next;
        prev = next;
        if (!finite(a) || !finite(b)) {
            flush();
            continue;
        }
        const bool inside = reach.contains(a) && reach.contains(b);
        if (!inside && !clipSegment(a, b, reach)) {
            flush();
            continue;
        }
        if (run.isEmpty() || a != runEnd) {
            flush();
            add(a);
        }
        add(b);
    }
    flush();
}

} // namespace graphs
