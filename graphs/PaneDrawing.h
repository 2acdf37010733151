#pragma once

#include "graphs/DisplayList.h"
#include "graphs/PaneKey.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QSize>

#include <memory>
#include <vector>

class QPainter;

namespace graphs {

// A copy of what a pane shows: its display list, its key, its font and its size and resolution.
// It is painted anywhere, on any thread, while the pane goes on drawing (the pane copies its list
// before it changes one that a drawing shares): pictures that are saved, copied or printed are
// painted on the work pool from one.
struct PaneDrawing {
    std::shared_ptr<const DisplayList> list; // shared with the pane until it draws again
    std::vector<KeyEntry> key;
    QFont font;
    QSize interior; // logical pixels
    QPoint dpi{96, 96};

    // The drawing, white background and key included, onto an interior of the given size with
    // its top-left corner at the painter's origin, clipped to it.
    void paint(QPainter& painter, QSizeF size) const;
    // The drawing as an image of the given logical size (the interior's when invalid).
    QImage toImage(QSize size = QSize(), qreal devicePixelRatio = 1.0) const;
};

// The key on an interior of the given size, in the corner where it hides the least of the
// curves (the upper right one when all hide as much).
KeyLayout keyLayoutOver(const DisplayList& list, const std::vector<KeyEntry>& key, QSizeF interior,
                        const QFont& font);
// The list, white background and key included (see PaneDrawing::paint).
void paintDrawing(QPainter& painter, const DisplayList& list, const std::vector<KeyEntry>& key,
                  const QFont& font, QSizeF interior);

} // namespace graphs
