#include "graphs/DisplayList.h"

#include "graphs/ListPainter.h"

#include <algorithm>

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

} // namespace graphs
