#pragma once

// What the tests of a throw and its models share.
#include "model/Throw.h"
#include "model/curves/GraphRanges.h"
#include "model/curves/Rounding.h"
#include "model/physics/CancellationFree.h"
#include "model/physics/ClosedForm.h"
#include "model/physics/Constants.h"
#include "model/physics/FlushDenormals.h"
#include "model/physics/LinearDrag.h"
#include "model/physics/QuadraticDragStepper.h"
#include "model/physics/VelocityCurves.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <regex>
#include <vector>

namespace testing_model {

using namespace model;

// The label texts of a throw in catalogue order, "Tp= 0.153 c; Xp= 0.397 м; …", from one
// result to another (both included), so that a set of labels compares at once.
inline std::string texts(const model::Throw& t, model::Quantity from, model::Quantity to,
                         char separator = '.') {
    std::string out;
    for (int q = static_cast<int>(from); q <= static_cast<int>(to); ++q)
        out += (out.empty() ? "" : "; ") + t.text(static_cast<model::Quantity>(q), separator);
    return out;
}

inline const Inputs viscous{2, 10, 45, 0.05, 1200, 1000, 1.5};
// A light ball thrown fast into water: the medium stops it within the first step of Tmax/1000.
inline const Inputs stiff{5.787, 45.731, 58.73, 0.0233, 2152.1, 1221.1, 1.2770104};

// A throw run to its end; without curves it keeps the results only, as a study's throws do.
inline Throw whole(const Inputs& in, bool curves = true) {
    model::ThrowSettings settings;
    settings.curves = curves;
    Throw t(in, settings);
    t.runToEnd();
    return t;
}

} // namespace testing_model
