#include "graphs/PaneTransform.h"

#include <cmath>

namespace graphs {

bool PaneTransform::usable(double left, double top, double right, double bottom) {
    const double spanX = right - left;
    const double spanY = top - bottom;
    return std::isfinite(spanX) && std::isfinite(spanY) && spanX != 0 && spanY != 0;
}

bool PaneTransform::setRect(double left, double top, double right, double bottom) {
    if (!usable(left, top, right, bottom))
        return false;
    left_ = left;
    top_ = top;
    right_ = right;
    bottom_ = bottom;
    return true;
}

double PaneTransform::column(double x, double width) const {
    return (x - left_) * width / (right_ - left_);
}

double PaneTransform::row(double y, double height) const {
    return (top_ - y) * height / (top_ - bottom_);
}

QPointF PaneTransform::toPixel(double x, double y, QSizeF size) const {
    return {column(x, size.width()), row(y, size.height())};
}

double PaneTransform::userX(double column, double width) const {
    if (width == 0)
        return left_;
    return left_ + column * (right_ - left_) / width;
}

double PaneTransform::userY(double row, double height) const {
    if (height == 0)
        return top_;
    return top_ - row * (top_ - bottom_) / height;
}

QPointF PaneTransform::toUser(QPointF pixel, QSizeF size) const {
    return {userX(pixel.x(), size.width()), userY(pixel.y(), size.height())};
}

} // namespace graphs
