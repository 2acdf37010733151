#include "cli/ReportOptions.h"

#include "model/InputFields.h"
#include "model/NumberFormat.h"

#include <array>
#include <utility>

namespace cli {

namespace {} // namespace

const char* usageText() {
    return "usage: ballflight-report [--h0 M] [--v0 M/S] [--angle DEG] [--d M] [--rho KG/M3]\n"
           "                         [--rho0 KG/M3] [--eta PA*S] [--curves FILE.csv]\n"
           "Computes the three flight models for one throw and prints the results as JSON.\n"
           "Exit status: 0 success, 2 bad option or refused input, 3 flight not finished,\n"
           "1 curves file not writable.\n";
}

ParsedOptions parseOptions(const std::vector<std::string>& args) {
    ParsedOptions parsed;
    ReportOptions opts;
    std::array<std::optional<std::string>, model::fieldCount> given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            opts.help = true;
            parsed.options = std::move(opts);
            return parsed;
        }
        bool known = false;
        auto value = [&]() -> const std::string* {
            return i + 1 < args.size() ? &args[++i] : nullptr;
        };
        for (const model::FieldRow& f : model::fieldRows()) {
            if (a != std::string("--") + f.key)
                continue;
            known = true;
            const std::string* v = value();
            if (!v) {
                parsed.error = a + " needs a value";
                parsed.usageError = true;
                return parsed;
            }
            given[static_cast<std::size_t>(f.id)] = *v;
        }
        if (a == "--curves") {
            known = true;
            const std::string* v = value();
            if (!v || v->empty()) {
                parsed.error = "--curves needs a file name";
                parsed.usageError = true;
                return parsed;
            }
            opts.curvesFile = *v;
        }
        if (!known) {
            parsed.error = "unknown option " + a;
            parsed.usageError = true;
            return parsed;
        }
    }

    // Every given value is in place before the first check, so the density cross-checks compare
    // the two densities of the command line, not one of them with the other's default.
    for (const model::FieldRow& f : model::fieldRows())
        if (const auto& text = given[static_cast<std::size_t>(f.id)])
            model::inputOf(opts.inputs, f.id) = model::ReadNumber(*text);
    for (const model::FieldRow& f : model::fieldRows()) {
        const auto& text = given[static_cast<std::size_t>(f.id)];
        if (!text)
            continue;
        const auto settled = model::settleField(f.id, *text, opts.inputs);
        if (!settled.rejections.empty()) {
            const auto& r = settled.rejections.front();
            parsed.error = std::string("--") + f.key + ": " + r.message;
            return parsed;
        }
    }
    parsed.options = std::move(opts);
    return parsed;
}

} // namespace cli
