#pragma once

#include "graphs/PaneSurface.h"

namespace graphs {

// The background drawing of a pane, made right after its coordinate system is set and before
// any curve: both axes (pen 3, black), the light-green grid with numbered tick dots for ten
// steps either side of zero (pen 1), the axes once more thinly over the grid, and the two axis
// captions. Tick labels use the regional decimal separator. The edges are those the pane was
// just scaled to; nothing here changes them.

// Trajectory pane Y(X); also centres the ball marker on the launch point (0, h0).
void drawTrajectoryAxes(PaneSurface& pane, double left, double top, double right, double bottom,
                        double h0, char decimalSeparator);

// Horizontal velocity pane Vx(t).
void drawVxAxes(PaneSurface& pane, double left, double top, double right, double bottom,
                char decimalSeparator);

// Vertical velocity pane Vy(t): tick labels and the time caption hang from the time axis.
void drawVyAxes(PaneSurface& pane, double left, double top, double right, double bottom,
                char decimalSeparator);

} // namespace graphs
