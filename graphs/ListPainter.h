#pragma once

#include "graphs/DisplayList.h"
#include "graphs/StrokePainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QRectF>
#include <QSizeF>

#include <cstdint>
#include <optional>

class QPainter;

namespace graphs {

// Paints a display list onto one device in steps: each step paints what was appended to the
// list since the step before. The open end of the list's last polyline, which the next point
// may still change, is left out of the steps and painted on its own, over them. Painting a list
// in one step or in many gives the same pixels. The interior's top-left corner is the painter's
// origin; everything is clipped to the interior.
class ListPainter {
public:
    ListPainter(QSizeF interior, const QFont& font);

    void paintAppended(QPainter& painter, const DisplayList& list);
    void paintOpenEnd(QPainter& painter) const;
    // Whether the list holds something the steps have not painted yet.
    bool behind(const DisplayList& list) const { return list.pointCount() != pointsTaken_; }
    // Where the picture, open end included, may have changed since the last call, in interior
    // pixels. Null when nothing changed.
    QRectF takeChangedArea();

private:
    void begin(QPainter& painter) const;
    void paintItem(QPainter& painter, const DisplayList& list, std::size_t index);

    QSizeF interior_;
    QFont font_;
    std::size_t itemsStarted_ = 0;
    std::size_t pointsTaken_ = 0;
    // The list's last item while it is a polyline that may grow, and its points taken.
    std::optional<StrokePainter> open_;
    std::uint32_t openPoints_ = 0;
    QRectF changed_;
    std::optional<QFontMetricsF> metrics_; // of the font on the device painted on
};

} // namespace graphs
