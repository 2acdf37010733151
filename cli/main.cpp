#include "cli/DataReport.h"
#include "cli/Output.h"
#include "cli/Report.h"
#include "cli/ReportOptions.h"
#include "cli/StudyReport.h"
#include "model/study/StudyCsv.h"
#include "model/study/StudyRunner.h"
#include "translations/Translations.h"

#include <csignal>
#include <cstdio>
#include <iostream>
#include <sstream>

namespace {

// Status 1: an output that could not be written, with the reason.
int writeFailed(const std::string& what, const std::string& why) {
    std::cerr << "ballflight-report: cannot write " << what << ": " << why << '\n';
    return 1;
}

int printed(const std::string& text) {
    const std::string why = cli::writeStandardOutput(text);
    return why.empty() ? 0 : writeFailed("the standard output", why);
}

} // namespace

// ballflight-report: the window's computations for one throw, as JSON on stdout, or for a study
// of one input, as CSV.
int main(int argc, char** argv) {
    // A file that outgrows the size limit is an error of its write, not a reason to die with a
    // half-written file behind.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::vector<std::string> args(argv + 1, argv + argc);
    auto parsed = cli::parseOptions(args);
    if (parsed.language == cli::ReportLanguage::english) {
        if (translations::use(translations::Language::english))
            parsed = cli::parseOptions(args); // a refused input, now told in English
        else
            std::cerr << "ballflight-report: the English texts are missing; writing Russian\n";
    }
    if (!parsed.options) {
        std::cerr << "ballflight-report: " << parsed.error << '\n';
        if (parsed.usageError)
            std::cerr << cli::usageText();
        return 2;
    }
    const auto& opts = *parsed.options;
    if (opts.help)
        return printed(cli::usageText());
    if (opts.study) {
        const model::StudySpec plan = cli::studySpec(*opts.study, opts.inputs);
        const std::atomic<bool> never{false};
        const auto points = model::runStudy(plan, model::allCores(), never);
        cli::writeSkippedPoints(plan, *points, std::cerr);
        std::ostringstream csv;
        model::writeStudyCsv(plan, *points, cli::studyColumns(*opts.study), csv);
        return printed(csv.str());
    }
    if (opts.data && opts.data->printPoints) {
        std::string error;
        const auto measured = cli::readMeasured(*opts.data, error);
        if (!measured) {
            std::cerr << "ballflight-report: " << opts.data->file << ": " << error << '\n';
            return 2;
        }
        return printed(cli::pointsCsv(*measured));
    }
    // Measured data are read first: a file that cannot be read stops the run before any output.
    cli::DataReport data;
    if (opts.data) {
        data = cli::measuredData(*opts.data, opts.inputs);
        if (!data.error.empty()) {
            std::cerr << "ballflight-report: " << opts.data->file << ": " << data.error << '\n';
            return 2;
        }
    }
    const model::Throw report = cli::computeThrow(opts.inputs, !opts.curvesFile.empty());
    if (const std::string failure = cli::failureText(report); !failure.empty()) {
        std::cerr << "ballflight-report: " << failure << '\n';
        return 3;
    }
    if (!opts.curvesFile.empty())
        if (const std::string why = cli::writeCurves(report, opts.curvesFile); !why.empty())
            return writeFailed(opts.curvesFile, why);
    std::string json = cli::reportJson(report, opts.precise);
    json.insert(json.size() - 1, data.json);
    const int status = printed(json + '\n');
    if (status != 0)
        return status;
    if (data.noFit) {
        std::cerr << "ballflight-report: no model could be fitted to the measured points\n";
        return 3;
    }
    return 0;
}
