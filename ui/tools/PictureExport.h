#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>

class QPainter;

namespace graphs {
struct PaneDrawing;
}

namespace ui {

struct PictureCaption;

// Pictures of a graph pane as it was drawn when its drawing was taken (without the ball marker),
// replayed from its display list, its key included; on any thread. With a caption, a strip beneath
// the graph carries the key of the models and the inputs (PictureCaption), so that the picture can
// be read on its own.

// A raster picture at twice the pane's pixel size, lines and text as sharp as on a screen of
// twice the density.
QImage graphImage(const graphs::PaneDrawing& pane, const PictureCaption* caption = nullptr);
// A vector picture of the pane's size in pixels, with the given title.
QByteArray graphSvg(const graphs::PaneDrawing& pane, const QString& title,
                    const PictureCaption* caption = nullptr);

// The caption's type: the pane's, in pixels, so that it keeps its size on any device.
QFont captionFont(const graphs::PaneDrawing& pane);

// The bytes of a picture: an image as PNG; or an SVG of `size` px whose text keeps the size it
// has on a screen of `dpi`, drawn by `paint`.
QByteArray pngBytes(const QImage& image);
QByteArray svgBytes(QSize size, int dpi, const QString& title,
                    const std::function<void(QPainter&)>& paint);

} // namespace ui
