#include "ui/tools/Comparison.h"

#include "graphs/GraphPane.h"
#include "model/curves/Legend.h"
#include "ui/platform/Language.h"
#include "ui/run/ThrowController.h"
#include "ui/tools/KeptThrowDrawing.h"
#include "ui/tools/Legend.h"
#include "ui/window/MainWindow.h"

#include <QAction>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <optional>

namespace ui {

Comparison::Comparison(MainWindow& window, ThrowController& controller, QObject* parent)
    : QObject(parent), window_(window), controller_(controller) {
    pool_.setObjectName(QStringLiteral("kept throws"));
    controller_.addUnderlay(this);
    connect(window_.toolAction(ToolCommand::compare), &QAction::toggled, this,
            &Comparison::setComparing);
    connect(window_.toolAction(ToolCommand::clearComparison), &QAction::triggered, this,
            &Comparison::clear);
    window_.toolAction(ToolCommand::clearComparison)->setEnabled(false);
    // The key describes the kept throws in words: written again in the new language.
    connect(&LanguageSwitch::instance(), &LanguageSwitch::changed, this, [this] {
        if (const model::Throw* t = controller_.currentThrow(); t && !kept_.empty())
            showKeys(t->inputs());
    });
}

Comparison::~Comparison() {
    controller_.removeUnderlay(this);
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
    ++generation_;
    restoring_.clear();
    if (kept_.empty())
        return;
    kept_.clear();
    showKeys({});
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
    ++generation_;
    kept_.clear();
    numbered_ = 0;
    restoring_.assign(throws.end() - std::min(throws.size(), maxKept), throws.end());
    for (const auto& kept : restoring_)
        numbered_ = std::max(numbered_, kept.first);
    keptChanged();
    controller_.redrawPanes();
    if (restoring_.empty())
        return;
    using Computed = std::optional<model::KeptThrow>;
    auto* watcher = new QFutureWatcher<Computed>(this);
    connect(watcher, &QFutureWatcher<Computed>::finished, this,
            [this, watcher, generation = generation_] {
                watcher->deleteLater();
                if (generation != generation_)
                    return;
                std::deque<model::KeptThrow> all;
                for (const Computed& k : watcher->future().results())
                    if (k)
                        all.push_back(*k);
                for (model::KeptThrow& k : kept_) // landed while these were computed
                    all.push_back(std::move(k));
                while (all.size() > maxKept)
                    all.pop_front();
                kept_ = std::move(all);
                restoring_.clear();
                keptChanged();
                controller_.redrawPanes();
                emit restored();
            });
    watcher->setFuture(QtConcurrent::mapped(
        &pool_, restoring_, [](const std::pair<int, model::Inputs>& kept) -> Computed {
            model::Throw t(kept.second);
            t.runToEnd();
            if (t.failed() || !t.velocitiesReady())
                return std::nullopt;
            return model::keptThrow(t, kept.first);
        }));
}

std::vector<std::pair<int, model::Inputs>> Comparison::keptInputs() const {
    std::vector<std::pair<int, model::Inputs>> out = restoring_;
    for (const model::KeptThrow& k : kept_)
        out.emplace_back(k.number, k.inputs);
    if (out.size() > maxKept)
        out.erase(out.begin(), out.end() - maxKept);
    return out;
}

bool Comparison::keep(const model::Throw& landed, const model::Inputs& next) {
    if (!comparing_ || !landed.velocitiesReady())
        return false;
    auto same = [&landed](const model::Inputs& other) {
        return model::differingInputs(landed.inputs(), other).empty();
    };
    if (same(next) || std::any_of(kept_.begin(), kept_.end(),
                                  [&](const model::KeptThrow& k) { return same(k.inputs); }))
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
    drawKeptTrajectories(pane, kept(), ranges);
    showKeys(current.inputs());
}

void Comparison::showKeys(const model::Inputs& current) const {
    const std::vector<graphs::KeyEntry> key = throwsKey(kept(), current);
    for (const Graph g : allGraphs)
        window_.pane(g)->setKeyPart(graphs::KeyPart::throws, key);
}

void Comparison::drawVelocities(graphs::PaneSurface& vxPane, graphs::PaneSurface& vyPane,
                                const model::VelocityRanges& ranges) const {
    drawKeptVelocities(vxPane, vyPane, kept(), ranges);
    if (const model::Throw* t = controller_.currentThrow())
        showKeys(t->inputs());
}

} // namespace ui
