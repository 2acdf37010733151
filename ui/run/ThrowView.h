#pragma once

#include "model/Quantities.h"

namespace model {
class Throw;
}

namespace ui {

// What the controller shows of a run besides the panes: the window's side writes it
// (ThrowPresenter), tests record it.
class ThrowView {
public:
    virtual ~ThrowView() = default;

    // The window to 5 % of its screen, and the session's inputs and scale bars into the fields
    // and the bars as at start (their handlers recompute nothing while loading).
    virtual void showStart() = 0;
    // The controls laid out for the window's size: the flight's labels show their placeholders
    // and the trajectory graph comes to the front.
    virtual void layOut() = 0;
    // The labels of a stage with the values of t, scientific ones with this decimal separator.
    virtual void showStage(const model::Throw& t, model::Stage stage, char separator) = 0;
    // ПУСК chooses the trajectory graph.
    virtual void chooseTrajectoryGraph() = 0;
};

} // namespace ui
