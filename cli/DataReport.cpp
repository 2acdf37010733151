#include "cli/DataReport.h"

#include "cli/Report.h"
#include "model/measure/Comparison.h"
#include "model/measure/Fit.h"
#include "model/measure/TableImport.h"
#include "model/measure/VerticalMotion.h"

#include <array>
#include <atomic>
#include <charconv>

namespace cli {

namespace {

const char* modelKey(model::ModelKind m) {
    return m == model::ModelKind::vacuum   ? "vacuum"
           : m == model::ModelKind::linear ? "linear"
                                           : "quadratic";
}

const char* problemKey(model::measure::FitProblem p) {
    using model::measure::FitProblem;
    switch (p) {
    case FitProblem::none:
        return "none";
    case FitProblem::nothingToFit:
        return "nothing-to-fit";
    case FitProblem::tooFewPoints:
        return "too-few-points";
    case FitProblem::noStart:
        return "no-start";
    case FitProblem::inputAtBound:
        return "input-at-bound";
    case FitProblem::notThisModel:
        return "not-this-model";
    case FitProblem::tooManyIterations:
        return "too-many-iterations";
    case FitProblem::cancelled:
        return "cancelled";
    }
    return "";
}

// Rows in the order of the fitted inputs; null where the points do not determine one.
std::string correlationJson(const model::measure::ModelFit& f, std::size_t count) {
    if (f.correlation.size() != count * count)
        return "null";
    std::string j = "[";
    for (std::size_t i = 0; i < count; ++i) {
        j += i ? ", [" : "[";
        for (std::size_t k = 0; k < count; ++k)
            j += (k ? ", " : "") + exactNumber(f.correlation[i * count + k]);
        j += "]";
    }
    return j + "]";
}

std::string fitJson(const model::measure::ModelFit& f) {
    std::string inputs, errors;
    const std::vector<std::string> keys = model::measure::fittedKeys(f);
    for (std::size_t k = 0; k < keys.size(); ++k) {
        const bool cd = k == f.fitted.size();
        const std::string key = std::string(k ? ", " : "") + "\"" + keys[k] + "\": ";
        inputs += key + exactNumber(cd ? f.inputs.cd : model::inputOf(f.inputs, f.fitted[k]));
        errors +=
            key + exactNumber(cd ? f.cdError : f.errors[static_cast<std::size_t>(f.fitted[k])]);
    }
    std::string j = "{\"inputs\": {" + inputs + "}, \"errors\": {" + errors +
                    "}, \"correlation\": " + correlationJson(f, keys.size()) +
                    ", \"launch_x\": {\"value\": " + exactNumber(f.launchX) +
                    ", \"error\": " + exactNumber(f.launchXError) +
                    "}, \"rms\": " + exactNumber(f.rms) +
                    ", \"iterations\": " + std::to_string(f.iterations) +
                    ", \"converged\": " + (f.converged ? "true" : "false");
    if (!f.converged) {
        j += std::string(", \"reason\": \"") + problemKey(f.reason) + "\"";
        if (f.reason == model::measure::FitProblem::inputAtBound)
            j += std::string(", \"input\": \"") +
                 (f.boundField ? model::row(*f.boundField).key : "cd") + "\"";
        j += ", \"problem\": " + quoted(f.problem);
    }
    return j + "}";
}

} // namespace

std::optional<model::measure::Measurements> readMeasured(const DataOptions& d, std::string& error) {
    namespace ms = model::measure;
    const ms::FileText file = ms::readTableFile(d.file);
    if (!file.error.empty()) {
        error = file.error;
        return std::nullopt;
    }
    ms::ImportSettings fallback;
    fallback.length = d.length.value_or(ms::LengthUnit::m);
    fallback.time = d.time.value_or(ms::TimeUnit::s);
    fallback.groundAtLowest = d.groundAtLowest.value_or(false);
    const ms::TablePreview preview = ms::previewTable(file.text, fallback);
    if (!preview.error.empty()) {
        error = preview.error;
        return std::nullopt;
    }
    // What the command line names wins over what the table's header says.
    ms::ImportSettings settings = preview.detected;
    if (d.columns) {
        settings.columnY = d.columns->y;
        settings.groundAtLowest = fallback.groundAtLowest;
        if (d.columns->t && d.columns->x) {
            settings.motion = ms::Motion::flight;
            settings.columnT = *d.columns->t;
            settings.columnX = *d.columns->x;
        } else if (d.columns->x) {
            settings.motion = ms::Motion::path;
            settings.columnT = settings.columnY;
            settings.columnX = *d.columns->x;
        } else {
            settings.columnT = *d.columns->t;
            settings = ms::asVertical(file.text, settings);
        }
    }
    settings.length = d.length.value_or(settings.length);
    settings.time = d.time.value_or(settings.time);
    if (d.axisDown && settings.motion != ms::Motion::vertical) {
        error = "--axis tells the way of a vertical motion's column (a time and one position); "
                "this table is a throw (t, x, y)";
        return std::nullopt;
    }
    settings.axisDown = d.axisDown.value_or(settings.axisDown);
    if (d.groundAtLowest)
        settings.groundAtLowest = *d.groundAtLowest;
    else if (d.axisDown && settings.motion == ms::Motion::vertical)
        settings.groundAtLowest = settings.groundAtLowest || settings.axisDown;
    ms::ImportResult imported = ms::importTable(file.text, settings, d.file);
    if (!imported.measurements) {
        error = imported.error;
        return std::nullopt;
    }
    return std::move(imported.measurements);
}

std::string pointsCsv(const model::measure::Measurements& m) {
    // The shortest text that reads back as the same double, of the value to 15 digits: the
    // placement's round-off (0.011999999999999997 for 12 mm) goes, 35.4 cm prints as 0.354.
    const auto number = [](double v) {
        std::array<char, 32> buf{};
        auto end =
            std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::general, 15)
                .ptr;
        std::from_chars(buf.data(), end, v);
        end = std::to_chars(buf.data(), buf.data() + buf.size(), v).ptr;
        return std::string(buf.data(), end);
    };
    if (m.vertical()) {
        // The column as it reads, whichever way it points.
        const double sign = m.settings.axisDown ? -1 : 1;
        std::string csv = "t,y\n";
        for (const model::measure::Point& p : m.points)
            csv += number(p.t + m.origin.t) + "," + number(sign * (p.y + m.origin.y)) + "\n";
        return csv;
    }
    if (m.withoutTimes()) {
        std::string csv = "x,y\n";
        for (const model::measure::Point& p : m.points)
            csv += number(p.x + m.origin.x) + "," + number(p.y + m.origin.y) + "\n";
        return csv;
    }
    std::string csv = "t,x,y\n";
    for (const model::measure::Point& p : m.points)
        csv += number(p.t + m.origin.t) + "," + number(p.x + m.origin.x) + "," +
               number(p.y + m.origin.y) + "\n";
    return csv;
}

DataReport measuredData(const DataOptions& d, const model::Inputs& in) {
    namespace ms = model::measure;
    DataReport r;
    const auto measured = readMeasured(d, r.error);
    if (!measured)
        return r;
    const auto& points = measured->points;
    // A vertical motion is compared with the models run straight down or up.
    const model::Inputs at = ms::inputsFor(*measured, in);
    const ms::Residuals rms = ms::residuals(*measured, in);
    r.json = ", \"data\": {\"points\": " + std::to_string(points.size()) +
             ", \"skipped\": " + std::to_string(measured->skipped) +
             ", \"rms\": {\"vacuum\": " + exactNumber(rms.vacuum) +
             ", \"linear\": " + exactNumber(rms.linear) +
             ", \"quadratic\": " + exactNumber(rms.quadratic) + "}";
    // A path without times is compared with each model's path as a whole: no point lies after
    // a landing, and the distances are to the path ("distance": "path").
    if (measured->withoutTimes()) {
        r.json += ", \"distance\": \"path\"";
    } else {
        r.json += ", \"after_landing\": {";
        for (const model::ModelKind m :
             {model::ModelKind::vacuum, model::ModelKind::linear, model::ModelKind::quadratic})
            r.json += std::string(m == model::ModelKind::vacuum ? "" : ", ") + "\"" + modelKey(m) +
                      "\": " + std::to_string(ms::outsideFlight(points, at, m).afterLanding);
        r.json += "}";
    }
    if (measured->vertical())
        r.json += std::string(", \"vertical\": {\"axis\": \"") +
                  (measured->settings.axisDown ? "down" : "up") +
                  "\", \"angle\": " + exactNumber(at.alphaDeg) + "}";
    r.json += "}";
    if (d.fit.empty() && !d.fitCd)
        return r;
    ms::FitRequest request;
    request.start = in;
    request.free = d.fit;
    request.freeCd = d.fitCd;
    request.motion = measured->settings.motion;
    const std::atomic<bool> never{false};
    const ms::FitResult fit = ms::fitModels(points, request, never);
    r.json += ", \"fit\": {";
    for (const ms::ModelFit& f : fit.models)
        r.json += std::string(f.model == model::ModelKind::vacuum ? "" : ", ") + "\"" +
                  modelKey(f.model) + "\": " + fitJson(f);
    r.json += std::string(", \"best\": ") +
              (fit.best ? "\"" + std::string(modelKey(*fit.best)) + "\"" : "null") + "}";
    r.noFit = !fit.best;
    return r;
}

} // namespace cli
