#include "model/measure/Fit.h"

#include "model/InputFields.h"
#include "model/TextMarks.h"
#include "model/Translation.h"
#include "model/measure/Comparison.h"
#include "model/measure/FitSolver.h"
#include "model/measure/FitStart.h"

#include <gsl/gsl_errno.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <mutex>

namespace model::measure {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
const char* const kCancelled = QT_TRANSLATE_NOOP("Texts", "Подгонка прервана.");

// GSL's default handler aborts the program on any error; here each error is a return value.
void quietGsl() {
    static std::once_flag once;
    std::call_once(once, [] { gsl_set_error_handler_off(); });
}

// The starts: the given inputs, the guess from the points, and the guess's launch with the given
// drag, each once; those outside the fields' limits are left out.
std::vector<Inputs> startsFor(const std::vector<Point>& points, ModelKind model,
                              const FitRequest& request, const ModelFit& fit) {
    std::vector<Inputs> starts{request.start};
    if (const auto guess =
            startFromPoints(points, model, request.start, fit.fitted, fit.cdFitted)) {
        starts.push_back(*guess);
        Inputs launch = request.start;
        for (const Field f : {Field::h0, Field::v0, Field::alphaDeg})
            inputOf(launch, f) = inputOf(*guess, f);
        starts.push_back(launch);
    }
    std::vector<Inputs> distinct;
    for (const Inputs& s : starts) {
        const FitScale scale(s, fit.fitted, fit.cdFitted);
        const auto u = scale.start();
        if (!std::all_of(u.begin(), u.end(), [](double v) { return std::isfinite(v); }))
            continue;
        const bool seen = std::any_of(distinct.begin(), distinct.end(), [&](const Inputs& d) {
            return FitScale(d, fit.fitted, fit.cdFitted).start() == u;
        });
        if (!seen)
            distinct.push_back(s);
    }
    return distinct;
}

std::string problemText(FitProblem problem, const ModelFit& fit, int maxIterations) {
    switch (problem) {
    case FitProblem::none:
        return {};
    case FitProblem::nothingToFit:
        return translated(QT_TRANSLATE_NOOP(
            "Texts", "Эта модель не зависит от выбранных величин: подбирать нечего."));
    case FitProblem::tooFewPoints:
        return translated(QT_TRANSLATE_NOOP(
            "Texts", "Точек в полёте слишком мало, чтобы подобрать столько величин."));
    case FitProblem::noStart:
        return translated(QT_TRANSLATE_NOOP(
            "Texts", "Подгонку не с чего начать: начальные значения вне допустимых."));
    case FitProblem::inputAtBound: {
        const std::string name =
            fit.boundField ? translated(row(*fit.boundField).title)
                           : translated(QT_TRANSLATE_NOOP("Texts", "Коэффициент сопротивления"));
        return translated(
            QT_TRANSLATE_NOOP("Texts",
                              "Величина «%1» уходит к границе допустимого: точки её не задают."),
            {name});
    }
    case FitProblem::notThisModel:
        return translated(QT_TRANSLATE_NOOP(
            "Texts", "Точки не могут быть полётом по этой модели: подгонка к ним не подходит."));
    case FitProblem::tooManyIterations:
        return translated(QT_TRANSLATE_NOOP("Texts", "Подгонка не сошлась за %1 итераций."),
                          {std::to_string(maxIterations)});
    case FitProblem::cancelled:
        return translated(kCancelled);
    }
    return {};
}

// Of two failures, the one that tells the user more.
int weight(FitProblem p) {
    switch (p) {
    case FitProblem::inputAtBound:
        return 3;
    case FitProblem::tooManyIterations:
        return 2;
    default:
        return 1;
    }
}

} // namespace

std::vector<Field> inputsOf(ModelKind model) {
    if (model == ModelKind::vacuum)
        return {Field::h0, Field::v0, Field::alphaDeg};
    return {allFields.begin(), allFields.end()};
}

bool hasDragCoefficient(ModelKind model) {
    return model == ModelKind::quadratic;
}

std::vector<std::string> fittedKeys(const ModelFit& fit) {
    std::vector<std::string> keys;
    for (const Field f : fit.fitted)
        keys.emplace_back(row(f).key);
    if (fit.cdFitted)
        keys.emplace_back("cd");
    return keys;
}

ModelFit fitModel(const std::vector<Point>& points, ModelKind model, const FitRequest& request,
                  const std::atomic<bool>& cancel, const IterationCallback& onIteration) {
    quietGsl();
    ModelFit fit;
    fit.model = model;
    fit.inputs = request.start;
    fit.errors.fill(kNaN);
    fit.cdError = fit.launchXError = kNaN;
    for (const Field f : inputsOf(model))
        if (std::find(request.free.begin(), request.free.end(), f) != request.free.end())
            fit.fitted.push_back(f);
    fit.cdFitted = request.freeCd && hasDragCoefficient(model);
    fit.rms = rmsResidual(points, request.start, model);
    auto fail = [&](FitProblem why) {
        fit.reason = why;
        fit.problem = problemText(why, fit, request.maxIterations);
        return fit;
    };
    const std::size_t unknowns = fit.fitted.size() + (fit.cdFitted ? 1 : 0) + 1;
    if (unknowns == 1)
        return fail(FitProblem::nothingToFit);
    const auto inAir =
        std::count_if(points.begin(), points.end(), [](const Point& pt) { return pt.y >= 0; });
    if (2 * static_cast<std::size_t>(inAir) <= unknowns)
        return fail(FitProblem::tooFewPoints);
    const std::vector<Inputs> starts = startsFor(points, model, request, fit);
    if (starts.empty())
        return fail(FitProblem::noStart);

    std::vector<double> times;
    times.reserve(points.size());
    for (const Point& pt : points)
        times.push_back(pt.t);
    const auto counted = [&] {
        ++fit.iterations;
        if (onIteration)
            onIteration(fit.iterations);
    };
    std::optional<FitTarget> bestTarget;
    SolverRun best, failed;
    best.chi2 = std::numeric_limits<double>::infinity();
    failed.problem = FitProblem::none;
    for (const Inputs& start : starts) {
        FitTarget target{points, times, model, FitScale(start, fit.fitted, fit.cdFitted)};
        SolverRun a = solveFrom(target, request.maxIterations, cancel, counted);
        if (a.problem == FitProblem::cancelled)
            return fail(FitProblem::cancelled);
        if (a.problem == FitProblem::none) {
            if (a.chi2 < best.chi2) {
                best = std::move(a);
                bestTarget.emplace(std::move(target));
            }
        } else if (failed.problem == FitProblem::none ||
                   weight(a.problem) > weight(failed.problem)) {
            failed = std::move(a);
        }
    }
    if (!bestTarget) {
        if (failed.bound && *failed.bound < fit.fitted.size())
            fit.boundField = fit.fitted[*failed.bound];
        return fail(failed.problem);
    }
    fit.converged = true;
    fit.inputs = bestTarget->inputs(best.u);
    fit.launchX = best.u.back();
    fit.rms = std::sqrt(best.chi2 / static_cast<double>(points.size()));
    fillErrors(fit, bestTarget->scale, best, 2 * points.size());
    std::vector<double> r(2 * points.size());
    bestTarget->residuals(best.u, r.data(), 1);
    fit.residuals.reserve(points.size());
    for (std::size_t i = 0; i < points.size(); ++i)
        fit.residuals.push_back({points[i].t, r[2 * i], r[2 * i + 1]});
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
        r.models[k].cdError = r.models[k].launchXError = kNaN;
        r.models[k].rms = kNaN;
        r.models[k].reason = FitProblem::cancelled;
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
