#pragma once

#include "model/Quantities.h"
#include "model/physics/Inputs.h"

#include <vector>

namespace model::measure {

// The unbounded parameters a fit moves and the inputs they stand for: positive inputs (and the
// drag coefficient) as their logarithm, the angle as 90·tanh(u/90) degrees, the ball's density
// as the medium's plus exp(u), the medium's density below a fixed ball density as
// ρ/(1 + exp(−u)). Every vector of finite parameters gives inputs inside the fields' limits.
// The parameters are the fitted fields in their order, then Cd when it is fitted.
class FitScale {
public:
    FitScale(const Inputs& start, std::vector<Field> fitted, bool cd = false);

    const std::vector<Field>& fitted() const { return fitted_; }
    bool cdFitted() const { return cd_; }
    std::size_t size() const { return fitted_.size() + (cd_ ? 1 : 0); }
    // The value of the input parameter k stands for.
    double valueOf(const Inputs& in, std::size_t k) const;

    std::vector<double> start() const;
    Inputs inputs(const std::vector<double>& u) const;
    // d input(k) / d u[l] at u, row-major (size × size): carries a covariance of u to the
    // inputs to first order.
    std::vector<double> jacobian(const std::vector<double>& u) const;
    // The step of u for a finite-difference derivative of the model's positions.
    double step(std::size_t k) const;

private:
    Inputs start_;
    std::vector<Field> fitted_;
    bool cd_;
    bool fitted(Field f) const;
};

} // namespace model::measure
