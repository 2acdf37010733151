#pragma once

#include "model/Quantities.h"
#include "model/physics/Inputs.h"

#include <vector>

namespace model::measure {

// The unbounded parameters a fit moves and the inputs they stand for: positive inputs as their
// logarithm, the angle as 90·tanh(u/90) degrees, the ball's density as the medium's plus
// exp(u), the medium's density below a fixed ball density as ρ/(1 + exp(−u)). Every vector of
// finite parameters gives inputs inside the fields' limits.
class FitScale {
public:
    FitScale(const Inputs& start, std::vector<Field> fitted);

    const std::vector<Field>& fitted() const { return fitted_; }
    std::vector<double> start() const;
    Inputs inputs(const std::vector<double>& u) const;
    // d input(fitted[j]) / d u[k] at u, row-major (fitted × fitted).
    std::vector<double> jacobian(const std::vector<double>& u) const;
    // The step of u for a finite-difference derivative of the model's positions.
    double step(std::size_t k) const;

private:
    Inputs start_;
    std::vector<Field> fitted_;
    bool fitted(Field f) const;
};

} // namespace model::measure
