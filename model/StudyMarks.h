#pragma once

#include "model/Inputs.h"
#include "model/Quantities.h"
#include "model/Study.h"

#include <optional>
#include <string>
#include <vector>

namespace model {

// The greatest value of each curve of a study, and its least value where that lies strictly
// inside the range, with the text that marks it on the graph:
//   «наибольшая дальность в среде (Fc~v^2): α = 40.50 ± 0.25 град, Xmax2 = 1.069 м».
//
// A result with a closed form (the vacuum results, tau, Vp1, Tp1, Xp1, Ymax1, Vp2, R2, m) is
// smooth in every input, so its mark is refined by golden-section search between the
// neighbours of the best computed point, to 0.01 of the input's unit (finer where the points
// are closer), evaluating the closed forms at inputs that are not rounded to the field's
// decimals. The results of the walks change in steps of one time step; their mark is the best
// computed point, and its text gives the precision: ± half the distance between the points.

enum class Extreme { greatest, least };

struct StudyMark {
    Quantity quantity;
    Extreme extreme;
    double input;     // where the curve takes it
    double value;     // the result there
    bool refined;     // found by the search on the closed form
    double precision; // ± of input: half the spacing for a computed point, 0 when refined
    std::string text;
};

// The marks of the members of family, member by member, the greatest first. A curve that is the
// same at every computed point (Xmax against η) has none.
std::vector<StudyMark> studyMarks(const StudySpec& plan, const std::vector<StudyPoint>& points,
                                  ResultFamily family);

// A result that has a closed form, at any inputs; nothing for a result of the walks.
std::optional<double> closedFormValue(Quantity q, const Inputs& in);

} // namespace model
