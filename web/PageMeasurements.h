#pragma once

#include "model/measure/Measurements.h"
#include "model/session/Session.h"
#include "ui/run/ThrowDrawing.h"

#include <vector>

namespace web {

// The session's measured points beneath the page's panes, drawn as the window draws them: the
// points on the trajectory pane, their velocities (central differences) on the Vx and Vy panes.
class PageMeasurements : public ui::ThrowUnderlay {
public:
    explicit PageMeasurements(const session::Session& session) : session_(session) {}

    // Follows the session's points (new ones, none, an opened lesson's).
    void follow();

    bool keep(const model::Throw&, const model::Inputs&) override { return false; }
    bool empty() const override { return !session_.measurements(); }
    model::TrajectoryRanges trajectoryRanges(const model::Throw& current) const override;
    std::optional<model::VelocityRanges> velocityRanges(const model::Throw& current) const override;
    void drawTrajectory(graphs::PaneSurface& pane, const model::Throw& current,
                        const model::TrajectoryRanges& ranges) const override;
    void drawVelocities(graphs::PaneSurface& vxPane, graphs::PaneSurface& vyPane,
                        const model::VelocityRanges& ranges) const override;
    // The point nearest the pointer, «точка N:», as the window's readout names it.
    std::vector<ReadoutPoint> readoutPoints(model::Graph g, double x, double y) const override;

private:
    const session::Session& session_;
    std::vector<model::measure::VelocityPoint> velocities_;
};

} // namespace web
