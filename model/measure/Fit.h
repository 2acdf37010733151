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
//
// The table's first point is taken as the launch (x = 0), but it is measured with the same
// error as the others: were it held fixed, its error would shift every point alike and the fit
// would claim a precision many times finer than its scatter. So the fit also moves the
// launch along x (launchX). It starts from the given inputs and from guesses made from the
// points themselves, and keeps the best optimum found.

struct FitRequest {
    Inputs start;                                        // the current inputs
    std::vector<Field> free{Field::v0, Field::alphaDeg}; // any of the seven
    // The drag coefficient too. Only the quadratic drag has it: the vacuum and the linear drag
    // do not fit it (and do not list it), as they do not fit an input they do not depend on.
    bool freeCd = false;
    int maxIterations = 200; // for each start
};

// The inputs a model's positions depend on: vacuum ignores the ball and the medium.
std::vector<Field> inputsOf(ModelKind model);
bool hasDragCoefficient(ModelKind model);

// The fitted model's position minus a measured point's, at the point's time (m).
struct PointResidual {
    double t = 0, dx = 0, dy = 0;
};

// Why a model was not fitted.
enum class FitProblem {
    none,
    nothingToFit, // the model depends on none of the free inputs
    tooFewPoints, // fewer points in the air (y ≥ 0) than the fit has unknowns
    noStart,      // the given inputs lie outside the fields' limits and the points give none
    inputAtBound, // an input runs to the edge of what it may be: the points do not fix it
    notThisModel, // from no start does the model come near the points
    tooManyIterations,
    cancelled,
};

struct ModelFit {
    ModelKind model = ModelKind::vacuum;
    std::vector<Field> fitted; // the free inputs this model depends on, in field order
    bool cdFitted = false;     // and the drag coefficient, after them
    // The fitted inputs (Cd included), the others as started; when not converged, the start
    // unchanged.
    Inputs inputs;
    // Standard errors: the covariance (JᵀJ)⁻¹ at the optimum scaled by the residual variance
    // χ²/(n − p), carried from the fit's scale to each input to first order (σ of an input on
    // the log scale is its value times σ of its logarithm), in each input's SI unit (degrees for
    // the angle); not a number for an input not fitted. Inputs the points do not tell apart get
    // errors far larger than their values (d and η of the linear drag together: it sees only
    // ρ·d²/η).
    std::array<double, fieldCount> errors{};
    double cdError = 0;
    // Correlations of the fitted inputs, fitted then Cd, row-major; near ±1 where the points
    // trade one for the other (v0 and α of a short path). Not a number where undetermined.
    std::vector<double> correlation;
    // Where the model's launch lies on the points' x axis (m), and its standard error.
    double launchX = 0, launchXError = 0;
    double rms = 0; // RMS distance of the points from the fitted model, m
    // Each point's residual at the optimum, for a residual plot; empty when not converged.
    std::vector<PointResidual> residuals;
    int iterations = 0; // over all the starts tried
    bool converged = false;
    FitProblem reason = FitProblem::none;
    std::optional<Field> boundField; // with inputAtBound: that input, or nothing for Cd
    std::string problem;             // why not, in the chosen language, ready to show
};

// The fitted inputs' keys (as the report tool names them), fitted then "cd".
std::vector<std::string> fittedKeys(const ModelFit& fit);

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
