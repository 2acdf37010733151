#pragma once

#include "model/measure/Fit.h"

#include <QDialog>
#include <QFutureWatcher>

#include <array>
#include <atomic>
#include <memory>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace graphs {
class GraphPane;
}

namespace ui {

class MainWindow;
class SessionObject;
class MeasuredData;
class ThrowController;

// «Подогнать модели…»: the user chooses which inputs are free (v0 and α at first), and
// «Подогнать» fits each model to the measured points by least squares, from the current inputs,
// on the program's own threads with progress and «Отмена». The table shows, per model, the
// fitted inputs with their standard errors, the RMS residual, the iterations and the Reynolds
// number of the fitted ball; the best model is marked. Beside the ± stand the correlations of
// the fitted inputs, and beneath the table the residuals of the chosen row's model against the
// time. «Применить» writes a model's fitted inputs into the fields as a paste would, so every
// check of the fields runs on them, and a fitted Cd (offered beside the seven; the quadratic drag
// alone fits it) into the lesson.
class FitDialog : public QDialog {
    Q_OBJECT
public:
    FitDialog(MainWindow& window, const ThrowController& controller, MeasuredData& data,
              SessionObject& session, QWidget* parent = nullptr);
    ~FitDialog() override;

    void setFree(const std::vector<model::Field>& free);
    std::vector<model::Field> free() const;
    // The drag coefficient among the free inputs (the quadratic drag fits it).
    QCheckBox* cdBox() const { return cdBox_; }
    // Starts the fit; finished() follows.
    void start();
    void cancel();
    bool running() const;
    // The last fit's results (none before the first finished, nor after new points).
    const std::optional<model::measure::FitResult>& result() const;
    // Writes the fitted inputs of a model (0 vacuum, 1 linear, 2 quadratic) into the fields, as
    // one step of the undo history; «Применить» does it for the model of the chosen row (the best
    // after a fit).
    void apply(int model);
    QTableWidget* table() const { return table_; }
    graphs::GraphPane* residualPlot() const { return residualPlot_; }

    // Closing the dialog (its close button, Esc) cancels a fit that runs: nobody waits for it.
    void done(int result) override;

signals:
    void finished();

private:
    void fitDone();
    // The points changed: a fit running for the old ones stops, and the table shows the fit of
    // the new ones (an undo brings one back) or nothing.
    void pointsChanged();
    void showResults();
    void showResiduals(int row);
    void retranslate();

    MainWindow& window_;
    const ThrowController& controller_;
    MeasuredData& data_;
    SessionObject& session_;
    std::array<QCheckBox*, model::fieldCount> freeBoxes_{};
    QCheckBox* cdBox_; // the drag coefficient
    QPushButton* run_;
    QPushButton* stop_;
    QPushButton* apply_;
    QProgressBar* progress_;
    QLabel* status_;
    QTableWidget* table_;
    graphs::GraphPane* residualPlot_;
    std::shared_ptr<std::atomic<bool>> cancel_;
    QFutureWatcher<model::measure::FitResult> watcher_;
};

} // namespace ui
