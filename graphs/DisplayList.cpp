#include "graphs/DisplayList.h"

#include "graphs/ListPainter.h"

#include <algorithm>
#include <cmath>

namespace graphs {

DisplayList::DisplayList() : systems_(1) {}

void DisplayList::clear() {
    const PaneTransform current = systems_.back();
    systems_.assign(1, current);
    items_.clear();
    points_.clear();
    texts_.clear();
    ++clears_;
}

DisplayList DisplayList::cleared() const {
    DisplayList empty;
    empty.systems_.assign(1, systems_.back());
    empty.penWidth_ = penWidth_;
    empty.curX_ = curX_;
    empty.curY_ = curY_;
    empty.clears_ = clears_ + 1;
    return empty;
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
    ListPainter all(interior, font);
    all.paintAppended(painter, *this);
    all.paintOpenEnd(painter);
}

namespace {

// The length of the segment ab within the rectangle (Liang–Barsky clipping).
double lengthWithin(QPointF a, QPointF b, const QRectF& r) {
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    double t0 = 0, t1 = 1;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return 0;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return 0;
    }
    return (t1 - t0) * std::hypot(dx, dy);
}

} // namespace

double DisplayList::inkWithin(const QRectF& area, QSizeF interior, QColor except) const {
    double ink = 0;
    for (const Item& item : items_) {
        const PaneTransform& t = systems_[item.system];
        auto at = [&](std::uint32_t n) { return t.toPixel(points_[n].x, points_[n].y, interior); };
        if (item.kind != Kind::Stroke) {
            ink += area.contains(at(item.first)) ? (item.kind == Kind::Text ? 20 : 3) : 0;
            continue;
        }
        if (item.colour == except.rgba())
            continue;
        QPointF a = at(item.first);
        for (std::uint32_t n = 1; n < item.count; ++n) {
            const QPointF b = at(item.first + n);
            if (std::isfinite(a.x() + a.y() + b.x() + b.y()))
                ink += lengthWithin(a, b, area);
            a = b;
        }
    }
    return ink;
}

} // namespace graphs
