#pragma once

#include "graphs/PaneSurface.h"
#include "model/Throw.h"
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

} // namespace ui
