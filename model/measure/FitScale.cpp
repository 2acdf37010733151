#include "model/measure/FitScale.h"

#include <algorithm>
#include <cmath>

namespace model::measure {

namespace {

constexpr double kAngleSpan = 90;

double logistic(double u) {
    return 1 / (1 + std::exp(-u));
}

} // namespace

FitScale::FitScale(const Inputs& start, std::vector<Field> fitted, bool cd)
    : start_(start), fitted_(std::move(fitted)), cd_(cd) {}

bool FitScale::fitted(Field f) const {
    return std::find(fitted_.begin(), fitted_.end(), f) != fitted_.end();
}

double FitScale::valueOf(const Inputs& in, std::size_t k) const {
    return k < fitted_.size() ? inputOf(in, fitted_[k]) : in.cd;
}

std::vector<double> FitScale::start() const {
    std::vector<double> u;
    for (const Field f : fitted_) {
        const double p = inputOf(start_, f);
        switch (f) {
        case Field::alphaDeg:
            u.push_back(kAngleSpan * std::atanh(p / kAngleSpan));
            break;
        case Field::rho:
            u.push_back(std::log(p - start_.rho0));
            break;
        case Field::rho0:
            u.push_back(fitted(Field::rho) ? std::log(p) : std::log(p / (start_.rho - p)));
            break;
        default:
            u.push_back(std::log(p));
        }
    }
    if (cd_)
        u.push_back(std::log(start_.cd));
    return u;
}

Inputs FitScale::inputs(const std::vector<double>& u) const {
    Inputs in = start_;
    // The medium first: the ball's density is measured from it.
    for (std::size_t k = 0; k < fitted_.size(); ++k)
        if (fitted_[k] == Field::rho0)
            in.rho0 = fitted(Field::rho) ? std::exp(u[k]) : start_.rho * logistic(u[k]);
    for (std::size_t k = 0; k < fitted_.size(); ++k) {
        switch (fitted_[k]) {
        case Field::alphaDeg:
            in.alphaDeg = kAngleSpan * std::tanh(u[k] / kAngleSpan);
            break;
        case Field::rho:
            in.rho = in.rho0 + std::exp(u[k]);
            break;
        case Field::rho0:
            break;
        default:
            inputOf(in, fitted_[k]) = std::exp(u[k]);
        }
    }
    if (cd_)
        in.cd = std::exp(u[fitted_.size()]);
    return in;
}

std::vector<double> FitScale::jacobian(const std::vector<double>& u) const {
    const std::size_t n = size();
    std::vector<double> m(n * n);
    for (std::size_t k = 0; k < n; ++k) {
        const double h = 1e-6 * std::max(1.0, std::abs(u[k]));
        auto up = u, down = u;
        up[k] += h;
        down[k] -= h;
        const Inputs a = inputs(up), b = inputs(down);
        for (std::size_t j = 0; j < n; ++j)
            m[j * n + k] = (valueOf(a, j) - valueOf(b, j)) / (2 * h);
    }
    return m;
}

double FitScale::step(std::size_t k) const {
    // A relative 1e-5 of a positive input; 1e-4 degree of the angle.
    return k < fitted_.size() && fitted_[k] == Field::alphaDeg ? 1e-4 : 1e-5;
}

} // namespace model::measure
