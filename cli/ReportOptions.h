#pragma once

#include "cli/DataOptions.h"
#include "model/Quantities.h"
#include "model/physics/Inputs.h"

#include <optional>
#include <string>
#include <vector>

namespace cli {

// A study of one input (--vary KEY --from X --to Y [--count N] [--result KEY]).
struct StudyOptions {
    model::Field field = model::Field::alphaDeg;
    double from = 0;
    double to = 0;
    int count = 180;
    std::optional<model::Quantity> result; // its family only; nothing: every result
};

// Command line of ballflight-report: --h0 --v0 --angle --d --rho --rho0 --eta (each followed by
// a number as typed into the window's field), --cd, and --curves FILE and measured --data, or a
// study.
struct ReportOptions {
    model::Inputs inputs;   // after the field handling: checked and rounded to the patterns
    std::string curvesFile; // empty: no CSV
    std::optional<StudyOptions> study;
    std::optional<DataOptions> data;
    bool precise = false; // adds the exact values of the walk and flight results
    bool help = false;
};

// The language of the label texts and of the model's messages (--lang en|ru); the tool's own
// messages, the JSON keys and the CSV headers are English in both.
enum class ReportLanguage { russian, english };

// Either the options or the message of the first error (unknown option, missing value, a study
// that cannot be made, or an input refused by its field check, with the field's own message).
// A pure function of the arguments.
struct ParsedOptions {
    std::optional<ReportOptions> options;
    std::string error;
    bool usageError = false; // the command line itself is wrong (not a refused input)
    // Read before any input is checked: the caller that switches to it parses again, so that a
    // refused input is told in that language.
    ReportLanguage language = ReportLanguage::russian;
};

ParsedOptions parseOptions(const std::vector<std::string>& args);

// The usage text printed by --help.
const char* usageText();

} // namespace cli
