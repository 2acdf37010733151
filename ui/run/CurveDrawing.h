#pragma once

#include "graphs/PaneSurface.h"
#include "model/ClosedForm.h"
#include "model/PanePoint.h"
#include "model/VacuumPath.h"
#include "model/VelocityCurves.h"

#include <vector>

namespace ui {

// Hands the computed curves to the panes with the operations, colours and pen widths the
// window has always used. A curve stops at its first point that is not a finite single-precision
// number: nothing that was not computed is drawn. Each returns false when it had to stop so.

// Vacuum, black: top marker (Xp, 0)-(Xp, Ymax) with pen 1, then pen 3, the start dot (0, h0)
// and the parabola. The pen stays 3.
bool drawVacuumPath(graphs::PaneSurface& pane, const model::ClosedForm& cf, double h0,
                    const model::VacuumPath& path);

// Linear drag, blue: top marker (Xp1, 0)-(Xp1, Ymax1) with pen 1, then pen 3, the start dot
// (0, h0) and the walk.
bool drawLinearDragPath(graphs::PaneSurface& pane, const model::ClosedForm& cf, double h0,
                        const std::vector<model::PanePoint>& points);

// The six velocity curves: pen 3 on both panes; vacuum (black: the constant Vx line, the Vy
// dot and curve), linear drag (blue) and quadratic drag (red), each as dots then curves.
bool drawVelocityCurves(graphs::PaneSurface& vxPane, graphs::PaneSurface& vyPane,
                        const model::VelocityCurves& curves);

// True when both coordinates are finite (a double beyond the single range is not).
bool drawable(model::PanePoint p);
bool drawable(double x, double y);

} // namespace ui
