#include "graphs/PaneDrawing.h"

#include "graphs/PaneCache.h"
#include "graphs/PaneSurface.h"

#include <QPainter>

namespace graphs {

KeyLayout keyLayoutOver(const DisplayList& list, const std::vector<KeyEntry>& key, QSizeF interior,
                        const QFont& font) {
    if (key.empty())
        return {};
    int best = 0;
    double least = 0;
    for (int corner = 0; corner < 4; ++corner) {
        const KeyLayout l = layoutKey(key, interior, font, corner);
        const double ink = list.inkWithin(l.box, interior, gridColour);
        if (corner == 0 || ink < least - 1) {
            best = corner;
            least = ink;
        }
    }
    return layoutKey(key, interior, font, best);
}

void paintDrawing(QPainter& painter, const DisplayList& list, const std::vector<KeyEntry>& key,
                  const QFont& font, QSizeF interior) {
    painter.fillRect(QRectF(QPointF(0, 0), interior), paneBackground);
    list.render(painter, interior, font);
    paintKey(painter, keyLayoutOver(list, key, interior, font));
}

void PaneDrawing::paint(QPainter& painter, QSizeF size) const {
    paintDrawing(painter, list ? *list : DisplayList(), key, font, size);
}

QImage PaneDrawing::toImage(QSize size, qreal devicePixelRatio) const {
    if (!size.isValid())
        size = interior;
    QImage image = blankPaneImage(size, devicePixelRatio, dpi);
    if (image.isNull())
        return image;
    QPainter painter(&image);
    paint(painter, size);
    return image;
}

} // namespace graphs
