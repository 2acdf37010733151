#pragma once

#include "model/measure/Fit.h"

#include <nlohmann/json.hpp>

#include <string>

namespace web {

// A fit as it crosses between the page and the worker that runs it: every figure kept to its
// last bit, a number that is not one as null.
nlohmann::json fitResultJson(const model::measure::FitResult& fit);
model::measure::FitResult fitResultFrom(const nlohmann::json& j);

// A fit request as it crosses to the worker: the points, the inputs to start from, what is free.
nlohmann::json fitRequestJson(const std::vector<model::measure::Point>& points,
                              const model::measure::FitRequest& request);
void fitRequestFrom(const nlohmann::json& j, std::vector<model::measure::Point>& points,
                    model::measure::FitRequest& request);

// One model's fit in the report tool's terms: its keys, SI units, degrees for the angle.
nlohmann::json reportFitJson(const model::measure::ModelFit& fit);
// The three models' fits and the best, as the report tool's --fit writes them.
nlohmann::json reportFitJson(const model::measure::FitResult& fit);

} // namespace web
