#pragma once

#include <cmath>

namespace model {

// Differences of nearly equal numbers, computed without losing their digits. A big ball in a
// thin medium has tau of hours against a flight of a second: then u = t/tau and x = v0·sinα/Vp1
// are tiny, and the textbook forms x − ln(1 + x) or u − (1 − e^(−u)) subtract two numbers that
// agree in almost every digit. Below 0.01 both are summed as their Taylor series (Horner form,
// enough terms for the last bit); above, log1p and expm1 keep the digits. The order of operations
// is part of the program's figures.

// G(x) = x − ln(1 + x), x ≥ 0.
inline double xMinusLog1p(double x) {
    if (x < 0.01)
        return (x * x) *
               (1.0 / 2 -
                x * (1.0 / 3 -
                     x * (1.0 / 4 -
                          x * (1.0 / 5 -
                               x * (1.0 / 6 -
                                    x * (1.0 / 7 -
                                         x * (1.0 / 8 -
                                              x * (1.0 / 9 -
                                                   x * (1.0 / 10 -
                                                        x * (1.0 / 11 - x * (1.0 / 12)))))))))));
    return x - std::log1p(x);
}

// F(u) = u − (1 − e^(−u)), u ≥ 0. oneMinusExp must be −expm1(−u), which callers have at hand.
inline double uMinusOneMinusExp(double u, double oneMinusExp) {
    if (u < 0.01)
        return (u * u) *
               (1.0 / 2 -
                u * (1.0 / 6 - u * (1.0 / 24 -
                                    u * (1.0 / 120 -
                                         u * (1.0 / 720 - u * (1.0 / 5040 - u * (1.0 / 40320)))))));
    return u - oneMinusExp;
}

inline double uMinusOneMinusExp(double u) {
    return uMinusOneMinusExp(u, -std::expm1(-u));
}

} // namespace model
