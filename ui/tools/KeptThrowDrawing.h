#pragma once

#include "graphs/PaneSurface.h"
#include "model/curves/ThrowCurves.h"

#include <QColor>

#include <vector>

namespace ui {

// How throws kept for comparison look on the panes: the model colours in a lighter shade, a
// thinner pen, and a dash pattern of their own for each throw (by its number, so a throw keeps
// its look while others come and go). Dashes are laid out for a pane of the window's first
// size and grow with the pane, like the rest of the drawing.

// The lighter shade of a model's colour (0 vacuum, 1 linear drag, 2 quadratic drag).
QColor keptShade(std::size_t model);

// The dash pattern of a kept throw (by its number), in pixels of a pane of the window's first size.
const std::vector<double>& keptDashes(int number);

// The kept throws' trajectories, oldest first.
void drawKeptTrajectories(graphs::PaneSurface& pane,
                          const std::vector<const model::KeptThrow*>& kept,
                          const model::TrajectoryRanges& ranges);

void drawKeptVelocities(graphs::PaneSurface& vxPane, graphs::PaneSurface& vyPane,
                        const std::vector<const model::KeptThrow*>& kept,
                        const model::VelocityRanges& ranges);

} // namespace ui
