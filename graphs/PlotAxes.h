#pragma once

#include "graphs/PaneSurface.h"

#include <QPointF>
#include <QString>

namespace graphs {

// Axes for a plot of any data against any variable (the main window's panes have their own,
// see Axes.h): a frame along the left and bottom edges of the data, the light-green grid at
// round steps (1, 2 or 5 × 10^k), tick labels with the regional decimal separator, the two
// captions, and room for lines of text above the data. The pane is scaled so that the labels
// and the text lines fit around the data at any size; text keeps its pixel size, so a pane
// should be at least about 400 px high for the lines not to overlap.
struct PlotFrame {
    double xMin = 0, xMax = 1; // the data; an empty span is widened
    double yMin = 0, yMax = 1;
    QString xCaption; // "α, град"
    QString yCaption; // "Дальность полёта, м"
    int textLines = 0;
};

// Where things went, in the pane's user coordinates.
struct PlotLayout {
    double left = 0, top = 1, right = 1, bottom = 0; // the pane's scale
    double xMin = 0, xMax = 1, yMin = 0, yMax = 1;   // the data rectangle as drawn
    double lineHeight = 0;                           // one line of text
    // Top-left corner of free text line i (0 is the top one).
    QPointF textLine(int i) const;
};

// Sets the pane's scale and draws the axes; the curves come after.
PlotLayout drawPlotAxes(PaneSurface& pane, const PlotFrame& frame, char decimalSeparator);

// A round step (1, 2 or 5 × 10^k) that cuts span into at most maxTicks parts.
double roundStep(double span, int maxTicks);

} // namespace graphs
