#include "ui/tools/Comparison.h"

#include "ui/run/ThrowController.h"
#include "ui/tools/KeptThrowDrawing.h"
#include "ui/window/MainWindow.h"

#include <QAction>

#include <algorithm>

namespace ui {

Comparison::Comparison(MainWindow& window, ThrowController& controller, QObject* parent)
    : QObject(parent), window_(window), controller_(controller) {
    controller_.setUnderlay(this);
    connect(window_.toolAction(ToolCommand::compare), &QAction::toggled, this,
            &Comparison::setComparing);
    connect(window_.toolAction(ToolCommand::clearComparison), &QAction::triggered, this,
            &Comparison::clear);
    window_.toolAction(ToolCommand::clearComparison)->setEnabled(false);
}

Comparison::~Comparison() {
    controller_.setUnderlay(nullptr);
}

void Comparison::setComparing(bool on) {
    if (on == comparing_)
        return;
    comparing_ = on;
    window_.toolAction(ToolCommand::compare)->setChecked(on);
    if (!on)
        clear();
    emit comparingChanged(on);
}

void Comparison::clear() {
    numbered_ = 0;
    if (kept_.empty())
        return;
    kept_.clear();
    keptChanged();
    controller_.redrawPanes();
}

void Comparison::keptChanged() {
    window_.toolAction(ToolCommand::clearComparison)->setEnabled(!kept_.empty());
}

std::vector<const model::KeptThrow*> Comparison::kept() const {
    std::vector<const model::KeptThrow*> out;
    for (const model::KeptThrow& k : kept_)
        out.push_back(&k);
    return out;
}

void Comparison::restore(const std::vector<std::pair<int, model::Inputs>>& throws) {
    kept_.clear();
    numbered_ = 0;
    for (const auto& [number, inputs] : throws) {
        model::Throw t(inputs);
        t.runToEnd();
        if (t.failed() || !t.velocitiesReady())
            continue;
        kept_.push_back(model::keptThrow(t, number));
        numbered_ = std::max(numbered_, number);
        if (kept_.size() > maxKept)
            kept_.pop_front();
    }
    keptChanged();
    controller_.redrawPanes();
}

bool Comparison::keep(const model::Throw& landed) {
    if (!comparing_ || !landed.velocitiesReady())
        return false;
    kept_.push_back(model::keptThrow(landed, ++numbered_));
    if (kept_.size() > maxKept)
        kept_.pop_front();
    keptChanged();
    return true;
}

model::TrajectoryRanges Comparison::trajectoryRanges(const model::Throw& current) const {
    return model::grownTrajectoryRanges(current, kept());
}

std::optional<model::VelocityRanges> Comparison::velocityRanges(const model::Throw& current) const {
    return model::grownVelocityRanges(current, kept());
}

void Comparison::drawTrajectory(graphs::PaneSurface& pane, const model::Throw& current,
                                const model::TrajectoryRanges& ranges) const {
    drawKeptTrajectories(pane, kept(), ranges, current.inputs());
}

void Comparison::drawVelocities(graphs::PaneSurface& vxPane, graphs::PaneSurface& vyPane,
                                const model::VelocityRanges& ranges) const {
    drawKeptVelocities(vxPane, vyPane, kept(), ranges);
}

} // namespace ui
