#pragma once

#include "graphs/ListPainter.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>

#include <cstdint>
#include <optional>

namespace graphs {

class DisplayList;

// Colour of a pane where nothing is drawn.
inline const QColor paneBackground{255, 255, 255};

// A blank drawing surface of a pane's interior: `size` logical pixels at the device pixel ratio,
// laid out for text at the given logical resolution (dots per inch).
QImage blankPaneImage(QSize size, qreal devicePixelRatio, QPoint dpi);

// The picture of a pane's display list at device resolution, brought up to date by painting
// only what was appended to the list since. The first update, and the first after a change of
// size, ratio, resolution or font, or after the list was cleared, renders the whole list once.
//
// The picture is kept twice: `finished` holds every complete item and piece, `shown` adds the
// open end of the last polyline (ListPainter). When the open end changes, `shown` takes the
// changed area back from `finished` and the open end is painted again, clipped to it. Outside
// that area the open end's pixels stay as they were: antialiased coverage of a pixel depends
// only on the outline near it, and the outline changed only inside.
class PaneCache {
public:
    void setDevice(QSize size, qreal devicePixelRatio, QPoint dpi);
    void setFont(const QFont& font);
    // Whether bringing the picture up to date for this device, font and list would render the
    // whole list (rather than paint what was appended, or nothing).
    bool rendersWhole(QSize size, qreal devicePixelRatio, QPoint dpi, const QFont& font,
                      const DisplayList& list) const;
    // Brings the picture up to date; returns where it changed in logical interior pixels
    // (everything after a whole render; empty when nothing changed).
    QRect update(const DisplayList& list);

    // The interior at device resolution (its devicePixelRatio set).
    const QImage& picture() const { return shown_; }
    QSize size() const { return size_; }
    qreal devicePixelRatio() const { return ratio_; }
    // How many times the whole list was rendered.
    int renders() const { return renders_; }

private:
    void renderAll(const DisplayList& list);
    QRect align(const QRectF& area) const;

    QSize size_;
    qreal ratio_ = 1;
    QPoint dpi_{96, 96};
    QFont font_;
    bool valid_ = false;
    std::uint64_t clears_ = 0;
    int renders_ = 0;
    int grid_ = 1; // logical pixels per step at which device pixels fall on whole logical ones
    QImage finished_, shown_;           // views on the memory of the stores
    QImage finishedStore_, shownStore_; // as large as the largest picture so far
    std::optional<ListPainter> painter_;
};

} // namespace graphs
