#pragma once

#include "ui/run/ThrowDrawing.h"

#include <vector>

namespace ui {

// Several underlays beneath the current throw, drawn in the order they were added (the kept
// throws, then the measured points): the panes' ranges are the largest spans any of them asks
// for, and a landed throw is offered to each until one keeps it.
class UnderlayStack : public ThrowUnderlay {
public:
    void add(ThrowUnderlay* underlay);
    void remove(ThrowUnderlay* underlay);

    bool keep(const model::Throw& landed, const model::Inputs& next) override;
    bool empty() const override;
    model::TrajectoryRanges trajectoryRanges(const model::Throw& current) const override;
    std::optional<model::VelocityRanges> velocityRanges(const model::Throw& current) const override;
    void drawTrajectory(graphs::PaneSurface& pane, const model::Throw& current,
                        const model::TrajectoryRanges& ranges) const override;
    void drawVelocities(graphs::PaneSurface& vxPane, graphs::PaneSurface& vyPane,
                        const model::VelocityRanges& ranges) const override;
    // Those of every underlay, in order.
    std::vector<ReadoutCurves> readoutCurves(model::Graph g) const override;
    std::vector<ReadoutPoint> readoutPoints(model::Graph g, double x, double y) const override;

private:
    std::vector<ThrowUnderlay*> layers_;
};

} // namespace ui
