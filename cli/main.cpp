#include "cli/AtomicFile.h"
#include "cli/Report.h"
#include "cli/ReportOptions.h"
#include "cli/StudyReport.h"
#include "model/CurvesCsv.h"
#include "model/StudyRunner.h"

#include <csignal>
#include <cstdio>
#include <iostream>
#include <sstream>

// ballflight-report: the window's computations for one throw, as JSON on stdout, or for a study
// of one input, as CSV.
int main(int argc, char** argv) {
    // A file that outgrows the size limit is an error of its write, not a reason to die with a
    // half-written file behind.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto parsed = cli::parseOptions(args);
    if (!parsed.options) {
        std::cerr << "ballflight-report: " << parsed.error << '\n';
        if (parsed.usageError)
            std::cerr << cli::usageText();
        return 2;
    }
    const auto& opts = *parsed.options;
    if (opts.help) {
        std::cout << cli::usageText();
        return 0;
    }
    if (opts.study) {
        const model::StudySpec plan = cli::studySpec(*opts.study, opts.inputs);
        const std::atomic<bool> never{false};
        const auto points = model::runStudy(plan, model::allCores(), never);
        cli::writeSkippedPoints(plan, *points, std::cerr);
        cli::writeStudyCsv(plan, *points, cli::studyColumns(*opts.study), std::cout);
        return 0;
    }
    const model::Throw report = cli::computeThrow(opts.inputs, !opts.curvesFile.empty());
    if (const std::string failure = cli::failureText(report); !failure.empty()) {
        std::cerr << "ballflight-report: " << failure << '\n';
        return 3;
    }
    if (!opts.curvesFile.empty()) {
        std::ostringstream csv;
        model::writeCurvesCsv(report, csv);
        if (const std::string why = cli::writeFileAtomically(opts.curvesFile, csv.str());
            !why.empty()) {
            std::cerr << "ballflight-report: cannot write " << opts.curvesFile << ": " << why
                      << '\n';
            return 1;
        }
    }
    std::cout << cli::reportJson(report, opts.precise) << '\n';
    return 0;
}
