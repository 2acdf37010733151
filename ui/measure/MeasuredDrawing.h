#pragma once

#include "graphs/PaneSurface.h"
#include "model/Throw.h"
#include "model/curves/ThrowCurves.h"
#include "model/measure/Measurements.h"

#include <QColor>

#include <optional>
#include <vector>

namespace ui {

// Measured points on the panes, as the window and the browser page draw them: small crosses in
// a colour of their own, the panes' ranges grown to hold them.

// The colour of measured points on every pane: one that no model and no kept throw uses.
inline const QColor measuredColour{170, 0, 170};

model::TrajectoryRanges measuredTrajectoryRanges(const model::measure::Measurements& m,
                                                 const model::Throw& current);
// The current throw's velocity ranges (once it has them) grown for the measured velocities;
// nothing when neither has any.
std::optional<model::VelocityRanges>
measuredVelocityRanges(const std::vector<model::measure::VelocityPoint>& velocities,
                       const model::Throw& current);

void drawMeasuredTrajectory(graphs::PaneSurface& pane, const model::measure::Measurements& m,
                            const model::TrajectoryRanges& ranges);
void drawMeasuredVelocities(graphs::PaneSurface& vxPane, graphs::PaneSurface& vyPane,
                            const std::vector<model::measure::VelocityPoint>& velocities,
                            const model::VelocityRanges& ranges);

// The point a pane's readout names at the pointer (x, y in the pane's units): the nearest in
// abscissa, or on the trajectory pane of a vertical motion, whose points all lie at x = 0, the
// nearest in height; its index and both its coordinates on that pane. Nothing without points.
struct NearestPoint {
    std::size_t index;
    double x, y;
};
std::optional<NearestPoint>
nearestMeasuredPoint(const model::measure::Measurements& m,
                     const std::vector<model::measure::VelocityPoint>& velocities, model::Graph g,
                     double x, double y);

} // namespace ui
