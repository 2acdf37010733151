#include "web/PageMeasurements.h"

#include "model/Translation.h"
#include "model/measure/Comparison.h"
#include "ui/measure/MeasuredDrawing.h"

namespace web {

void PageMeasurements::follow() {
    // A path without times has no velocities: its points' order is not a clock.
    const auto& m = session_.measurements();
    velocities_ = m && !m->withoutTimes() ? model::measure::velocities(m->points)
                                          : std::vector<model::measure::VelocityPoint>{};
}

model::TrajectoryRanges PageMeasurements::trajectoryRanges(const model::Throw& current) const {
    const auto& m = session_.measurements();
    return m ? ui::measuredTrajectoryRanges(*m, current) : current.trajectoryRanges();
}

std::optional<model::VelocityRanges>
PageMeasurements::velocityRanges(const model::Throw& current) const {
    return ui::measuredVelocityRanges(velocities_, current);
}

void PageMeasurements::drawTrajectory(graphs::PaneSurface& pane, const model::Throw&,
                                      const model::TrajectoryRanges& ranges) const {
    if (const auto& m = session_.measurements())
        ui::drawMeasuredTrajectory(pane, *m, ranges);
}

void PageMeasurements::drawVelocities(graphs::PaneSurface& vxPane, graphs::PaneSurface& vyPane,
                                      const model::VelocityRanges& ranges) const {
    if (session_.measurements())
        ui::drawMeasuredVelocities(vxPane, vyPane, velocities_, ranges);
}

std::vector<ui::ThrowUnderlay::ReadoutPoint>
PageMeasurements::readoutPoints(model::Graph g, double x, double y) const {
    const auto& m = session_.measurements();
    const auto p = m ? ui::nearestMeasuredPoint(*m, velocities_, g, x, y) : std::nullopt;
    if (!p)
        return {};
    const std::string label = model::translated("точка %1:", {std::to_string(p->index + 1)});
    return {{QString::fromStdString(label), ui::measuredColour, p->x, p->y}};
}

} // namespace web
