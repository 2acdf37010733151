// The fit of measured points for the page: the fit its worker runs, and a table read by the
// desktop's import rules with the three models fitted to its points from the given inputs, the
// outcome as JSON in the report tool's terms (its keys, SI units, degrees for the angle).
#include "model/InputFields.h"
#include "model/Quantities.h"
#include "model/measure/Fit.h"
#include "model/measure/TableImport.h"
#include "web/FitJson.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <string>

namespace {

using Json = nlohmann::json;
namespace ms = model::measure;

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
    return Json{{"points", measured.points.size()},
                {"skipped", measured.skipped},
                {"fit", web::reportFitJson(fit)}}
        .dump();
}

// The page's fit, run in its worker: a request of web::fitRequestJson fitted, the outcome as
// web::fitResultJson; progress (0 … 1) is called as the work goes on, at most a hundred times.
std::string fitPoints(const std::string& requestJson, emscripten::val progress) {
    std::vector<ms::Point> points;
    ms::FitRequest request;
    web::fitRequestFrom(Json::parse(requestJson), points, request);
    const std::atomic<bool> never{false}; // the page ends the worker to cancel
    int told = -1;
    const ms::FitResult fit = ms::fitModels(points, request, never, [&](double done) {
        if (const int percent = static_cast<int>(done * 100); percent > told) {
            told = percent;
            progress(done);
        }
    });
    return web::fitResultJson(fit).dump();
}

} // namespace

EMSCRIPTEN_BINDINGS(fit) {
    emscripten::function("fitTable", &fitTable);
    emscripten::function("fitPoints", &fitPoints);
}
