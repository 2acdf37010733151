// The fit of measured points for the page: a table read by the desktop's import rules, the three
// models fitted to its points from the given inputs, the outcome as JSON in the report tool's
// terms (its keys, SI units, degrees for the angle).
#include "model/InputFields.h"
#include "model/Quantities.h"
#include "model/measure/Fit.h"
#include "model/measure/TableImport.h"

#include <emscripten/bind.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <string>

namespace {

using Json = nlohmann::json;
namespace ms = model::measure;

const char* modelKey(model::ModelKind m) {
    return m == model::ModelKind::vacuum   ? "vacuum"
           : m == model::ModelKind::linear ? "linear"
                                           : "quadratic";
}

// A number, or null where it is not one (an error the points do not determine): JSON has no NaN.
Json number(double v) {
    return std::isfinite(v) ? Json(v) : Json(nullptr);
}

Json fitJson(const ms::ModelFit& f) {
    Json inputs = Json::object(), errors = Json::object();
    const std::vector<std::string> keys = ms::fittedKeys(f);
    for (std::size_t k = 0; k < keys.size(); ++k) {
        const bool cd = k == f.fitted.size();
        inputs[keys[k]] = number(cd ? f.inputs.cd : model::inputOf(f.inputs, f.fitted[k]));
        errors[keys[k]] = number(cd ? f.cdError : f.errors[static_cast<std::size_t>(f.fitted[k])]);
    }
    // Rows in the order of the fitted inputs; null where the points do not determine one.
    Json correlation = nullptr;
    if (f.correlation.size() == keys.size() * keys.size()) {
        correlation = Json::array();
        for (std::size_t i = 0; i < keys.size(); ++i) {
            Json row = Json::array();
            for (std::size_t k = 0; k < keys.size(); ++k)
                row.push_back(number(f.correlation[i * keys.size() + k]));
            correlation.push_back(row);
        }
    }
    Json j{{"inputs", inputs},
           {"errors", errors},
           {"correlation", correlation},
           {"launch_x", {{"value", number(f.launchX)}, {"error", number(f.launchXError)}}},
           {"rms", number(f.rms)},
           {"iterations", f.iterations},
           {"converged", f.converged}};
    if (!f.converged)
        j["problem"] = f.problem;
    return j;
}

// The inputs named in a JSON object by the report tool's keys ("h0", "angle", "cd" …), the
// others as the window starts.
model::Inputs inputsFrom(const Json& given) {
    model::Inputs in;
    for (const auto& [key, value] : given.items()) {
        if (key == "cd")
            in.cd = value.get<double>();
        else if (const auto f = model::fieldByKey(key))
            model::inputOf(in, *f) = value.get<double>();
    }
    return in;
}

// The table's points (read with the columns and units its header names), fitted by each model
// with the inputs free (their keys, comma-separated, "cd" for the drag coefficient) and the
// others as given. An unreadable table gives {"error": message}.
std::string fitTable(const std::string& table, const std::string& inputs, const std::string& free) {
    const ms::ImportResult imported = ms::importDetected(table, {}, "");
    if (!imported.measurements)
        return Json{{"error", imported.error}}.dump();
    const ms::Measurements& measured = *imported.measurements;
    ms::FitRequest request;
    request.start = inputsFrom(Json::parse(inputs));
    request.free.clear();
    for (std::size_t at = 0; at < free.size();) {
        const std::size_t end = std::min(free.find(',', at), free.size());
        const std::string key = free.substr(at, end - at);
        if (key == "cd")
            request.freeCd = true;
        else if (const auto f = model::fieldByKey(key))
            request.free.push_back(*f);
        at = end + 1;
    }
    request.motion = measured.settings.motion;
    const std::atomic<bool> never{false};
    const ms::FitResult fit = ms::fitModels(measured.points, request, never);
    Json out{{"points", measured.points.size()}, {"skipped", measured.skipped}};
    for (const ms::ModelFit& f : fit.models)
        out["fit"][modelKey(f.model)] = fitJson(f);
    out["fit"]["best"] = fit.best ? Json(modelKey(*fit.best)) : Json(nullptr);
    return out.dump();
}

} // namespace

EMSCRIPTEN_BINDINGS(fit) {
    emscripten::function("fitTable", &fitTable);
}
