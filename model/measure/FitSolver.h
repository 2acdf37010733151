#pragma once

#include "model/measure/Fit.h"
#include "model/measure/FitScale.h"

#include <atomic>
#include <functional>
#include <optional>
#include <vector>

namespace model::measure {

// One model against the points, as the solver sees it: the parameters are the scale's (the
// inputs), then where the launch lies on the points' x axis (m).
struct FitTarget {
    const std::vector<Point>& points;
    const std::vector<double>& times; // of the points
    ModelKind model;
    FitScale scale;
    bool path = false; // the points' nearest places on the model's path, not times

    Inputs inputs(const std::vector<double>& u) const;
    // Differences model − measured, x and y of each point in turn, every stride-th double (for a
    // path, from the point to the nearest place of the model's path).
    void residuals(const std::vector<double>& u, double* out, std::size_t stride) const;
};

// One run of the solver (GSL's trust-region Levenberg–Marquardt) from the target's start.
struct SolverRun {
    std::vector<double> u; // where it ended
    double chi2 = 0;       // the sum of the squared residuals there (infinite: no flight)
    int iterations = 0;
    FitProblem problem = FitProblem::notThisModel; // none: converged inside the limits
    std::optional<std::size_t> bound;              // the parameter that ran to its edge
    std::vector<double> covariance;                // (JᵀJ)⁻¹ of u at the end, when converged
};

SolverRun solveFrom(const FitTarget& target, int maxIterations, const std::atomic<bool>& cancel,
                    const std::function<void()>& onIteration);

// The standard errors, the launch's error and the correlations of the fitted inputs from a run
// that converged over n residuals.
void fillErrors(ModelFit& fit, const FitScale& scale, const SolverRun& run, std::size_t n);

} // namespace model::measure
