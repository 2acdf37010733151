#include "cli/ReportOptions.h"

#include "model/InputFields.h"
#include "model/NumberFormat.h"
#include "model/study/Study.h"

#include <algorithm>
#include <array>
#include <utility>

namespace cli {

namespace {

// The study options as given, before they are read.
struct StudyTexts {
    std::optional<std::string> vary, from, to, count, result;

    bool any() const { return vary || from || to || count || result; }
};

std::string fieldKeys() {
    std::string keys;
    for (const model::FieldRow& f : model::fieldRows())
        keys += (keys.empty() ? "" : ", ") + std::string(f.key);
    return keys;
}

// The study, or the reason it cannot be made.
std::optional<StudyOptions> readStudy(const StudyTexts& t, std::string& error) {
    if (!t.vary) {
        error = "--from, --to, --count and --result belong to a study: give --vary";
        return std::nullopt;
    }
    StudyOptions s;
    const auto field = model::fieldByKey(*t.vary);
    if (!field) {
        error = "unknown input " + *t.vary + " for --vary (one of " + fieldKeys() + ")";
        return std::nullopt;
    }
    s.field = *field;
    if (!t.from || !t.to) {
        error = "--vary needs --from and --to";
        return std::nullopt;
    }
    const auto from = model::readStudyNumber(*t.from);
    const auto to = model::readStudyNumber(*t.to);
    if (!from || !to) {
        error = (from ? "--to" : "--from") +
                std::string(" is not a number within the double range: ") +
                (from ? *t.to : *t.from);
        return std::nullopt;
    }
    s.from = *from;
    s.to = *to;
    if (t.count) {
        const auto count = model::readStudyCount(*t.count);
        if (!count) {
            error = "--count is not a whole number: " + *t.count;
            return std::nullopt;
        }
        s.count = *count;
    }
    if (t.result) {
        s.result = model::quantityByKey(*t.result);
        if (!s.result) {
            error = "unknown result " + *t.result + " for --result (a key of the JSON output)";
            return std::nullopt;
        }
    }
    model::StudySpec plan{s.field, s.from, s.to, s.count, {}};
    switch (model::checkStudySpec(plan)) {
    case model::StudySpecProblem::none:
        return s;
    case model::StudySpecProblem::tooFewPoints:
    case model::StudySpecProblem::tooManyPoints:
        error = "--count must be from 2 to " + std::to_string(model::maxStudyPoints);
        break;
    case model::StudySpecProblem::notFinite:
        error = "--from and --to are too far apart";
        break;
    case model::StudySpecProblem::emptyRange:
        error = "--from and --to are equal: nothing would vary";
        break;
    }
    return std::nullopt;
}

} // namespace

const char* usageText() {
    return "usage: ballflight-report [--h0 M] [--v0 M/S] [--angle DEG] [--d M] [--rho KG/M3]\n"
           "                         [--rho0 KG/M3] [--eta PA*S] [--cd CD] [--curves FILE.csv]\n"
           "                         [--precise] [--lang en|ru]\n"
           "       ballflight-report --vary INPUT --from X --to Y [--count N] [--result KEY]\n"
           "                         [--h0 M] ... [--eta PA*S]\n"
           "       ballflight-report --data FILE [--columns T,X,Y | t=T,y=Y] [--units cm,s]\n"
           "                         [--ground lowest|table] [--axis down|up]\n"
           "                         [--fit v0,angle,...] [--h0 M] ...\n"
           "       ballflight-report --data FILE --print-points [--columns T,X,Y] [--units cm,s]\n"
           "Computes the three flight models for one throw and prints the results as JSON.\n"
           "--cd sets the drag coefficient of the quadratic drag (default 0.5).\n"
           "With --vary, computes N throws (default 180) with INPUT (h0, v0, angle, d, rho,\n"
           "rho0, eta) from X to Y and prints CSV: the input, then every result, or with\n"
           "--result (such as Xmax, or Re for the Reynolds numbers) that result in the three\n"
           "models.\n"
           "With --precise, adds the exact values of the flights' tops and landings (the\n"
           "labels' figures come from the stepped flights).\n"
           "With --data, reads measured points (columns t, x, y by their header names or the\n"
           "first three numeric ones; --columns numbers them from 1; --units m|cm|mm and s|ms\n"
           "override the header's; --ground lowest puts y = 0 at the lowest point) and adds\n"
           "their RMS distance from each model; --fit also fits those inputs (and cd, the\n"
           "quadratic drag's coefficient) to the points; after its landing, a model's ball lies\n"
           "where it landed (data.after_landing counts those points). A video-analysis project\n"
           "file (.trk) gives its first point-mass track. --print-points prints the points as\n"
           "read instead, as CSV t,x,y in s and m.\n"
           "A time and one position column (two columns of numbers, or a header naming a time\n"
           "and a height or position but no x; --columns t=1,y=2 says so) is a vertical motion:\n"
           "the models run straight down or up (angle -90 or 90) and --fit leaves the angle;\n"
           "--axis down says the column grows as the ball falls (else guessed from its name and\n"
           "the motion), and the ground is then its lowest point. --print-points prints t,y.\n"
           "With --lang en, the label texts and the messages about the inputs and the data are\n"
           "in English (default ru: Russian); the JSON keys and CSV headers stay as they are.\n"
           "Exit status: 0 success, 2 bad option, refused input or unreadable data, 3 flight\n"
           "not finished or no model could be fitted, 1 an output (the curves file, the standard\n"
           "output) not writable.\n";
}

ParsedOptions parseOptions(const std::vector<std::string>& args) {
    ParsedOptions parsed;
    ReportOptions opts;
    std::array<std::optional<std::string>, model::fieldCount> given;
    StudyTexts study;
    std::optional<std::string> curves, language, cd;
    DataTexts data;
    // Every option takes the text that follows it.
    std::vector<std::pair<std::string, std::optional<std::string>*>> options{
        {"--curves", &curves},     {"--vary", &study.vary},
        {"--from", &study.from},   {"--to", &study.to},
        {"--count", &study.count}, {"--result", &study.result},
        {"--data", &data.data},    {"--columns", &data.columns},
        {"--units", &data.units},  {"--ground", &data.ground},
        {"--axis", &data.axis},    {"--fit", &data.fit},
        {"--lang", &language},     {"--cd", &cd}};
    for (const model::FieldRow& f : model::fieldRows())
        options.emplace_back(std::string("--") + f.key, &given[static_cast<std::size_t>(f.id)]);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            opts.help = true;
            parsed.options = std::move(opts);
            return parsed;
        }
        if (a == "--precise") {
            opts.precise = true;
            continue;
        }
        if (a == "--print-points") {
            data.printPoints = true;
            continue;
        }
        const auto option = std::find_if(options.begin(), options.end(),
                                         [&a](const auto& o) { return o.first == a; });
        if (option == options.end()) {
            parsed.error = "unknown option " + a;
            parsed.usageError = true;
            return parsed;
        }
        const bool file = a == "--curves" || a == "--data";
        if (i + 1 == args.size() || (file && args[i + 1].empty())) {
            parsed.error = file ? a + " needs a file name" : a + " needs a value";
            parsed.usageError = true;
            return parsed;
        }
        *option->second = args[++i];
    }
    opts.curvesFile = curves.value_or(std::string());
    if (language && *language != "ru" && *language != "en") {
        parsed.error = "--lang is en or ru: " + *language;
        parsed.usageError = true;
        return parsed;
    }
    if (language == "en")
        parsed.language = ReportLanguage::english;

    if (study.any()) {
        opts.study = readStudy(study, parsed.error);
        if (!opts.study) {
            parsed.usageError = true;
            return parsed;
        }
        if (!opts.curvesFile.empty() || opts.precise) {
            parsed.error = std::string(opts.precise ? "--precise" : "--curves") +
                           " shows one throw: it cannot go with --vary";
            parsed.usageError = true;
            return parsed;
        }
    }

    if (data.any()) {
        opts.data = readDataOptions(data, parsed.error);
        if (!opts.data || opts.study) {
            if (opts.data)
                parsed.error = "--data compares one throw: it cannot go with --vary";
            parsed.usageError = true;
            return parsed;
        }
    }

    // Every given value is in place before the first check, so the density cross-checks compare
    // the two densities of the command line, not one of them with the other's default.
    for (const model::FieldRow& f : model::fieldRows())
        if (const auto& text = given[static_cast<std::size_t>(f.id)])
            model::inputOf(opts.inputs, f.id) = model::readNumber(*text);
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
    // The drag coefficient is no field of the window, but it is read by the same rule.
    if (cd) {
        opts.inputs.cd = model::readNumber(*cd);
        if (const auto refused = model::checkDragCoefficient(opts.inputs.cd)) {
            parsed.error = "--cd: " + refused->message;
            return parsed;
        }
    }
    parsed.options = std::move(opts);
    return parsed;
}

} // namespace cli
