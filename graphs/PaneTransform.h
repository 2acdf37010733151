#pragma once

#include <QPointF>
#include <QSizeF>

namespace graphs {

// Maps the user coordinates of a pane (left, top, right, bottom) onto its drawable interior of
// W × H pixels: column = (x − left)·W/(right − left), row = (top − y)·H/(top − bottom), both
// counted from the interior's top-left corner; with top > bottom y grows upward.
//
// A rectangle with a zero span (or a non-finite edge) has no mapping. setRect refuses it and
// keeps the previous coordinate system, so a scale factor of 0 leaves the pane as it was.
class PaneTransform {
public:
    // The unit square with y upward, until a usable rectangle arrives.
    PaneTransform() = default;

    static bool usable(double left, double top, double right, double bottom);

    // Returns false and changes nothing when the rectangle is not usable.
    bool setRect(double left, double top, double right, double bottom);

    double left() const { return left_; }
    double top() const { return top_; }
    double right() const { return right_; }
    double bottom() const { return bottom_; }

    double column(double x, double width) const;
    double row(double y, double height) const;
    QPointF toPixel(double x, double y, QSizeF size) const;

    // The inverse; an interior of zero width or height maps everything to the left/top edge.
    double userX(double column, double width) const;
    double userY(double row, double height) const;
    QPointF toUser(QPointF pixel, QSizeF size) const;

    bool operator==(const PaneTransform&) const = default;

private:
    double left_ = 0;
    double top_ = 1;
    double right_ = 1;
    double bottom_ = 0;
};

} // namespace graphs
