#pragma once

#include "model/curves/ThrowCurves.h"
#include "ui/run/ThrowDrawing.h"

#include <QObject>
#include <QThreadPool>

#include <deque>
#include <vector>

namespace ui {

class MainWindow;
class ThrowController;

// «Сравнивать броски» and «Очистить сравнение»: while comparing, every throw that landed after
// ПУСК is kept when the next one replaces it, unless it was thrown with the inputs of a kept
// throw or of the next one: then it is there already. Up to five kept throws lie beneath the
// current one on all three panes (KeptThrowDrawing), the panes' ranges grown to hold them, with
// a key naming what tells them apart (Legend.h). Clearing, or switching comparing off, removes
// them and draws the panes again.
class Comparison : public QObject, public ThrowUnderlay {
    Q_OBJECT
public:
    static constexpr std::size_t maxKept = 5;

    Comparison(MainWindow& window, ThrowController& controller, QObject* parent = nullptr);
    ~Comparison() override;

    void setComparing(bool on);
    bool comparing() const { return comparing_; }
    void clear();
    // Oldest first.
    std::vector<const model::KeptThrow*> kept() const;
    // Replaces the kept throws with these (numbered, oldest first). Each is computed to its end
    // on the comparison's own threads, and they appear together, beneath any throw kept
    // meanwhile, when all are done; a throw that cannot be computed to its end is left out.
    void restore(const std::vector<std::pair<int, model::Inputs>>& throws);
    bool restoring() const { return !restoring_.empty(); }
    // The numbers and inputs of the kept throws, those still being computed first.
    std::vector<std::pair<int, model::Inputs>> keptInputs() const;

    bool keep(const model::Throw& landed, const model::Inputs& next) override;
    bool empty() const override { return kept_.empty(); }
    model::TrajectoryRanges trajectoryRanges(const model::Throw& current) const override;
    std::optional<model::VelocityRanges> velocityRanges(const model::Throw& current) const override;
    void drawTrajectory(graphs::PaneSurface& pane, const model::Throw& current,
                        const model::TrajectoryRanges& ranges) const override;
    void drawVelocities(graphs::PaneSurface& vxPane, graphs::PaneSurface& vyPane,
                        const model::VelocityRanges& ranges) const override;

signals:
    void comparingChanged(bool on);
    // The throws of restore() have been computed and are drawn.
    void restored();

private:
    void keptChanged();
    // The key of every pane for the current inputs.
    void showKeys(const model::Inputs& current) const;

    MainWindow& window_;
    ThrowController& controller_;
    bool comparing_ = false;
    int numbered_ = 0; // throws kept since comparing began or was cleared
    std::deque<model::KeptThrow> kept_;
    std::vector<std::pair<int, model::Inputs>> restoring_;
    int generation_ = 0; // a clear or another restore makes the throws being computed stale
    QThreadPool pool_;   // last: its end waits for the throws being computed
};

} // namespace ui
