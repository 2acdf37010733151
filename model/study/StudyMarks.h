#pragma once

#include "model/Quantities.h"
#include "model/physics/Inputs.h"
#include "model/study/Study.h"

#include <atomic>
#include <optional>
#include <string>
#include <vector>

namespace model {

// The greatest value of each curve of a study, and its least value where that lies strictly
// inside the range, with the text that marks it on the graph:
//   «наибольшая дальность в среде (Fc~v^2): α = 40.50 ± 0.25 град, Xmax2 = 1.069 м».
//
// Every result is smooth in every input, so its mark is refined by golden-section search between
// the neighbours of the best computed point, to 0.01 of the input's unit (finer where the points
// are closer), at inputs that are not rounded to the field's decimals: the closed forms from their
// formulas, the results of the walks from their exact values (model/exact), not from the stepped
// figures, which change in steps of one time step. A point whose exact flight cannot be had (a
// flight too stiff to integrate) keeps the best computed point, and its text gives the precision:
// ± half the distance between the points.

enum class Extreme { greatest, least };

struct StudyMark {
    Quantity quantity;
    Extreme extreme;
    double input;     // where the curve takes it
    double value;     // the result there
    bool refined;     // found by the search on the closed form or the exact values
    double precision; // ± of input: half the spacing for a computed point, 0 when refined
    std::string text;
};

// The marks of the members of family, member by member, the greatest first. A curve that is the
// same at every computed point (Xmax against η) has none. The search on the exact values of a
// long flight can take a good part of a second: when stop is raised, it ends at once with
// marks that are not to be used.
std::vector<StudyMark> studyMarks(const StudySpec& plan, const std::vector<StudyPoint>& points,
                                  ResultFamily family, const std::atomic<bool>* stop = nullptr);

// A mark's text in the chosen language («наибольшая дальность …»), as studyMarks writes it.
std::string markText(const StudySpec& plan, const StudyMark& mark);

// A result that has a closed form, at any inputs; nothing for a result of the walks.
std::optional<double> closedFormValue(Quantity q, const Inputs& in);

} // namespace model
