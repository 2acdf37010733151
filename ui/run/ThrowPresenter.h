#pragma once

#include "model/Quantities.h"
#include "model/physics/Inputs.h"
#include "ui/run/ThrowView.h"

#include <QObject>
#include <QString>

#include <array>
#include <map>
#include <optional>

namespace ui {

class MainWindow;
class SessionObject;
class ThrowController;

// The main window's side of the run: writes the result labels the controller asks for, the
// Reynolds numbers into the drag columns' header tooltips (when one is about to show), the
// scale bars' positions and the graph chosen as the session has them, and everything again in a
// newly chosen language. It hands the window's run button, size changes, scale bars and closing
// to the controller, and the user's choices of scale and graph to the session.
class ThrowPresenter : public QObject, public ThrowView {
    Q_OBJECT
public:
    ThrowPresenter(MainWindow& window, SessionObject& session, QObject* parent = nullptr);

    // Connects the window to the controller that shows its throw through this presenter.
    void drive(ThrowController& controller);

    void showStart() override;
    void layOut() override;
    void showStage(const model::Throw& t, model::Stage stage, char separator) override;
    void chooseTrajectoryGraph() override;

protected:
    // Fills the drag columns' header tooltips just before they show.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showScaleBars();
    void showGraph();
    void writeReynolds();
    // After a switch of language: every label, pane and tooltip that shows the throw is written
    // again in the new language, with the same numbers and curves.
    void retranslate();

    MainWindow& window_;
    SessionObject& session_;
    ThrowController* controller_ = nullptr;
    // What each stage's labels show: nothing written yet, their placeholders, the throw's values.
    enum class Shown { nothing, placeholders, values };
    std::array<Shown, 4> labelsShown_{};
    std::optional<model::Inputs> reynoldsFor_; // the inputs the headers' Reynolds numbers are of
    std::map<model::ModelKind, QString> headerTips_;
    bool writingBars_ = false;
    int graphBefore_ = 0; // the graph shown when an option button was pressed
};

} // namespace ui
