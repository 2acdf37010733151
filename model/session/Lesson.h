#pragma once

#include "model/Quantities.h"
#include "model/measure/Measurements.h"
#include "model/physics/Inputs.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace session {

// The texts of the seven input fields, in window order, as the fields show them.
using FieldTexts = std::array<std::string, model::fieldCount>;

// The scale bars' positions at start: a factor of 1 on both axes.
inline constexpr int scaleBarsAtStart = 100;

// What a study window is set to: its own inputs, what it varies and over which range, the result
// it shows, and whether it follows the main window.
struct StudySettings {
    FieldTexts inputs;
    double cd = model::dragCoefficient;
    model::Field field = model::Field::alphaDeg;
    std::string from, to; // the ends as typed
    int count = 180;
    model::ResultFamily family = model::ResultFamily::range;
    bool following = true;

    friend bool operator==(const StudySettings&, const StudySettings&) = default;
};

// A throw kept for comparison, as a lesson keeps it: its number in the legend and its inputs;
// its curves are computed again when the lesson is opened.
struct KeptInputs {
    int number = 0;
    FieldTexts inputs;
    double cd = model::dragCoefficient;

    friend bool operator==(const KeptInputs&, const KeptInputs&) = default;
};

// Everything a lesson keeps: what a teacher prepares in the main window, never the preferences
// and never a curve.
struct Lesson {
    FieldTexts inputs;
    double cd = model::dragCoefficient;
    int scaleX = scaleBarsAtStart, scaleY = scaleBarsAtStart; // the scale bars (0 … 200)
    int graph = 0;                                            // 0 trajectory, 1 Vx, 2 Vy
    bool comparing = false;
    std::vector<KeptInputs> kept; // oldest first
    // The measured points and how they were imported.
    std::optional<model::measure::Measurements> measurements;
    std::vector<StudySettings> studies;

    friend bool operator==(const Lesson&, const Lesson&);
};

// The same points, settings, count of skipped rows and source (or neither has any).
bool sameMeasurements(const std::optional<model::measure::Measurements>& a,
                      const std::optional<model::measure::Measurements>& b);

// The field texts of these inputs, each in its field's pattern.
FieldTexts fieldTexts(const model::Inputs& in);

// The inputs that texts settle to and the texts the fields then show; or, in problem, the first
// refusal's message with the field's name («h = Уже упало!!!»). The texts are read and checked
// as pastes into the seven fields would be, every value in place before the first check, so the
// two densities are compared as given. Cd is taken as it is.
struct SettledInputs {
    model::Inputs inputs;
    FieldTexts texts;
    std::string problem; // empty when every text was accepted
};
SettledInputs settleFieldTexts(const FieldTexts& texts, double cd = model::dragCoefficient);

} // namespace session
