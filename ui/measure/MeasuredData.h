#pragma once

#include "model/measure/Fit.h"
#include "model/measure/Measurements.h"
#include "ui/measure/MeasuredDrawing.h"
#include "ui/run/ThrowDrawing.h"

#include <QObject>

#include <optional>
#include <vector>

namespace ui {

class SessionObject;
class ThrowController;

// The measured throw of the session, if any, and its fit: its points lie beneath the current throw
// as small crosses on the trajectory pane, and its velocities (central differences of
// neighbouring points) on the Vx and Vy panes. The panes' ranges grow to hold them. They stay
// through ПУСК, resizes, scale bars and the comparison, until removed (a step of the undo history)
// or replaced; new points drop the fit of the old ones.
class MeasuredData : public QObject, public ThrowUnderlay {
    Q_OBJECT
public:
    MeasuredData(ThrowController& controller, SessionObject& session, QObject* parent = nullptr);
    ~MeasuredData() override;

    void set(model::measure::Measurements measurements);
    void clear();
    bool has() const;
    // Only while has().
    const model::measure::Measurements& measurements() const;
    // The fit of these points, once one has finished.
    const std::optional<model::measure::FitResult>& fit() const;
    void setFit(model::measure::FitResult fit);
    const std::vector<model::measure::VelocityPoint>& velocities() const { return velocities_; }

    bool keep(const model::Throw&, const model::Inputs&) override { return false; }
    bool empty() const override { return !has(); }
    model::TrajectoryRanges trajectoryRanges(const model::Throw& current) const override;
    std::optional<model::VelocityRanges> velocityRanges(const model::Throw& current) const override;
    void drawTrajectory(graphs::PaneSurface& pane, const model::Throw& current,
                        const model::TrajectoryRanges& ranges) const override;
    void drawVelocities(graphs::PaneSurface& vxPane, graphs::PaneSurface& vyPane,
                        const model::VelocityRanges& ranges) const override;
    // The point nearest the pointer's abscissa, «точка N:», while there are points; on the
    // trajectory pane of a vertical motion, whose points all lie at x = 0, the nearest in height.
    std::vector<ReadoutPoint> readoutPoints(model::Graph g, double x, double y) const override;

signals:
    // The points came, went or were replaced (with them the fit).
    void changed();

private:
    void follow();

    ThrowController& controller_;
    SessionObject& session_;
    std::vector<model::measure::VelocityPoint> velocities_;
};

} // namespace ui
