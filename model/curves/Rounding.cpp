#include "Rounding.h"

#include <cmath>

namespace model {

double roundUp(double x) {
    const double r = std::nearbyint(x);
    return x > r ? r + 1 : r;
}

double roundDown(double x) {
    const double r = std::nearbyint(x);
    return x < r ? r - 1 : r;
}

double gridStep(double span) {
    const double q = span / 10;
    if (q <= 0.25)
        return 0.25;
    if (q <= 0.5)
        return 0.5;
    return std::nearbyint(q);
}

} // namespace model
