#include "model/measure/FitStart.h"

#include "model/InputFields.h"
#include "model/physics/ClosedForm.h"
#include "model/physics/Constants.h"

#include <gsl/gsl_multifit.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace model::measure {

namespace {

struct LinearFree {
    void operator()(gsl_multifit_linear_workspace* w) const { gsl_multifit_linear_free(w); }
};
struct MatrixFree {
    void operator()(gsl_matrix* m) const { gsl_matrix_free(m); }
};
struct VectorFree {
    void operator()(gsl_vector* v) const { gsl_vector_free(v); }
};

// Coefficients c0 + c1·t + c2·t² (+ c3·t³) of one coordinate over the first k points.
std::vector<double> polynomial(const std::vector<Point>& points, std::size_t k, std::size_t terms,
                               double Point::*coordinate) {
    std::unique_ptr<gsl_matrix, MatrixFree> X(gsl_matrix_alloc(k, terms)),
        cov(gsl_matrix_alloc(terms, terms));
    std::unique_ptr<gsl_vector, VectorFree> y(gsl_vector_alloc(k)), c(gsl_vector_alloc(terms));
    for (std::size_t i = 0; i < k; ++i) {
        double power = 1;
        for (std::size_t j = 0; j < terms; ++j, power *= points[i].t)
            gsl_matrix_set(X.get(), i, j, power);
        gsl_vector_set(y.get(), i, points[i].*coordinate);
    }
    std::unique_ptr<gsl_multifit_linear_workspace, LinearFree> w(
        gsl_multifit_linear_alloc(k, terms));
    double chi2 = 0;
    if (gsl_multifit_linear(X.get(), y.get(), c.get(), cov.get(), &chi2, w.get()) != GSL_SUCCESS)
        return {};
    std::vector<double> out(terms);
    for (std::size_t j = 0; j < terms; ++j)
        out[j] = gsl_vector_get(c.get(), j);
    return out;
}

bool isFree(const std::vector<Field>& free, Field f) {
    return std::find(free.begin(), free.end(), f) != free.end();
}

// value for the input when its field accepts it.
void offer(Inputs& in, Field f, double value) {
    if (std::isfinite(value) && !checkInput(f, value, in))
        inputOf(in, f) = value;
}

} // namespace

std::optional<LaunchEstimate> estimateLaunch(const std::vector<Point>& points) {
    // A short stretch, so that the drag has not changed the motion much over it, but several
    // points, so that their noise averages out; over a longer one a cubic follows the curving.
    const std::size_t k =
        std::min(points.size(), std::clamp<std::size_t>(points.size() / 8, 5, 12));
    if (k < 4)
        return std::nullopt;
    const std::size_t terms = k >= 8 ? 4 : 3;
    const auto x = polynomial(points, k, terms, &Point::x);
    const auto y = polynomial(points, k, terms, &Point::y);
    if (x.empty() || y.empty())
        return std::nullopt;
    return LaunchEstimate{x[0], y[0], x[1], y[1], 2 * x[2], 2 * y[2]};
}

namespace {

// Launch height, angle and speed of a path without times: y(x) ≈ h0 + x·tan α − g·x²/(2·v0²·cos² α)
// over its first points.
std::optional<Inputs> startFromPath(const std::vector<Point>& points, const Inputs& start,
                                    const std::vector<Field>& free) {
    const std::size_t k =
        std::min(points.size(), std::clamp<std::size_t>(points.size() / 3, 4, 40));
    if (k < 4)
        return std::nullopt;
    std::vector<Point> byX(points.begin(), points.begin() + static_cast<long>(k));
    for (Point& p : byX)
        p.t = p.x;
    const auto c = polynomial(byX, k, 3, &Point::y);
    if (c.empty())
        return std::nullopt;
    Inputs in = start;
    if (isFree(free, Field::h0))
        offer(in, Field::h0, c[0]);
    const double alpha = std::atan(c[1]);
    if (isFree(free, Field::alphaDeg))
        offer(in, Field::alphaDeg, alpha * 180 / pi);
    if (isFree(free, Field::v0) && c[2] < 0)
        offer(in, Field::v0, std::sqrt(g / (-2 * c[2])) / std::cos(alpha));
    return in;
}

} // namespace

std::optional<Inputs> startFromPoints(const std::vector<Point>& points, ModelKind model,
                                      const Inputs& start, const std::vector<Field>& free, bool cd,
                                      bool withoutTimes) {
    if (withoutTimes)
        return startFromPath(points, start, free);
    const auto launch = estimateLaunch(points);
    if (!launch)
        return std::nullopt;
    Inputs in = start;
    if (isFree(free, Field::h0))
        offer(in, Field::h0, launch->y);
    const double speed = std::hypot(launch->vx, launch->vy);
    if (launch->vx > 0) {
        if (isFree(free, Field::v0))
            offer(in, Field::v0, speed);
        if (isFree(free, Field::alphaDeg))
            offer(in, Field::alphaDeg, std::atan2(launch->vy, launch->vx) * 180 / pi);
    } else if (std::fabs(in.alphaDeg) == 90 && launch->vy * in.alphaDeg > 0 &&
               isFree(free, Field::v0)) {
        offer(in, Field::v0, std::fabs(launch->vy)); // a vertical motion in the start's way
    }
    if (model == ModelKind::vacuum || !(speed > 0))
        return in;

    // The drag's deceleration along the motion, per unit of speed (1/s): the measured
    // acceleration less the weight with buoyancy, a = −(1/tau + |v|/R2)·v + (0, −g·(1 − ρo/ρ)).
    const double sinking = g * (1 - in.rho0 / in.rho);
    const double rate =
        -(launch->ax * launch->vx + (launch->ay + sinking) * launch->vy) / (speed * speed);
    if (!(rate > 0))
        return in;
    const ClosedForm cf = closedForms(in);
    // tau = ρ·d²/(18·η), 1/R2 = 3·Cd·ρo/(4·ρ·d).
    if (model == ModelKind::linear) {
        if (isFree(free, Field::eta))
            offer(in, Field::eta, in.rho * in.d * in.d * rate / 18);
    } else if (cd && rate > 1 / cf.tau) {
        const double value = 4 * in.rho * in.d * (rate - 1 / cf.tau) / (3 * in.rho0 * speed);
        if (std::isfinite(value) && value > 0)
            in.cd = value;
    } else if (isFree(free, Field::eta) && rate > speed / cf.R2) {
        offer(in, Field::eta, in.rho * in.d * in.d * (rate - speed / cf.R2) / 18);
    }
    return in;
}

} // namespace model::measure
