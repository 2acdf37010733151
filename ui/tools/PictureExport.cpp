#include "ui/tools/PictureExport.h"

#include "graphs/GraphPane.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

namespace ui {

QImage graphImage(const graphs::GraphPane& pane) {
    return pane.toImage(QSize(), 2.0);
}

QByteArray graphPng(const graphs::GraphPane& pane) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    graphImage(pane).save(&buffer, "PNG");
    return bytes;
}

QByteArray graphSvg(const graphs::GraphPane& pane, const QString& title) {
    const QSize size = pane.contentsRect().size();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    // Text keeps the size it has on the screen.
    svg.setResolution(pane.logicalDpiX());
    svg.setTitle(title);
    QPainter painter(&svg);
    pane.paintDrawing(painter, size);
    painter.end();
    return bytes;
}

} // namespace ui
