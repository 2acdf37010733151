#pragma once

#include "model/curves/ThrowCurves.h"
#include "model/session/Session.h"
#include "ui/run/ThrowDrawing.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <vector>

namespace web {

// The throws kept for comparison beneath the page's panes: the session names them and decides
// which are kept, this keeps their curves and draws them as the window does.
class PageComparison : public ui::ThrowUnderlay {
public:
    explicit PageComparison(session::Session& session) : session_(session) {}

    bool keep(const model::Throw& landed, const model::Inputs& next) override;
    bool empty() const override { return curves_.empty(); }
    model::TrajectoryRanges trajectoryRanges(const model::Throw& current) const override;
    std::optional<model::VelocityRanges> velocityRanges(const model::Throw& current) const override;
    void drawTrajectory(graphs::PaneSurface& pane, const model::Throw& current,
                        const model::TrajectoryRanges& ranges) const override;
    void drawVelocities(graphs::PaneSurface& vxPane, graphs::PaneSurface& vyPane,
                        const model::VelocityRanges& ranges) const override;

    std::vector<ReadoutCurves> readoutCurves(model::Graph g) const override;

    // Follows the session: the curves of throws it no longer keeps go, those of throws it keeps
    // without curves here (an opened lesson's) are computed; one that cannot be computed leaves.
    void follow();

    // The legend, the current throw first: [{number, label, pieces, colour, dashes}], in the chosen
    // language; empty without kept throws.
    nlohmann::json legend(const model::Inputs& current) const;

private:
    std::vector<const model::KeptThrow*> kept() const;

    session::Session& session_;
    std::vector<model::KeptThrow> curves_; // oldest first, as the session keeps them
};

} // namespace web
