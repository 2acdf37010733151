#include "web/FitJson.h"

#include "model/InputFields.h"
#include "model/Quantities.h"

#include <cmath>
#include <limits>

namespace web {

namespace {

using Json = nlohmann::json;
namespace ms = model::measure;

// JSON has no NaN: null stands for a number that is not one.
Json number(double v) {
    return std::isfinite(v) ? Json(v) : Json(nullptr);
}
double numberFrom(const Json& j) {
    return j.is_number() ? j.get<double>() : std::numeric_limits<double>::quiet_NaN();
}

Json inputsJson(const model::Inputs& in) {
    Json out = Json::array();
    for (const model::Field f : model::allFields)
        out.push_back(number(model::inputOf(in, f)));
    out.push_back(number(in.cd));
    return out;
}
model::Inputs inputsFrom(const Json& j) {
    model::Inputs in;
    for (const model::Field f : model::allFields)
        model::inputOf(in, f) = numberFrom(j.at(std::size_t(f)));
    in.cd = numberFrom(j.at(model::fieldCount));
    return in;
}

Json fieldsJson(const std::vector<model::Field>& fields) {
    Json out = Json::array();
    for (const model::Field f : fields)
        out.push_back(int(f));
    return out;
}
std::vector<model::Field> fieldsFrom(const Json& j) {
    std::vector<model::Field> out;
    for (const Json& f : j)
        out.push_back(model::allFields.at(f.get<std::size_t>()));
    return out;
}

const char* modelKey(model::ModelKind m) {
    return m == model::ModelKind::vacuum   ? "vacuum"
           : m == model::ModelKind::linear ? "linear"
                                           : "quadratic";
}

} // namespace

Json fitResultJson(const ms::FitResult& fit) {
    Json models = Json::array();
    for (const ms::ModelFit& f : fit.models) {
        Json errors = Json::array(), correlation = Json::array(), residuals = Json::array();
        for (const double e : f.errors)
            errors.push_back(number(e));
        for (const double c : f.correlation)
            correlation.push_back(number(c));
        for (const ms::PointResidual& r : f.residuals)
            residuals.push_back({number(r.t), number(r.dx), number(r.dy)});
        models.push_back({{"model", int(f.model)},
                          {"fitted", fieldsJson(f.fitted)},
                          {"cdFitted", f.cdFitted},
                          {"inputs", inputsJson(f.inputs)},
                          {"errors", errors},
                          {"cdError", number(f.cdError)},
                          {"correlation", correlation},
                          {"launchX", number(f.launchX)},
                          {"launchXError", number(f.launchXError)},
                          {"rms", number(f.rms)},
                          {"residuals", residuals},
                          {"iterations", f.iterations},
                          {"converged", f.converged},
                          {"reason", int(f.reason)},
                          {"boundField", f.boundField ? Json(int(*f.boundField)) : Json(nullptr)},
                          {"problem", f.problem}});
    }
    return {{"models", models},
            {"best", fit.best ? Json(int(*fit.best)) : Json(nullptr)},
            {"cancelled", fit.cancelled}};
}

ms::FitResult fitResultFrom(const Json& j) {
    ms::FitResult fit;
    for (std::size_t m = 0; m < fit.models.size(); ++m) {
        const Json& o = j.at("models").at(m);
        ms::ModelFit& f = fit.models[m];
        f.model = static_cast<model::ModelKind>(o.at("model").get<int>());
        f.fitted = fieldsFrom(o.at("fitted"));
        f.cdFitted = o.at("cdFitted").get<bool>();
        f.inputs = inputsFrom(o.at("inputs"));
        for (std::size_t k = 0; k < f.errors.size(); ++k)
            f.errors[k] = numberFrom(o.at("errors").at(k));
        f.cdError = numberFrom(o.at("cdError"));
        for (const Json& c : o.at("correlation"))
            f.correlation.push_back(numberFrom(c));
        f.launchX = numberFrom(o.at("launchX"));
        f.launchXError = numberFrom(o.at("launchXError"));
        f.rms = numberFrom(o.at("rms"));
        for (const Json& r : o.at("residuals"))
            f.residuals.push_back({numberFrom(r.at(0)), numberFrom(r.at(1)), numberFrom(r.at(2))});
        f.iterations = o.at("iterations").get<int>();
        f.converged = o.at("converged").get<bool>();
        f.reason = static_cast<ms::FitProblem>(o.at("reason").get<int>());
        if (o.at("boundField").is_number())
            f.boundField = model::allFields.at(o.at("boundField").get<std::size_t>());
        f.problem = o.at("problem").get<std::string>();
    }
    if (j.at("best").is_number())
        fit.best = static_cast<model::ModelKind>(j.at("best").get<int>());
    fit.cancelled = j.at("cancelled").get<bool>();
    return fit;
}

Json fitRequestJson(const std::vector<ms::Point>& points, const ms::FitRequest& request) {
    Json p = Json::array();
    for (const ms::Point& q : points)
        p.push_back({q.t, q.x, q.y});
    return {{"points", p},
            {"start", inputsJson(request.start)},
            {"free", fieldsJson(request.free)},
            {"freeCd", request.freeCd},
            {"maxIterations", request.maxIterations},
            {"motion", int(request.motion)}};
}

void fitRequestFrom(const Json& j, std::vector<ms::Point>& points, ms::FitRequest& request) {
    points.clear();
    for (const Json& q : j.at("points"))
        points.push_back({q.at(0).get<double>(), q.at(1).get<double>(), q.at(2).get<double>()});
    request.start = inputsFrom(j.at("start"));
    request.free = fieldsFrom(j.at("free"));
    request.freeCd = j.at("freeCd").get<bool>();
    request.maxIterations = j.at("maxIterations").get<int>();
    request.motion = static_cast<ms::Motion>(j.at("motion").get<int>());
}

Json reportFitJson(const ms::ModelFit& f) {
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

Json reportFitJson(const ms::FitResult& fit) {
    Json out = Json::object();
    for (const ms::ModelFit& f : fit.models)
        out[modelKey(f.model)] = reportFitJson(f);
    out["best"] = fit.best ? Json(modelKey(*fit.best)) : Json(nullptr);
    return out;
}

} // namespace web
