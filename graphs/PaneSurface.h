#pragma once

#include "model/Quantities.h"

#include <QColor>
#include <QString>

namespace graphs {

// Colours shared by every pane: one per model, and the grid.
inline const QColor vacuumColour{0, 0, 0};
inline const QColor linearDragColour{0, 0, 255};
inline const QColor quadraticDragColour{255, 0, 0};
inline const QColor gridColour{128, 255, 128};

// The colour of a model's curves wherever they are drawn (the vacuum's, and anything not of one
// model, black).
inline QColor colourOf(model::ModelKind m) {
    switch (m) {
    case model::ModelKind::linear:
        return linearDragColour;
    case model::ModelKind::quadratic:
        return quadraticDragColour;
    default:
        return vacuumColour;
    }
}

// The drawing operations of a graph pane, in user coordinates (metres, seconds, m/s; y up).
// Coordinates arrive in single precision, as the pane takes them. Every line and dot makes its
// end point the current position; drawing outside the user rectangle is clipped silently.
class PaneSurface {
public:
    virtual ~PaneSurface() = default;

    virtual void clear() = 0;
    virtual void setScale(double left, double top, double right, double bottom) = 0;
    virtual void setPenWidth(int pixels) = 0;
    virtual void drawLine(float x1, float y1, float x2, float y2, const QColor& colour) = 0;
    virtual void drawLineTo(float x, float y, const QColor& colour) = 0;
    // A dot of the pen width in the pane's foreground colour.
    virtual void drawPoint(float x, float y) = 0;
    virtual void drawPoint(float x, float y, const QColor& colour) = 0;
    virtual void moveTo(float x, float y) = 0;
    // Text in the pane's font and foreground colour, top-left corner at the current position.
    virtual void printText(const QString& text) = 0;
    // Puts the centre of the ball marker (a pane without one ignores it) on (x, y).
    virtual void placeMarker(double x, double y) = 0;
};

} // namespace graphs
