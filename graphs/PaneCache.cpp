#include "graphs/PaneCache.h"

#include "graphs/DisplayList.h"

#include <QPainter>

#include <cmath>
#include <cstring>

namespace graphs {

namespace {

// The smallest whole number of logical pixels that spans whole device pixels; 0 when none
// small does (a ratio such as 1.1).
int gridOf(qreal ratio) {
    for (int n = 1; n <= 8; ++n)
        if (n * ratio == std::round(n * ratio))
            return n;
    return 0;
}

void copyArea(const QImage& from, QImage& to, const QRect& area) {
    const int bytes = area.width() * 4;
    for (int y = area.top(); y <= area.bottom(); ++y)
        std::memcpy(to.scanLine(y) + area.left() * 4, from.constScanLine(y) + area.left() * 4,
                    bytes);
}

void giveResolution(QImage& image, qreal devicePixelRatio, QPoint dpi) {
    image.setDevicePixelRatio(devicePixelRatio);
    // Text comes out the same size as on the screen.
    image.setDotsPerMeterX(qRound(dpi.x() / 0.0254));
    image.setDotsPerMeterY(qRound(dpi.y() / 0.0254));
}

// An image of the given pixel size on the memory of `store`, which grows to hold it. A pane that
// changes size so uses its memory again: mapping fresh pages costs more than painting them.
QImage imageOn(QImage& store, QSize pixels) {
    if (store.width() < pixels.width() || store.height() < pixels.height())
        store = QImage(pixels.expandedTo(store.size()), QImage::Format_ARGB32_Premultiplied);
    if (store.isNull())
        return {};
    return QImage(store.bits(), pixels.width(), pixels.height(), store.bytesPerLine(),
                  QImage::Format_ARGB32_Premultiplied);
}

} // namespace

QImage blankPaneImage(QSize size, qreal devicePixelRatio, QPoint dpi) {
    QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    giveResolution(image, devicePixelRatio, dpi);
    image.fill(paneBackground);
    return image;
}

void PaneCache::setDevice(QSize size, qreal devicePixelRatio, QPoint dpi) {
    if (size == size_ && devicePixelRatio == ratio_ && dpi == dpi_)
        return;
    size_ = size;
    ratio_ = devicePixelRatio;
    dpi_ = dpi;
    grid_ = gridOf(ratio_);
    valid_ = false;
}

void PaneCache::setFont(const QFont& font) {
    if (font == font_)
        return;
    font_ = font;
    valid_ = false;
}

bool PaneCache::rendersWhole(QSize size, qreal devicePixelRatio, QPoint dpi, const QFont& font,
                             const DisplayList& list) const {
    if (size.isEmpty())
        return false;
    return !valid_ || list.clears() != clears_ || size != size_ || devicePixelRatio != ratio_ ||
           dpi != dpi_ || font != font_;
}

void PaneCache::renderAll(const DisplayList& list) {
    valid_ = true;
    clears_ = list.clears();
    ++renders_;
    painter_.emplace(size_, font_);
    finished_ = imageOn(finishedStore_, size_ * ratio_);
    shown_ = imageOn(shownStore_, size_ * ratio_);
    if (finished_.isNull() || shown_.isNull()) {
        finished_ = shown_ = QImage();
        return;
    }
    giveResolution(finished_, ratio_, dpi_);
    giveResolution(shown_, ratio_, dpi_);
    finished_.fill(paneBackground);
    {
        QPainter painter(&finished_);
        painter_->paintAppended(painter, list);
    }
    copyArea(finished_, shown_, finished_.rect());
    QPainter painter(&shown_);
    painter_->paintOpenEnd(painter);
    painter_->takeChangedArea();
}

// The logical rectangle of whole logical pixels that holds the area and spans whole device
// pixels (the whole interior when the ratio has no such grid).
QRect PaneCache::align(const QRectF& area) const {
    const QRect all(QPoint(0, 0), size_);
    if (grid_ == 0)
        return all;
    const int left = int(std::floor(area.left() / grid_)) * grid_;
    const int top = int(std::floor(area.top() / grid_)) * grid_;
    const int right = int(std::ceil(area.right() / grid_)) * grid_;
    const int bottom = int(std::ceil(area.bottom() / grid_)) * grid_;
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)) & all;
}

QRect PaneCache::update(const DisplayList& list) {
    if (size_.isEmpty())
        return {};
    if (!valid_ || list.clears() != clears_) {
        renderAll(list);
        return QRect(QPoint(0, 0), size_);
    }
    if (!painter_->behind(list) || finished_.isNull())
        return {};
    {
        QPainter painter(&finished_);
        painter_->paintAppended(painter, list);
    }
    const QRectF changed = painter_->takeChangedArea();
    if (changed.isEmpty())
        return {};
    const QRect area = align(changed);
    if (area.isEmpty())
        return {};
    const QRect device(area.topLeft() * ratio_, area.size() * ratio_);
    copyArea(finished_, shown_, device & finished_.rect());
    QPainter painter(&shown_);
    painter.setClipRect(area);
    painter_->paintOpenEnd(painter);
    return area;
}

} // namespace graphs
