#include "ui/tools/Comparison.h"

#include "graphs/GraphPane.h"
#include "model/curves/Legend.h"
#include "ui/platform/Language.h"
#include "ui/run/SessionObject.h"
#include "ui/run/ThrowController.h"
#include "ui/tools/KeptThrowDrawing.h"
#include "ui/tools/Legend.h"
#include "ui/tools/ToolMenu.h"
#include "ui/window/MainWindow.h"

#include <QAction>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <optional>

namespace ui {

namespace {

// Curves of throws that went, for an undo to bring back at once.
constexpr std::size_t keptForUndo = 2 * Comparison::maxKept;

bool curvesOf(const model::KeptThrow& curves, const session::Kept& k) {
    return curves.number == k.number && session::Kept{curves.number, curves.inputs} == k;
}

} // namespace

Comparison::Comparison(MainWindow& window, ThrowController& controller, SessionObject& session,
                       QObject* parent)
    : QObject(parent), window_(window), controller_(controller), session_(session) {
    pool_.setObjectName(QStringLiteral("kept throws"));
    controller_.addUnderlay(this);
    compare_ = addToolAction(window_, ToolCommand::compare, this);
    clear_ = addToolAction(window_, ToolCommand::clearComparison, this);
    connect(compare_, &QAction::toggled, this, &Comparison::setComparing);
    connect(clear_, &QAction::triggered, this, &Comparison::clear);
    clear_->setEnabled(false);
    connect(&session_, &SessionObject::comparisonChanged, this, &Comparison::follow);
    connect(&session_, &SessionObject::lessonReplaced, this, &Comparison::follow);
    // The key describes the kept throws in words: written again in the new language.
    connect(&LanguageSwitch::instance(), &LanguageSwitch::changed, this, [this] {
        if (const model::Throw* t = controller_.currentThrow(); t && !curves_.empty())
            showKeys(t->inputs());
    });
}

Comparison::~Comparison() {
    controller_.removeUnderlay(this);
}

bool Comparison::comparing() const {
    return session_.session().comparing();
}

void Comparison::setComparing(bool on) {
    session_.setComparing(on);
}

void Comparison::clear() {
    session_.clearComparison();
}

void Comparison::follow() {
    const session::Session& s = session_.session();
    if (s.comparing() != comparing_) {
        comparing_ = s.comparing();
        compare_->setChecked(comparing_);
        emit comparingChanged(comparing_);
    }
    // The curves shown stay where the session keeps their throws; others come from those that
    // went, or are computed.
    std::vector<model::KeptThrow> next;
    std::vector<session::Kept> missing;
    bool different = false;
    for (const session::Kept& k : s.kept()) {
        const auto match = [&](const model::KeptThrow& c) { return curvesOf(c, k); };
        const auto shown = std::find_if(curves_.begin(), curves_.end(), match);
        const auto gone = std::find_if(dropped_.begin(), dropped_.end(), match);
        if (shown != curves_.end()) {
            different = different || shown != curves_.begin();
            next.push_back(std::move(*shown));
            curves_.erase(shown);
        } else if (gone != dropped_.end()) {
            different = true;
            next.push_back(std::move(*gone));
            dropped_.erase(gone);
        } else {
            missing.push_back(k);
        }
    }
    different = different || !curves_.empty();
    for (model::KeptThrow& c : curves_)
        dropped_.push_back(std::move(c));
    while (dropped_.size() > keptForUndo)
        dropped_.pop_front();
    curves_ = std::move(next);
    clear_->setEnabled(!curves_.empty());

    // A computation running for them goes on; one for throws no longer kept is dropped.
    const bool covered = std::all_of(missing.begin(), missing.end(), [this](const auto& k) {
        return std::find(computing_.begin(), computing_.end(), k) != computing_.end();
    });
    if (missing.empty() && !computing_.empty()) {
        ++generation_;
        computing_.clear();
    } else if (!covered) {
        compute(missing);
    }
    if (different && !keeping_) {
        if (curves_.empty())
            showKeys({});
        controller_.redrawPanes();
    }
}

void Comparison::compute(const std::vector<session::Kept>& missing) {
    computing_ = missing;
    using Computed = std::optional<model::KeptThrow>;
    auto* watcher = new QFutureWatcher<Computed>(this);
    connect(watcher, &QFutureWatcher<Computed>::finished, this,
            [this, watcher, generation = ++generation_] {
                watcher->deleteLater();
                if (generation != generation_)
                    return;
                for (const Computed& k : watcher->future().results())
                    if (k)
                        dropped_.push_back(*k);
                // Those that cannot be computed leave the session; the others appear together.
                for (const session::Kept& k : std::vector(computing_))
                    if (std::none_of(dropped_.begin(), dropped_.end(),
                                     [&](const model::KeptThrow& c) { return curvesOf(c, k); }))
                        session_.session().dropKept(k.number);
                computing_.clear();
                follow();
                emit restored();
            });
    watcher->setFuture(QtConcurrent::mapped(&pool_, computing_, [](const session::Kept& kept) {
        model::Throw t(kept.inputs);
        t.runToEnd();
        if (t.failed() || !t.velocitiesReady())
            return Computed{};
        return Computed{model::keptThrow(t, kept.number)};
    }));
}

std::vector<const model::KeptThrow*> Comparison::kept() const {
    std::vector<const model::KeptThrow*> out;
    for (const model::KeptThrow& k : curves_)
        out.push_back(&k);
    return out;
}

std::vector<ThrowUnderlay::ReadoutCurves> Comparison::readoutCurves(model::Graph g) const {
    std::vector<ReadoutCurves> rows;
    for (const model::KeptThrow& k : curves_)
        rows.push_back({k.number, k.curvesOn(g)});
    return rows;
}

bool Comparison::keep(const model::Throw& landed, const model::Inputs& next) {
    session::Session& s = session_.session();
    if (!landed.velocitiesReady() || !s.keeps(landed.inputs(), next))
        return false;
    // Its curves are there before the session names it.
    dropped_.push_back(model::keptThrow(landed, s.nextKeptNumber()));
    keeping_ = true;
    s.keep(landed.inputs());
    keeping_ = false;
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
