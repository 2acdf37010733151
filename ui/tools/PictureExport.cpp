#include "ui/tools/PictureExport.h"

#include "graphs/PaneCache.h"
#include "graphs/PaneDrawing.h"
#include "ui/tools/PictureCaption.h"

#include <QBuffer>
#include <QFontInfo>
#include <QPainter>
#include <QSvgGenerator>
#include <QtMath>

namespace ui {

namespace {

// The graph, then the caption's strip beneath it.
void paintPicture(QPainter& painter, const graphs::PaneDrawing& pane, QSize graph,
                  const PictureCaption* caption) {
    pane.paint(painter, graph);
    if (!caption)
        return;
    painter.save();
    painter.translate(0, graph.height());
    caption->paint(painter, graph.width(), captionFont(pane));
    painter.restore();
}

// The graph's size and the whole picture's.
QSize pictureSize(const graphs::PaneDrawing& pane, const PictureCaption* caption) {
    const QSize graph = pane.interior;
    if (!caption)
        return graph;
    return {graph.width(),
            graph.height() + qCeil(caption->height(graph.width(), captionFont(pane)))};
}

} // namespace

QFont captionFont(const graphs::PaneDrawing& pane) {
    QFont font = pane.font;
    font.setPixelSize(QFontInfo(pane.font).pixelSize());
    return font;
}

QImage graphImage(const graphs::PaneDrawing& pane, const PictureCaption* caption) {
    if (!caption)
        return pane.toImage(QSize(), 2.0);
    QImage image = graphs::blankPaneImage(pictureSize(pane, caption), 2.0, pane.dpi);
    if (image.isNull())
        return image;
    QPainter painter(&image);
    paintPicture(painter, pane, pane.interior, caption);
    return image;
}

QByteArray graphSvg(const graphs::PaneDrawing& pane, const QString& title,
                    const PictureCaption* caption) {
    return svgBytes(pictureSize(pane, caption), pane.dpi.x(), title, [&](QPainter& painter) {
        paintPicture(painter, pane, pane.interior, caption);
    });
}

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray svgBytes(QSize size, int dpi, const QString& title,
                    const std::function<void(QPainter&)>& paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(dpi);
    svg.setTitle(title);
    QPainter painter(&svg);
    paint(painter);
    painter.end();
    return bytes;
}

} // namespace ui
