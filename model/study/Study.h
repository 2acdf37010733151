#pragma once

#include "model/Quantities.h"
#include "model/physics/Inputs.h"

#include <array>
#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace model {

// A study of how the results depend on one input: the field takes count evenly spaced values
// from `from` to `to` (either way round); every other input is that of base. Each value goes
// through the field's own handling, as if typed into it, and the throw is computed to its end.

// A bound on memory and time: 100 000 points of the default throw take about ten seconds.
inline constexpr int maxStudyPoints = 100000;

struct StudySpec {
    Field field = Field::alphaDeg;
    double from = 0;
    double to = 89.5;
    int count = 180;
    Inputs base;
};

enum class StudySpecProblem {
    none,
    tooFewPoints,  // count < 2
    tooManyPoints, // count > maxStudyPoints
    notFinite,     // an end, or the distance between them, is not a finite number
    emptyRange,    // from == to: nothing varies
};
StudySpecProblem checkStudySpec(const StudySpec& plan);

// The index-th value before the field handles it; the last one is `to` exactly.
double studyValue(const StudySpec& plan, int index);
// The distance between neighbouring values, (to − from)/(count − 1).
double studySpacing(const StudySpec& plan);

enum class PointState {
    computed,   // every result is a finite number
    refused,    // the field's checks refuse the value; no throw
    unfinished, // the throw could not finish (the work bound, an overflow); no results
};

struct StudyPoint {
    double requested = 0; // studyValue
    double input = 0;     // as the field settles it (rounded to its decimals); refused: requested
    PointState state = PointState::computed;
    std::string message; // refused: the field's message; unfinished: why
    std::array<double, studyQuantityCount> values{}; // computed points only

    double value(Quantity q) const { return values[static_cast<std::size_t>(q)]; }
};

// One point, results only. Nothing when stop was raised before it finished.
std::optional<StudyPoint> studyPoint(const StudySpec& plan, int index,
                                     const std::atomic<bool>* stop = nullptr);

// Every point, on the given number of threads (model/study/StudyRunner.h). The whole list in order,
// or nothing when stop was raised before the last point: never a part of it.
std::optional<std::vector<StudyPoint>> runStudy(const StudySpec& plan, int threads,
                                                const std::atomic<bool>& stop,
                                                const std::function<void(int done)>& progress = {});

// An end of the range as typed: one whole number of the field's grammar (isWholeNumber); a
// finite double. Nothing for any other text.
std::optional<double> readStudyNumber(std::string_view text);
// A number of points, read like an end of the range; it must be a whole number. Beyond the int
// range it is clamped; within 2 … maxStudyPoints is not checked here.
std::optional<int> readStudyCount(std::string_view text);

} // namespace model
