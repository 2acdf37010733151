#pragma once

#include "model/physics/FlightOutcome.h"

#include <QString>

namespace ui {

// The texts of a throw that could not be computed: a sentence for a message box, a
// short line for the pane, and the box's title.
struct FailureTexts {
    static QString message(model::FlightOutcome outcome);
    static QString line(model::FlightOutcome outcome);
    static QString title();
};

} // namespace ui
