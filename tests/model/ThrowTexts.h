#pragma once

#include "model/Throw.h"

#include <string>

// The label texts of a throw in catalogue order, "Tp= 0.153 c; Xp= 0.397 м; …", from one
// result to another (both included), so that a set of labels compares at once.
inline std::string texts(const model::Throw& t, model::Quantity from, model::Quantity to,
                         char separator = '.') {
    std::string out;
    for (int q = static_cast<int>(from); q <= static_cast<int>(to); ++q)
        out += (out.empty() ? "" : "; ") + t.text(static_cast<model::Quantity>(q), separator);
    return out;
}
