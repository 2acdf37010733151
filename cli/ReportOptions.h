#pragma once

#include "model/Inputs.h"

#include <optional>
#include <string>
#include <vector>

namespace cli {

// Command line of ballflight-report: --h0 --v0 --angle --d --rho --rho0 --eta (each followed by
// a number as typed into the window's field) and --curves FILE.
struct ReportOptions {
    model::Inputs inputs;   // after the field handling: checked and rounded to the patterns
    std::string curvesFile; // empty: no CSV
    bool help = false;
};

// Either the options or the message of the first error (unknown option, missing value, or an
// input refused by its field check, with the field's own message).
struct ParsedOptions {
    std::optional<ReportOptions> options;
    std::string error;
    bool usageError = false; // the command line itself is wrong (not a refused input)
};

ParsedOptions parseOptions(const std::vector<std::string>& args);

// The usage text printed by --help.
const char* usageText();

} // namespace cli
