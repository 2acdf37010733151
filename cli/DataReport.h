#pragma once

#include "cli/DataOptions.h"
#include "model/physics/Inputs.h"

#include <optional>
#include <string>

namespace cli {

struct DataReport {
    std::string error; // the file or its table cannot be read (exit 2); nothing else is set
    // The members added to the report's JSON object, starting with a comma:
    // , "data": {"points": N, "skipped": K, "rms": {"vacuum": …, "linear": …, "quadratic": …},
    // "after_landing": {"vacuum": …, …}}: the points timed after each model's landing, compared
    // with its landing point
    // and with a fit , "fit": {"vacuum": {"inputs": {…}, "errors": {…}, "rms": …,
    // "iterations": …, "converged": …}, "linear": …, "quadratic": …, "best": "…" or null}.
    std::string json;
    bool noFit = false; // a fit was asked for and no model converged (exit 3)
};

// The points of d's file as read: in SI units and time order, without the placement at the
// launch. Nothing, with the reason in error, when the file or its table cannot be read.
std::optional<model::measure::Measurements> readMeasured(const DataOptions& d, std::string& error);

// The points as CSV: a header "t,x,y" and a row for each point, in s and m.
std::string pointsCsv(const model::measure::Measurements& m);

// Reads the measured points of d and compares them with the models of the throw in (the start
// of the fit).
DataReport measuredData(const DataOptions& d, const model::Inputs& in);

} // namespace cli
