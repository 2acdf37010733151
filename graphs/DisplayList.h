#pragma once

#include "graphs/PaneTransform.h"
#include "graphs/StrokePainter.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <vector>

class QPainter;

namespace graphs {

// What has been drawn on a pane, kept in user coordinates so that it can be painted again at any
// size. Consecutive line pieces of one colour and width are stored as one polyline. Each item
// remembers the coordinate system it was drawn in; a new system applies only to what follows.
class DisplayList {
public:
    DisplayList();

    // Forgets the drawing; the coordinate system, pen width and current position stay.
    void clear();
    // A list as this one would be after clear(), made without copying the drawing.
    DisplayList cleared() const;
    // Counts the clears: a painting of the list that began before one no longer fits it.
    std::uint64_t clears() const { return clears_; }
    // False (and nothing changes) for a rectangle without a mapping, see PaneTransform.
    bool setScale(double left, double top, double right, double bottom);
    void setPenWidth(int pixels);
    void line(float x1, float y1, float x2, float y2, QColor colour);
    void lineTo(float x, float y, QColor colour);
    void dot(float x, float y, QColor colour);
    void moveTo(float x, float y);
    void text(const QString& text, QColor colour);

    const PaneTransform& transform() const { return systems_.back(); }
    int penWidth() const { return penWidth_; }
    float currentX() const { return curX_; }
    float currentY() const { return curY_; }
    bool isEmpty() const { return items_.empty(); }
    // Number of stored items; a merged polyline counts once.
    std::size_t itemCount() const { return items_.size(); }
    std::size_t pointCount() const { return points_.size(); }

    // Paints every item onto an interior of the given size whose top-left corner is the
    // painter's origin, clipped to it. Long polylines are thinned to what the pixels can show.
    // The same as painting it in steps with a ListPainter.
    void render(QPainter& painter, QSizeF interior, const QFont& font) const;

    // How much is drawn within the area (interior pixels): the length of the lines in pixels,
    // and a few pixels for each dot and text; lines of the colour `except` do not count.
    double inkWithin(const QRectF& area, QSizeF interior, QColor except) const;

private:
    friend class ListPainter;
    using Point = UserPoint;
    enum class Kind : std::uint8_t { Stroke, Dot, Text };
    struct Item {
        Kind kind;
        std::uint32_t system; // index into systems_
        int width;
        QRgb colour;
        std::uint32_t first; // first point in points_
        std::uint32_t count; // points of a stroke; 1 for a dot or a text
        std::uint32_t text;  // index into texts_ for a text
    };

    bool extendsLastStroke(QColor colour) const;
    void startStroke(Point from, Point to, QColor colour);

    std::vector<PaneTransform> systems_;
    std::vector<Item> items_;
    std::vector<Point> points_;
    std::vector<QString> texts_;
    int penWidth_ = 1;
    float curX_ = 0;
    float curY_ = 0;
    std::uint64_t clears_ = 0;
};

} // namespace graphs
