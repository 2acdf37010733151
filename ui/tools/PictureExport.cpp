#include "ui/tools/PictureExport.h"

#include "graphs/GraphPane.h"
#include "graphs/PaneCache.h"
#include "ui/tools/PictureCaption.h"

#include <QBuffer>
#include <QFontInfo>
#include <QPainter>
#include <QSvgGenerator>
#include <QtMath>

namespace ui {

namespace {

// The graph, then the caption's strip beneath it.
void paintPicture(QPainter& painter, const graphs::GraphPane& pane, QSize graph,
                  const PictureCaption* caption) {
    pane.paintDrawing(painter, graph);
    if (!caption)
        return;
    painter.save();
    painter.translate(0, graph.height());
    caption->paint(painter, graph.width(), captionFont(pane));
    painter.restore();
}

// The graph's size and the whole picture's.
QSize pictureSize(const graphs::GraphPane& pane, const PictureCaption* caption) {
    const QSize graph = pane.contentsRect().size();
    if (!caption)
        return graph;
    return {graph.width(),
            graph.height() + qCeil(caption->height(graph.width(), captionFont(pane)))};
}

} // namespace

QFont captionFont(const graphs::GraphPane& pane) {
    QFont font = pane.font();
    font.setPixelSize(QFontInfo(pane.font()).pixelSize());
    return font;
}

QImage graphImage(const graphs::GraphPane& pane, const PictureCaption* caption) {
    if (!caption)
        return pane.toImage(QSize(), 2.0);
    QImage image = graphs::blankPaneImage(pictureSize(pane, caption), 2.0,
                                          QPoint(pane.logicalDpiX(), pane.logicalDpiY()));
    if (image.isNull())
        return image;
    QPainter painter(&image);
    paintPicture(painter, pane, pane.contentsRect().size(), caption);
    return image;
}

QByteArray graphPng(const graphs::GraphPane& pane, const PictureCaption* caption) {
    return pngBytes(graphImage(pane, caption));
}

QByteArray graphSvg(const graphs::GraphPane& pane, const QString& title,
                    const PictureCaption* caption) {
    return svgBytes(pictureSize(pane, caption), pane.logicalDpiX(), title, [&](QPainter& painter) {
        paintPicture(painter, pane, pane.contentsRect().size(), caption);
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
