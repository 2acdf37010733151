#pragma once

#include "model/Quantities.h"
#include "model/measure/Measurements.h"
#include "model/physics/Inputs.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace ui {

// The texts of the seven input fields, in window order, as the fields show them.
using FieldTexts = std::array<QString, model::fieldCount>;

// What a study window is set to: its own inputs, what it varies and over which range, the result
// it shows, and whether it follows the main window.
struct StudySettings {
    FieldTexts inputs;
    model::Field field = model::Field::alphaDeg;
    QString from, to; // the ends as typed
    int count = 180;
    model::ResultFamily family = model::ResultFamily::range;
    bool following = true;

    friend bool operator==(const StudySettings&, const StudySettings&) = default;
};

// A throw kept for comparison: its inputs and its number in the legend; its curves are computed
// again when the lesson is opened.
struct KeptInputs {
    int number = 0;
    FieldTexts inputs;

    friend bool operator==(const KeptInputs&, const KeptInputs&) = default;
};

// Everything a lesson keeps: the state of the main window that a teacher prepares, never the
// preferences and never a curve.
struct Lesson {
    FieldTexts inputs;
    int scaleX = 10, scaleY = 10; // the scale bars' positions (0 … 200; 10 at start)
    int graph = 0;                // 0 trajectory, 1 Vx, 2 Vy
    bool comparing = false;
    std::vector<KeptInputs> kept; // oldest first
    // The measured points and how they were imported: the "measurements" object of the file,
    // written and read when present (LessonFile.cpp); the window's measured data reach it
    // through LessonCommands::setMeasuredData.
    std::optional<model::measure::Measurements> measurements;
    std::vector<StudySettings> studies;

    friend bool operator==(const Lesson&, const Lesson&);
};

// The same points, settings, count of skipped rows and source (or neither has any).
bool sameMeasurements(const std::optional<model::measure::Measurements>& a,
                      const std::optional<model::measure::Measurements>& b);

// The field texts of these inputs, each in its field's pattern.
FieldTexts fieldTexts(const model::Inputs& in);

} // namespace ui
