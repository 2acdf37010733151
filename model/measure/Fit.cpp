#include "model/measure/Fit.h"

#include "model/InputFields.h"
#include "model/TextMarks.h"
#include "model/Translation.h"
#include "model/exact/ExactFlight.h"
#include "model/measure/Comparison.h"
#include "model/measure/FitScale.h"

#include <gsl/gsl_blas.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_matrix.h>
#include <gsl/gsl_multifit_nlinear.h>
#include <gsl/gsl_vector.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <mutex>

namespace model::measure {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// The residual of a point the model cannot reach (its flight not finite): far enough that the
// step leading there is refused.
constexpr double kFar = 1e6;
const char* const kCancelled = QT_TRANSLATE_NOOP("Texts", "Подгонка прервана.");

struct Problem {
    const std::vector<Point>& points;
    std::vector<double> times;
    ModelKind model;
    FitScale scale;

    // Differences model − measured, x and y of each point in turn.
    void residuals(const std::vector<double>& u, double* out, std::size_t stride) const {
        std::vector<exact::State> states;
        try {
            states = exact::ExactFlight(scale.inputs(u), model).at(times);
        } catch (const std::exception&) {
            states.clear();
        }
        for (std::size_t i = 0; i < points.size(); ++i) {
            double dx = kFar, dy = kFar;
            if (i < states.size() && std::isfinite(states[i].x) && std::isfinite(states[i].y)) {
                dx = states[i].x - points[i].x;
                dy = states[i].y - points[i].y;
            }
            out[2 * i * stride] = dx;
            out[(2 * i + 1) * stride] = dy;
        }
    }
};

std::vector<double> copy(const gsl_vector* v) {
    std::vector<double> c(v->size);
    for (std::size_t i = 0; i < v->size; ++i)
        c[i] = gsl_vector_get(v, i);
    return c;
}

int residualsOf(const gsl_vector* u, void* data, gsl_vector* f) {
    const auto& p = *static_cast<const Problem*>(data);
    p.residuals(copy(u), f->data, f->stride);
    return GSL_SUCCESS;
}

// Central differences in the fit's own parameters, with steps fitted to the accuracy of the
// exact flight values (a relative 1e-9), not to the machine's.
int jacobianOf(const gsl_vector* u, void* data, gsl_matrix* J) {
    const auto& p = *static_cast<const Problem*>(data);
    const std::vector<double> at = copy(u);
    std::vector<double> up(J->size1), down(J->size1);
    for (std::size_t k = 0; k < at.size(); ++k) {
        auto a = at, b = at;
        const double h = p.scale.step(k);
        a[k] += h;
        b[k] -= h;
        p.residuals(a, up.data(), 1);
        p.residuals(b, down.data(), 1);
        for (std::size_t i = 0; i < J->size1; ++i)
            gsl_matrix_set(J, i, k, (up[i] - down[i]) / (2 * h));
    }
    return GSL_SUCCESS;
}

struct WorkspaceFree {
    void operator()(gsl_multifit_nlinear_workspace* w) const { gsl_multifit_nlinear_free(w); }
};
struct MatrixFree {
    void operator()(gsl_matrix* m) const { gsl_matrix_free(m); }
};

// GSL's default handler aborts the program on any error; here each error is a return value.
void quietGsl() {
    static std::once_flag once;
    std::call_once(once, [] { gsl_set_error_handler_off(); });
}

// Standard errors of the inputs from the covariance of the parameters at the result.
void fillErrors(ModelFit& fit, const FitScale& scale, const std::vector<double>& u,
                const gsl_matrix* J, double chi2, std::size_t n) {
    const std::size_t p = u.size();
    std::unique_ptr<gsl_matrix, MatrixFree> cov(gsl_matrix_alloc(p, p));
    if (gsl_multifit_nlinear_covar(J, 0.0, cov.get()) != GSL_SUCCESS)
        return;
    const double s2 = chi2 / static_cast<double>(n - p);
    const std::vector<double> m = scale.jacobian(u);
    for (std::size_t j = 0; j < p; ++j) {
        double var = 0;
        for (std::size_t a = 0; a < p; ++a)
            for (std::size_t b = 0; b < p; ++b)
                var += m[j * p + a] * gsl_matrix_get(cov.get(), a, b) * m[j * p + b];
        const bool determined = gsl_matrix_get(cov.get(), j, j) > 0 && std::isfinite(var);
        fit.errors[static_cast<std::size_t>(scale.fitted()[j])] =
            determined ? std::sqrt(s2 * var) : kNaN;
    }
}

} // namespace

std::vector<Field> inputsOf(ModelKind model) {
    if (model == ModelKind::vacuum)
        return {Field::h0, Field::v0, Field::alphaDeg};
    return {allFields.begin(), allFields.end()};
}

ModelFit fitModel(const std::vector<Point>& points, ModelKind model, const FitRequest& request,
                  const std::atomic<bool>& cancel, const IterationCallback& onIteration) {
    quietGsl();
    ModelFit fit;
    fit.model = model;
    fit.inputs = request.start;
    fit.errors.fill(kNaN);
    for (const Field f : inputsOf(model))
        if (std::find(request.free.begin(), request.free.end(), f) != request.free.end())
            fit.fitted.push_back(f);
    fit.rms = rmsResidual(points, request.start, model);
    if (fit.fitted.empty()) {
        fit.problem = translated(QT_TRANSLATE_NOOP(
            "Texts", "Эта модель не зависит от выбранных величин: подбирать нечего."));
        return fit;
    }
    const std::size_t n = 2 * points.size(), p = fit.fitted.size();
    if (n <= p) {
        fit.problem = translated(
            QT_TRANSLATE_NOOP("Texts", "Точек слишком мало, чтобы подобрать столько величин."));
        return fit;
    }

    Problem problem{points, {}, model, FitScale(request.start, fit.fitted)};
    for (const Point& pt : points)
        problem.times.push_back(pt.t);
    gsl_multifit_nlinear_fdf fdf{};
    fdf.f = residualsOf;
    fdf.df = jacobianOf;
    fdf.n = n;
    fdf.p = p;
    fdf.params = &problem;
    gsl_multifit_nlinear_parameters params = gsl_multifit_nlinear_default_parameters();
    std::unique_ptr<gsl_multifit_nlinear_workspace, WorkspaceFree> w(
        gsl_multifit_nlinear_alloc(gsl_multifit_nlinear_trust, &params, n, p));
    std::vector<double> u = problem.scale.start();
    if (!std::all_of(u.begin(), u.end(), [](double v) { return std::isfinite(v); })) {
        fit.problem = translated(QT_TRANSLATE_NOOP(
            "Texts", "Подгонку не с чего начать: начальные значения вне допустимых."));
        return fit;
    }
    gsl_vector_view start = gsl_vector_view_array(u.data(), p);
    if (gsl_multifit_nlinear_init(&start.vector, &fdf, w.get()) != GSL_SUCCESS) {
        fit.problem = translated(QT_TRANSLATE_NOOP(
            "Texts", "Подгонку не удалось начать: модель не считается при этих значениях."));
        return fit;
    }

    int info = 0;
    for (int iteration = 1; iteration <= request.maxIterations; ++iteration) {
        if (cancel.load()) {
            fit.problem = translated(kCancelled);
            return fit;
        }
        fit.iterations = iteration;
        const int status = gsl_multifit_nlinear_iterate(w.get());
        if (onIteration)
            onIteration(iteration);
        // No further progress is a success only where the gradient has already vanished.
        const double tolerance = status == GSL_ENOPROG ? 1e-6 : 1e-10;
        if (status != GSL_SUCCESS && status != GSL_ENOPROG)
            break;
        if (gsl_multifit_nlinear_test(tolerance, tolerance, 0, &info, w.get()) == GSL_SUCCESS) {
            fit.converged = true;
            break;
        }
        if (status == GSL_ENOPROG)
            break;
    }

    const std::vector<double> result = copy(gsl_multifit_nlinear_position(w.get()));
    const Inputs fitted = problem.scale.inputs(result);
    for (const Field f : fit.fitted)
        if (!std::isfinite(inputOf(fitted, f)) || checkInput(f, inputOf(fitted, f), fitted))
            fit.converged = false;
    const double rms = rmsResidual(points, fitted, model);
    if (!fit.converged || !std::isfinite(rms)) {
        fit.converged = false;
        fit.problem =
            fit.iterations == request.maxIterations
                ? translated(QT_TRANSLATE_NOOP("Texts", "Подгонка не сошлась за %1 итераций."),
                             {std::to_string(request.maxIterations)})
                : translated(QT_TRANSLATE_NOOP(
                      "Texts", "Подгонка не сошлась: модель не приближается к точкам."));
        return fit;
    }
    fit.inputs = fitted;
    fit.rms = rms;
    double chi2 = 0;
    gsl_blas_ddot(gsl_multifit_nlinear_residual(w.get()), gsl_multifit_nlinear_residual(w.get()),
                  &chi2);
    fillErrors(fit, problem.scale, result, gsl_multifit_nlinear_jac(w.get()), chi2, n);
    return fit;
}

std::optional<ModelKind> bestModel(const std::array<ModelFit, 3>& fits) {
    std::optional<ModelKind> best;
    double least = std::numeric_limits<double>::infinity();
    for (const ModelFit& f : fits)
        if (f.converged && f.rms < least) {
            least = f.rms;
            best = f.model;
        }
    return best;
}

FitResult fitModels(const std::vector<Point>& points, const FitRequest& request,
                    const std::atomic<bool>& cancel, const FitProgress& progress) {
    FitResult r;
    constexpr std::array<ModelKind, 3> models{ModelKind::vacuum, ModelKind::linear,
                                              ModelKind::quadratic};
    // Models a cancel leaves unfitted keep the start.
    for (std::size_t k = 0; k < models.size(); ++k) {
        r.models[k].model = models[k];
        r.models[k].inputs = request.start;
        r.models[k].errors.fill(kNaN);
        r.models[k].rms = kNaN;
        r.models[k].problem = translated(kCancelled);
    }
    for (std::size_t k = 0; k < models.size(); ++k) {
        const auto report = [&](int iteration) {
            // Most fits settle in a few tens of iterations; the share creeps towards the next
            // model's start.
            if (progress)
                progress((static_cast<double>(k) + 1 - 10.0 / (10.0 + iteration)) / 3);
        };
        r.models[k] = fitModel(points, models[k], request, cancel, report);
        if (cancel.load()) {
            r.cancelled = true;
            return r;
        }
        if (progress)
            progress(static_cast<double>(k + 1) / 3);
    }
    r.best = bestModel(r.models);
    return r;
}

} // namespace model::measure
