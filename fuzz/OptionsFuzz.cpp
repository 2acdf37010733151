// libFuzzer target: the report tool's command line, study options included.
//
// The input is split at zero bytes into at most 24 arguments. Whatever they are, parsing ends
// with either an error message or options the window itself could hold: every input inside its
// limits and rounded to its field's decimals, a study whose range and count can be computed.
#include "cli/ReportOptions.h"
#include "model/NumberFormat.h"
#include "model/study/Study.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void require(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "option check failed: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size && args.size() <= 24; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back() += static_cast<char>(data[i]);
    }
    const cli::ParsedOptions parsed = cli::parseOptions(args);
    if (!parsed.options) {
        require(!parsed.error.empty(), "a refusal says why");
        return 0;
    }
    const cli::ReportOptions& o = *parsed.options;
    if (o.help)
        return 0;
    const model::Inputs& in = o.inputs;
    require(in.h0 > 0 && in.v0 > 0 && in.alphaDeg > -90 && in.alphaDeg < 90 && in.d > 0 &&
                in.rho > in.rho0 && in.rho0 > 0 && in.eta > 0,
            "inputs inside their limits");
    for (const model::FieldRow& f : model::fieldRows()) {
        const double v = model::inputOf(in, f.id);
        require(model::readNumber(model::formatFixed(v, f.pattern)) == v,
                "inputs rounded to their fields");
    }
    if (o.study) {
        model::StudySpec plan{o.study->field, o.study->from, o.study->to, o.study->count, in};
        require(model::checkStudySpec(plan) == model::StudySpecProblem::none,
                "a study that can be computed");
        require(o.curvesFile.empty(), "no curves with a study");
    }
    return 0;
}
