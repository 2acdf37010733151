#pragma once

#include "model/Quantities.h"
#include "model/Throw.h"
#include "model/curves/CurveLookup.h"
#include "model/curves/GraphRanges.h"
#include "model/physics/Inputs.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace model {

// The three graphs a throw is drawn on.
enum class Graph { trajectory, vx, vy };
inline constexpr std::array<Graph, 3> allGraphs{Graph::trajectory, Graph::vx, Graph::vy};
inline constexpr std::size_t plotCount = 3;

// A graph's curves in the order of the models: vacuum, linear drag, quadratic drag.
inline constexpr std::size_t modelCount = 3;
using PlotCurves = std::array<CurveView, modelCount>;

// The curves of a throw on one graph, as views into it, as the panes draw them: the
// trajectories begin at their start dot (0, h0), the quadratic-drag one holds the first
// piecesDrawn pieces of the flight (none: no curve); the velocity curves are there once the
// velocities are computed.
PlotCurves curvesOf(const Throw& t, Graph plot, std::size_t piecesDrawn);

// A throw kept for comparison once it has landed: its inputs, the spans of its graphs and its
// curves, thinned to within a 32768th of each graph's span: finer than a 4K pane shows, and
// within the readout's last decimal on graphs of a few metres. The curves of a long flight keep
// about two hundred of their millions of points.
struct KeptThrow {
    int number = 0; // as the legend numbers it
    Inputs inputs;
    double trajRangeX = 0; // the whole-number spans of its graphs (GraphRanges)
    float trajRangeY = 0;
    VelocityRanges velocity;
    std::array<std::array<std::vector<PanePoint>, modelCount>, plotCount> curves;

    PlotCurves curvesOn(Graph plot) const;
    std::size_t pointCount() const;
};

// The throw must have its velocities computed.
KeptThrow keptThrow(const Throw& t, int number);

// The ranges of the current throw's panes grown to hold the kept throws too: the largest spans
// of all, at the current throw's scale factors. Without kept throws, the current throw's own.
TrajectoryRanges grownTrajectoryRanges(const Throw& current,
                                       const std::vector<const KeptThrow*>& kept);
// The velocity panes' ranges over the current throw (once its velocities are computed) and the
// kept throws; nothing when neither has any.
std::optional<VelocityRanges> grownVelocityRanges(const Throw& current,
                                                  const std::vector<const KeptThrow*>& kept);

} // namespace model
