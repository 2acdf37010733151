#pragma once

#include "model/Quantities.h"
#include "model/measure/Measurements.h"
#include "model/physics/Inputs.h"

#include <array>
#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace model::measure {

// Fitting the models to a measured throw: non-linear least squares (GSL's trust-region
// Levenberg–Marquardt) on the measured (x, y) at the measured times, the model's positions
// taken from the exact flight values. Positive inputs are fitted on a log scale, the angle as
// 90·tanh(u/90) degrees and a free density of the ball as the medium's plus a positive excess,
// so every result stays inside the fields' limits.

struct FitRequest {
    Inputs start;                                        // the current inputs
    std::vector<Field> free{Field::v0, Field::alphaDeg}; // any of the seven
    int maxIterations = 200;
};

// The inputs a model's positions depend on: vacuum ignores the ball and the medium.
std::vector<Field> inputsOf(ModelKind model);

struct ModelFit {
    ModelKind model = ModelKind::vacuum;
    std::vector<Field> fitted; // the free inputs this model depends on, in field order
    // The fitted inputs, the others as started; when not converged, the start unchanged.
    Inputs inputs;
    // Standard errors from the covariance, scaled by the residual variance, in each input's
    // SI unit (degrees for the angle); not a number for an input not fitted. Inputs the points
    // do not tell apart get errors far larger than their values (d and η of the linear drag
    // together: it sees only ρ·d²/η).
    std::array<double, fieldCount> errors{};
    double rms = 0; // RMS residual at inputs, m
    int iterations = 0;
    bool converged = false;
    std::string problem; // why not, in Russian, ready to show
};

// Called after each iteration, from the fitting thread.
using IterationCallback = std::function<void(int iteration)>;

// One model; cancel is read before each iteration (a cancelled fit has not converged).
ModelFit fitModel(const std::vector<Point>& points, ModelKind model, const FitRequest& request,
                  const std::atomic<bool>& cancel, const IterationCallback& onIteration = {});

struct FitResult {
    std::array<ModelFit, 3> models; // vacuum, linear, quadratic
    std::optional<ModelKind> best;  // least RMS among the converged fits
    bool cancelled = false;
};

// Share of the work done, 0 … 1, rising with each iteration.
using FitProgress = std::function<void(double done)>;

// The three models one after the other.
FitResult fitModels(const std::vector<Point>& points, const FitRequest& request,
                    const std::atomic<bool>& cancel, const FitProgress& progress = {});

std::optional<ModelKind> bestModel(const std::array<ModelFit, 3>& fits);

} // namespace model::measure
