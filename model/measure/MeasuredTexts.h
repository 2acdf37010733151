#pragma once

#include "model/measure/Comparison.h"
#include "model/measure/Fit.h"
#include "model/measure/Measurements.h"
#include "model/physics/Inputs.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace model::measure {

// The texts the window's measurements panel and fit dialog show, and the browser page with them,
// in the chosen language. Numbers are written with a decimal point.

// How far each model lies from the points (vacuum, linear, quadratic): the RMS distance, and the
// points outside the model's flight in time (none for a path without times). Takes a while for
// many points.
struct ModelDistances {
    std::array<double, 3> rms{};
    std::array<OutsideFlight, 3> outside{};
};
ModelDistances modelDistances(const Measurements& m, const Inputs& inputs);

// «вакуум», «Fc~v», «Fc~v^2» for 0, 1, 2.
std::string modelName(int model);

// The panel's lines: where the points came from, how many were read and skipped, what the
// distances below are, each model's distance («вакуум: 0.0123 м»), and the points outside the
// models' flights (empty when there are none), a line each after a heading.
std::string sourceText(const Measurements& m);
std::string countsText(const Measurements& m);
std::string distancesHeading(const Measurements& m);
std::string distanceText(int model, double rms);
std::string outsideFlightText(const ModelDistances& d, std::size_t pointCount);

// The fit's table: the headers (the model, the free inputs any model fitted, Cd when fitted,
// the correlations, the RMS, the iterations, Re), and a row of cells per model; a model that did
// not converge has dashes for its inputs and then why.
struct FitTable {
    std::vector<std::string> headers;
    std::array<std::vector<std::string>, 3> rows;
    std::optional<int> best; // the row of the best model
};
FitTable fitTable(const FitResult& result);

// The status line after a fit: cancelled, none fitted, or the best model.
std::string fitStatusText(bool cancelled, std::optional<ModelKind> best);

// Why the angle of a vertical motion's fit (±90°) was not written into the angle field.
std::string verticalAngleNotWrittenText(int angle);

} // namespace model::measure
