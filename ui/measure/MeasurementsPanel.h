#pragma once

#include "model/measure/MeasuredTexts.h"

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;

namespace ui {

class MeasuredData;
class ThrowController;

// A small window beside the main one while measured points are loaded: where they came from,
// how many were read and skipped, and how far each model lies from them — the RMS distance
// between each measured point and the model's position at the same time, from the models'
// exact values. Points timed before a model's launch or after its landing are named and counted
// beneath, model by model. It follows every new throw of the main window; the distances and
// those points are computed on the work pool and shown when ready, the latest asked for winning.
class MeasurementsPanel : public QWidget {
    Q_OBJECT
public:
    MeasurementsPanel(const MeasuredData& data, const ThrowController& controller,
                      QWidget* parent = nullptr);

    // The residual line of a model (0 vacuum, 1 linear, 2 quadratic) as shown.
    QString residualText(int model) const;
    // The points outside the models' flights as shown, empty when there are none.
    QString outsideText() const;
    // The distances shown are still being computed.
    bool computing() const { return asked_ != shown_; }

signals:
    void fitRequested();
    void removeRequested();

private:
    void refresh(bool recompute = true);
    void showResiduals(const model::measure::ModelDistances& d);

    const MeasuredData& data_;
    const ThrowController& controller_;
    QLabel* source_;
    QLabel* counts_;
    QLabel* heading_;
    QLabel* residuals_[3];
    QLabel* outside_;
    int asked_ = 0, shown_ = 0; // the residuals' computations started and shown
    model::measure::ModelDistances shownResiduals_{};
};

} // namespace ui
