#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace ui {

class MeasuredData;
class ThrowController;

// A small window beside the main one while measured points are loaded: where they came from,
// how many were read and skipped, and how far each model lies from them — the RMS distance
// between each measured point and the model's position at the same time, from the models'
// exact values. It follows every new throw of the main window.
class MeasurementsPanel : public QWidget {
    Q_OBJECT
public:
    MeasurementsPanel(const MeasuredData& data, const ThrowController& controller,
                      QWidget* parent = nullptr);

    // The residual line of a model (0 vacuum, 1 linear, 2 quadratic) as shown.
    QString residualText(int model) const;

signals:
    void fitRequested();
    void removeRequested();

private:
    void refresh();

    const MeasuredData& data_;
    const ThrowController& controller_;
    QLabel* source_;
    QLabel* counts_;
    QLabel* heading_;
    QLabel* residuals_[3];
};

} // namespace ui
