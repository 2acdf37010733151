#pragma once

#include "model/curves/ThrowCurves.h"
#include "model/session/Session.h"
#include "ui/run/ThrowDrawing.h"

#include <QObject>
#include <QThreadPool>

#include <deque>
#include <vector>

class QAction;

namespace ui {

class MainWindow;
class SessionObject;
class ThrowController;

// «Сравнивать броски» and «Очистить сравнение» over the session's comparison (which throws are
// kept, session::Session::keeps): up to five kept throws lie beneath the current one on all three
// panes (KeptThrowDrawing), the panes' ranges grown to hold them, with a key naming what tells
// them apart (Legend.h). Clearing, or switching comparing off, removes them and draws the panes
// again; both are steps of the undo history.
//
// The curves of a throw kept when it landed are taken from it; those of throws the session got
// otherwise (another lesson, an undo) are computed on the comparison's own threads and appear
// together, beneath any throw kept meanwhile, when all are done. A throw that cannot be computed
// to its end leaves the session.
class Comparison : public QObject, public ThrowUnderlay {
    Q_OBJECT
public:
    static constexpr std::size_t maxKept = session::Session::maxKept;

    Comparison(MainWindow& window, ThrowController& controller, SessionObject& session,
               QObject* parent = nullptr);
    ~Comparison() override;

    void setComparing(bool on);
    bool comparing() const;
    void clear();
    // Oldest first, those with their curves.
    std::vector<const model::KeptThrow*> kept() const;
    bool restoring() const { return !computing_.empty(); }

    bool keep(const model::Throw& landed, const model::Inputs& next) override;
    bool empty() const override { return curves_.empty(); }
    model::TrajectoryRanges trajectoryRanges(const model::Throw& current) const override;
    std::optional<model::VelocityRanges> velocityRanges(const model::Throw& current) const override;
    void drawTrajectory(graphs::PaneSurface& pane, const model::Throw& current,
                        const model::TrajectoryRanges& ranges) const override;
    void drawVelocities(graphs::PaneSurface& vxPane, graphs::PaneSurface& vyPane,
                        const model::VelocityRanges& ranges) const override;
    // The kept throws' curves, oldest first.
    std::vector<ReadoutCurves> readoutCurves(model::Graph g) const override;

signals:
    void comparingChanged(bool on);
    // The throws computed on the threads are drawn.
    void restored();

private:
    // The curves follow the session's kept throws.
    void follow();
    void compute(const std::vector<session::Kept>& missing);
    // The key of every pane for the current inputs.
    void showKeys(const model::Inputs& current) const;

    MainWindow& window_;
    ThrowController& controller_;
    SessionObject& session_;
    QAction* compare_ = nullptr; // «Сравнивать броски»
    QAction* clear_ = nullptr;   // «Очистить сравнение»
    bool comparing_ = false;
    std::vector<model::KeptThrow> curves_; // in the session's order
    std::deque<model::KeptThrow> dropped_; // the last ones to go, for an undo
    std::vector<session::Kept> computing_; // on the threads now
    bool keeping_ = false;                 // a landed throw is being kept
    int generation_ = 0;                   // a newer computation makes the one running stale
    QThreadPool pool_;                     // last: its end waits for the throws being computed
};

} // namespace ui
