#pragma once

#include "model/ClosedForm.h"
#include "model/FlightOutcome.h"
#include "model/GraphRanges.h"
#include "model/Inputs.h"
#include "model/LinearDrag.h"
#include "model/PanePoint.h"
#include "model/QuadraticDragFlight.h"
#include "model/VacuumPath.h"
#include "model/VelocityCurves.h"

#include <ostream>
#include <string>
#include <vector>

namespace cli {

// Everything one run of the window computes for a throw, at the default scale factors.
struct Report {
    model::Inputs inputs;
    model::ClosedForm closed;
    model::LinearDragResult linear;
    model::TrajectoryRanges trajectory;
    model::QuadraticDragFlight quadratic;
    model::VelocityRanges velocity;
    model::VelocityCurves curves;

    // finished, or the first model that could not finish and why.
    model::FlightOutcome outcome = model::FlightOutcome::finished;
    std::string failure; // message for stderr when outcome is not finished

    // Filled only when asked for: the sampled trajectories (quadratic: every RK4 step).
    model::VacuumPath vacuumPath;
    std::vector<model::PanePoint> linearPath, quadraticPath;
};

// One of the 27 results: its JSON name, value and the label text the window shows.
struct ReportedResult {
    std::string name;
    double value;
    std::string text;
};
std::vector<ReportedResult> reportedResults(const Report& r);

// The names of the results that are not finite numbers, joined by ", "; empty when all are.
std::string notFiniteResults(const Report& r);

Report buildReport(const model::Inputs& in, bool withCurves);

// One JSON object (UTF-8), every number with 17 significant digits.
std::string reportJson(const Report& r);

// All curves as CSV rows "curve,x,y", starting with the start point of each.
void writeCurvesCsv(const Report& r, std::ostream& out);

} // namespace cli
