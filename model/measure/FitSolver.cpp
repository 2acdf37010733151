#include "model/measure/FitSolver.h"

#include "model/InputFields.h"
#include "model/exact/ExactFlight.h"
#include "model/measure/ModelPath.h"

#include <gsl/gsl_blas.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_matrix.h>
#include <gsl/gsl_multifit_nlinear.h>
#include <gsl/gsl_vector.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace model::measure {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
// The residual of a point the model cannot reach (its flight not finite): far enough that the
// step leading there is refused.
constexpr double kFar = 1e6;
// A parameter that moved this far from its start (a factor 10⁸ on the log scale) is running to
// the edge of its range, not settling.
constexpr double kRunaway = 18.4;
// The step of the launch's x (m) for the differences across a path.
constexpr double kLaunchStep = 1e-6;

std::vector<double> copy(const gsl_vector* v) {
    std::vector<double> c(v->size);
    for (std::size_t i = 0; i < v->size; ++i)
        c[i] = gsl_vector_get(v, i);
    return c;
}

int residualsOf(const gsl_vector* u, void* data, gsl_vector* f) {
    const auto& p = *static_cast<const FitTarget*>(data);
    p.residuals(copy(u), f->data, f->stride);
    return GSL_SUCCESS;
}

// Central differences in the fit's own parameters, with steps fitted to the accuracy of the
// exact flight values (a relative 1e-9), not to the machine's; the launch's x enters x alone.
int jacobianOf(const gsl_vector* u, void* data, gsl_matrix* J) {
    const auto& p = *static_cast<const FitTarget*>(data);
    const std::vector<double> at = copy(u);
    std::vector<double> up(J->size1), down(J->size1);
    // A path's residuals run across it: the launch's x enters them through the path's normal.
    const std::size_t numeric = p.path ? at.size() : at.size() - 1;
    for (std::size_t k = 0; k < numeric; ++k) {
        auto a = at, b = at;
        const double h = k + 1 < at.size() ? p.scale.step(k) : kLaunchStep;
        a[k] += h;
        b[k] -= h;
        p.residuals(a, up.data(), 1);
        p.residuals(b, down.data(), 1);
        for (std::size_t i = 0; i < J->size1; ++i)
            gsl_matrix_set(J, i, k, (up[i] - down[i]) / (2 * h));
    }
    if (!p.path)
        for (std::size_t i = 0; i < J->size1; ++i)
            gsl_matrix_set(J, i, at.size() - 1, i % 2 == 0 ? 1 : 0);
    return GSL_SUCCESS;
}

struct WorkspaceFree {
    void operator()(gsl_multifit_nlinear_workspace* w) const { gsl_multifit_nlinear_free(w); }
};
struct MatrixFree {
    void operator()(gsl_matrix* m) const { gsl_matrix_free(m); }
};

// The parameter running to the edge of its range, if one is.
std::optional<std::size_t> runaway(const FitScale& scale, const std::vector<double>& start,
                                   const std::vector<double>& u) {
    const Inputs in = scale.inputs(std::vector<double>(u.begin(), u.end() - 1));
    for (std::size_t k = 0; k < scale.size(); ++k) {
        const double value = scale.valueOf(in, k);
        const bool field = k < scale.fitted().size();
        const bool refused =
            !std::isfinite(value) ||
            (field ? checkInput(scale.fitted()[k], value, in).has_value() : !(value > 0));
        const bool isAngle = field && scale.fitted()[k] == Field::alphaDeg;
        const bool far = isAngle ? std::fabs(value) > 89.9 : std::fabs(u[k] - start[k]) > kRunaway;
        if (refused || far)
            return k;
    }
    return std::nullopt;
}

} // namespace

Inputs FitTarget::inputs(const std::vector<double>& u) const {
    return scale.inputs(std::vector<double>(u.begin(), u.begin() + long(scale.size())));
}

void FitTarget::residuals(const std::vector<double>& u, double* out, std::size_t stride) const {
    const double launchX = u.back();
    if (path) {
        std::optional<ModelPath> modelPath;
        try {
            modelPath.emplace(inputs(u), model);
        } catch (const std::exception&) {
            modelPath.reset();
        }
        // One residual a point, across the path; its second is none.
        for (std::size_t i = 0; i < points.size(); ++i) {
            double across = kFar;
            if (modelPath && modelPath->finite())
                across = modelPath->signedDistance(points[i].x - launchX, points[i].y);
            out[2 * i * stride] = std::isfinite(across) ? -across : kFar;
            out[(2 * i + 1) * stride] = 0;
        }
        return;
    }
    std::vector<exact::State> states;
    try {
        states = exact::statesOnFlight(inputs(u), model, times);
    } catch (const std::exception&) {
        states.clear();
    }
    for (std::size_t i = 0; i < points.size(); ++i) {
        double dx = kFar, dy = kFar;
        if (i < states.size() && std::isfinite(states[i].x) && std::isfinite(states[i].y)) {
            dx = (states[i].x + launchX) - points[i].x;
            dy = states[i].y - points[i].y;
        }
        out[2 * i * stride] = dx;
        out[(2 * i + 1) * stride] = dy;
    }
}

SolverRun solveFrom(const FitTarget& target, int maxIterations, const std::atomic<bool>& cancel,
                    const std::function<void()>& onIteration) {
    SolverRun run;
    std::vector<double> start = target.scale.start();
    start.push_back(0); // the launch where the first point is
    run.u = start;
    const std::size_t n = 2 * target.points.size(), p = start.size();
    gsl_multifit_nlinear_fdf fdf{};
    fdf.f = residualsOf;
    fdf.df = jacobianOf;
    fdf.n = n;
    fdf.p = p;
    fdf.params = const_cast<FitTarget*>(&target);
    gsl_multifit_nlinear_parameters params = gsl_multifit_nlinear_default_parameters();
    std::unique_ptr<gsl_multifit_nlinear_workspace, WorkspaceFree> w(
        gsl_multifit_nlinear_alloc(gsl_multifit_nlinear_trust, &params, n, p));
    run.chi2 = kInfinity;
    gsl_vector_view view = gsl_vector_view_array(start.data(), p);
    if (gsl_multifit_nlinear_init(&view.vector, &fdf, w.get()) != GSL_SUCCESS)
        return run;
    bool converged = false;
    int info = 0;
    for (int iteration = 1; iteration <= maxIterations; ++iteration) {
        if (cancel.load()) {
            run.problem = FitProblem::cancelled;
            return run;
        }
        run.iterations = iteration;
        const int status = gsl_multifit_nlinear_iterate(w.get());
        if (onIteration)
            onIteration();
        // No further progress is a success only where the gradient has already vanished.
        const double tolerance = status == GSL_ENOPROG ? 1e-6 : 1e-10;
        if (status != GSL_SUCCESS && status != GSL_ENOPROG)
            break;
        if (gsl_multifit_nlinear_test(tolerance, tolerance, 0, &info, w.get()) == GSL_SUCCESS) {
            converged = true;
            break;
        }
        if (status == GSL_ENOPROG)
            break;
    }
    run.u = copy(gsl_multifit_nlinear_position(w.get()));
    run.bound = runaway(target.scale, start, run.u);
    gsl_blas_ddot(gsl_multifit_nlinear_residual(w.get()), gsl_multifit_nlinear_residual(w.get()),
                  &run.chi2);
    if (!std::isfinite(run.chi2))
        run.chi2 = kInfinity;
    if (run.bound)
        run.problem = FitProblem::inputAtBound;
    else if (!converged)
        run.problem = run.iterations == maxIterations ? FitProblem::tooManyIterations
                                                      : FitProblem::notThisModel;
    else if (run.chi2 < kInfinity) {
        run.problem = FitProblem::none;
        std::unique_ptr<gsl_matrix, MatrixFree> cov(gsl_matrix_alloc(p, p));
        if (gsl_multifit_nlinear_covar(gsl_multifit_nlinear_jac(w.get()), 0.0, cov.get()) ==
            GSL_SUCCESS)
            run.covariance.assign(cov->data, cov->data + p * p);
    }
    return run;
}

// The standard errors and correlations of the inputs: the covariance of u scaled by the
// residual variance and carried to the inputs by the scale's derivatives, C = s²·M·Cu·Mᵀ.
void fillErrors(ModelFit& fit, const FitScale& scale, const SolverRun& run, std::size_t n) {
    const std::size_t p = run.u.size(), q = scale.size();
    if (run.covariance.size() != p * p || n <= p)
        return;
    const double s2 = run.chi2 / static_cast<double>(n - p);
    const std::vector<double> m =
        scale.jacobian(std::vector<double>(run.u.begin(), run.u.end() - 1));
    auto M = [&](std::size_t j, std::size_t k) {
        return j < q && k < q ? m[j * q + k] : j == k ? 1.0 : 0.0;
    };
    std::vector<double> c(p * p, 0);
    for (std::size_t i = 0; i < p; ++i)
        for (std::size_t j = 0; j < p; ++j)
            for (std::size_t k = 0; k < p; ++k)
                for (std::size_t l = 0; l < p; ++l)
                    c[i * p + j] += M(i, k) * run.covariance[k * p + l] * M(j, l);
    std::vector<double> sigma(p);
    for (std::size_t j = 0; j < p; ++j) {
        const bool determined = run.covariance[j * p + j] > 0 && std::isfinite(c[j * p + j]);
        sigma[j] = determined ? std::sqrt(s2 * c[j * p + j]) : kNaN;
    }
    for (std::size_t j = 0; j < scale.fitted().size(); ++j)
        fit.errors[static_cast<std::size_t>(scale.fitted()[j])] = sigma[j];
    if (scale.cdFitted())
        fit.cdError = sigma[q - 1];
    fit.launchXError = sigma[q];
    fit.correlation.assign(q * q, kNaN);
    for (std::size_t i = 0; i < q; ++i)
        for (std::size_t j = 0; j <= i; ++j)
            if (std::isfinite(sigma[i]) && std::isfinite(sigma[j]))
                fit.correlation[i * q + j] = fit.correlation[j * q + i] =
                    i == j ? 1.0 : c[i * p + j] / std::sqrt(c[i * p + i] * c[j * p + j]);
}

} // namespace model::measure
