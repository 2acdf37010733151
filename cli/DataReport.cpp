#include "cli/DataReport.h"

#include "cli/Report.h"
#include "model/measure/Comparison.h"
#include "model/measure/Fit.h"
#include "model/measure/TableImport.h"

#include <atomic>

namespace cli {

namespace {

const char* modelKey(model::ModelKind m) {
    return m == model::ModelKind::vacuum   ? "vacuum"
           : m == model::ModelKind::linear ? "linear"
                                           : "quadratic";
}

std::string fitJson(const model::measure::ModelFit& f) {
    std::string inputs, errors;
    for (const model::Field field : f.fitted) {
        const std::string key =
            std::string(inputs.empty() ? "" : ", ") + "\"" + model::row(field).key + "\": ";
        inputs += key + exactNumber(model::inputOf(f.inputs, field));
        errors += key + exactNumber(f.errors[static_cast<std::size_t>(field)]);
    }
    return "{\"inputs\": {" + inputs + "}, \"errors\": {" + errors +
           "}, \"rms\": " + exactNumber(f.rms) +
           ", \"iterations\": " + std::to_string(f.iterations) +
           ", \"converged\": " + (f.converged ? "true" : "false") + "}";
}

} // namespace

DataReport measuredData(const DataOptions& d, const model::Inputs& in) {
    namespace ms = model::measure;
    DataReport r;
    const ms::FileText file = ms::readTableFile(d.file);
    if (!file.error.empty()) {
        r.error = file.error;
        return r;
    }
    ms::ImportSettings fallback;
    fallback.length = d.length.value_or(ms::LengthUnit::m);
    fallback.time = d.time.value_or(ms::TimeUnit::s);
    fallback.groundAtLowest = d.groundAtLowest;
    const ms::TablePreview preview = ms::previewTable(file.text, fallback);
    if (!preview.error.empty()) {
        r.error = preview.error;
        return r;
    }
    // What the command line names wins over what the table's header says.
    ms::ImportSettings settings = preview.detected;
    if (d.columns) {
        settings.columnT = (*d.columns)[0];
        settings.columnX = (*d.columns)[1];
        settings.columnY = (*d.columns)[2];
    }
    settings.length = d.length.value_or(settings.length);
    settings.time = d.time.value_or(settings.time);
    const ms::ImportResult imported = ms::importTable(file.text, settings, d.file);
    if (!imported.measurements) {
        r.error = imported.error;
        return r;
    }
    const auto& points = imported.measurements->points;
    const ms::Residuals rms = ms::residuals(points, in);
    r.json = ", \"data\": {\"points\": " + std::to_string(points.size()) +
             ", \"skipped\": " + std::to_string(imported.measurements->skipped) +
             ", \"rms\": {\"vacuum\": " + exactNumber(rms.vacuum) +
             ", \"linear\": " + exactNumber(rms.linear) +
             ", \"quadratic\": " + exactNumber(rms.quadratic) + "}}";
    if (d.fit.empty())
        return r;
    ms::FitRequest request;
    request.start = in;
    request.free = d.fit;
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
