#include "web/PageComparison.h"

#include "model/Translation.h"
#include "model/curves/Legend.h"
#include "ui/tools/KeptThrowDrawing.h"

#include <algorithm>
#include <cstdio>

namespace web {

namespace {

std::string hex(const QColor& c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.red(), c.green(), c.blue());
    return buf;
}

bool curvesOf(const model::KeptThrow& curves, const session::Kept& k) {
    return curves.number == k.number && session::Kept{curves.number, curves.inputs} == k;
}

} // namespace

bool PageComparison::keep(const model::Throw& landed, const model::Inputs& next) {
    if (!landed.velocitiesReady() || !session_.keeps(landed.inputs(), next))
        return false;
    curves_.push_back(model::keptThrow(landed, session_.nextKeptNumber()));
    session_.keep(landed.inputs());
    follow(); // the oldest goes beyond five
    return true;
}

void PageComparison::follow() {
    std::vector<model::KeptThrow> next;
    std::vector<int> failed;
    for (const session::Kept& k : session_.kept()) {
        const auto shown = std::find_if(curves_.begin(), curves_.end(),
                                        [&](const model::KeptThrow& c) { return curvesOf(c, k); });
        if (shown != curves_.end()) {
            next.push_back(std::move(*shown));
            continue;
        }
        model::Throw t(k.inputs);
        t.runToEnd();
        if (t.failed() || !t.velocitiesReady())
            failed.push_back(k.number);
        else
            next.push_back(model::keptThrow(t, k.number));
    }
    curves_ = std::move(next);
    for (const int number : failed)
        session_.dropKept(number);
}

std::vector<const model::KeptThrow*> PageComparison::kept() const {
    std::vector<const model::KeptThrow*> out;
    for (const model::KeptThrow& k : curves_)
        out.push_back(&k);
    return out;
}

model::TrajectoryRanges PageComparison::trajectoryRanges(const model::Throw& current) const {
    return model::grownTrajectoryRanges(current, kept());
}

std::optional<model::VelocityRanges>
PageComparison::velocityRanges(const model::Throw& current) const {
    return model::grownVelocityRanges(current, kept());
}

void PageComparison::drawTrajectory(graphs::PaneSurface& pane, const model::Throw&,
                                    const model::TrajectoryRanges& ranges) const {
    ui::drawKeptTrajectories(pane, kept(), ranges);
}

void PageComparison::drawVelocities(graphs::PaneSurface& vxPane, graphs::PaneSurface& vyPane,
                                    const model::VelocityRanges& ranges) const {
    ui::drawKeptVelocities(vxPane, vyPane, kept(), ranges);
}

std::vector<ui::ThrowUnderlay::ReadoutCurves> PageComparison::readoutCurves(model::Graph g) const {
    std::vector<ReadoutCurves> rows;
    for (const model::KeptThrow& k : curves_)
        rows.push_back({k.number, k.curvesOn(g)});
    return rows;
}

nlohmann::json PageComparison::legend(const model::Inputs& current) const {
    nlohmann::json out = nlohmann::json::array();
    for (const model::LegendEntry& l : model::comparisonLegend(kept(), current)) {
        std::vector<std::string> pieces = l.pieces;
        if (pieces.empty() && l.number != 0)
            pieces.push_back(model::translated("как сейчас"));
        out.push_back(
            {{"number", l.number},
             {"label",
              l.number == 0 ? model::translated("сейчас:") : std::to_string(l.number) + ':'},
             {"pieces", pieces},
             {"colour", hex(l.number == 0 ? graphs::quadraticDragColour : ui::keptShade(2))},
             {"dashes", l.number == 0 ? std::vector<double>{} : ui::keptDashes(l.number)}});
    }
    return out;
}

} // namespace web
