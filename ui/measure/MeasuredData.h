#pragma once

#include "model/measure/Measurements.h"
#include "ui/run/ThrowDrawing.h"

#include <QColor>
#include <QObject>

#include <optional>
#include <vector>

namespace ui {

class ThrowController;

// The colour of measured points on every pane: one that no model and no kept throw uses.
inline const QColor measuredColour{170, 0, 170};

// The measured throw of the lesson, if any: its points lie beneath the current throw as small
// crosses on the trajectory pane, and its velocities (central differences of neighbouring
// points) on the Vx and Vy panes. The panes' ranges grow to hold them. They stay through ПУСК,
// resizes, scale bars and the comparison, until removed or replaced.
class MeasuredData : public QObject, public ThrowUnderlay {
    Q_OBJECT
public:
    explicit MeasuredData(ThrowController& controller, QObject* parent = nullptr);
    ~MeasuredData() override;

    void set(model::measure::Measurements measurements);
    void clear();
    bool has() const { return data_.has_value(); }
    // Only while has().
    const model::measure::Measurements& measurements() const { return *data_; }
    const std::vector<model::measure::VelocityPoint>& velocities() const { return velocities_; }

    bool keep(const model::Throw&, const model::Inputs&) override { return false; }
    bool empty() const override { return !data_; }
    model::TrajectoryRanges trajectoryRanges(const model::Throw& current) const override;
    std::optional<model::VelocityRanges> velocityRanges(const model::Throw& current) const override;
    void drawTrajectory(graphs::PaneSurface& pane, const model::Throw& current,
                        const model::TrajectoryRanges& ranges) const override;
    void drawVelocities(graphs::PaneSurface& vxPane, graphs::PaneSurface& vyPane,
                        const model::VelocityRanges& ranges) const override;

signals:
    // The points came, went or were replaced.
    void changed();

private:
    ThrowController& controller_;
    std::optional<model::measure::Measurements> data_;
    std::vector<model::measure::VelocityPoint> velocities_;
};

} // namespace ui
