#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace graphs {
class GraphPane;
}

namespace ui {

// Pictures of a graph pane as it is drawn now (without the ball marker), replayed from its
// display list.

// A raster picture at twice the pane's pixel size, lines and text as sharp as on a screen of
// twice the density.
QImage graphImage(const graphs::GraphPane& pane);
QByteArray graphPng(const graphs::GraphPane& pane);
// A vector picture of the pane's size in pixels, with the given title.
QByteArray graphSvg(const graphs::GraphPane& pane, const QString& title);

} // namespace ui
