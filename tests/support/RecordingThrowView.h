#pragma once

#include "model/Quantities.h"
#include "model/Throw.h"
#include "ui/run/ThrowView.h"

#include <array>
#include <string>

namespace ui {

// What the controller asks the window to show, kept: the label texts as the window would write
// them (placeholders after each layout) and how often it laid out or chose the trajectory graph.
class RecordingThrowView : public ThrowView {
public:
    void showStart() override { ++starts; }
    void layOut() override {
        ++layouts;
        for (const model::QuantityRow& q : model::quantityRows())
            if (q.stage == model::Stage::flightTop || q.stage == model::Stage::flightLanding)
                labels[std::size_t(q.id)] = model::placeholderText(q.id);
    }
    void showStage(const model::Throw& t, model::Stage stage, char separator) override {
        for (const model::QuantityRow& q : model::quantityRows())
            if (q.stage == stage)
                labels[std::size_t(q.id)] = t.text(q.id, separator);
    }
    void chooseTrajectoryGraph() override { ++trajectoryChosen; }

    const std::string& label(model::Quantity q) const { return labels[std::size_t(q)]; }

    std::array<std::string, model::quantityCount> labels;
    int starts = 0, layouts = 0, trajectoryChosen = 0;
};

} // namespace ui
