#pragma once

// What the tests of the curves of a throw share.
#include "model/curves/CurveLookup.h"
#include "model/curves/CurveThinning.h"
#include "model/curves/CurvesCsv.h"
#include "model/curves/ThrowCurves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace testing_model {

using namespace model;

inline std::optional<double> at(const std::vector<PanePoint>& points, double x) {
    return CurveLookup().valueAt(CurveView(points), x);
}

// Distance from p to the polyline.
inline double distance(PanePoint p, const std::vector<PanePoint>& line) {
    double best = std::numeric_limits<double>::infinity();
    for (std::size_t i = 1; i < line.size(); ++i) {
        const double ax = line[i - 1].x, ay = line[i - 1].y;
        const double dx = line[i].x - ax, dy = line[i].y - ay;
        const double len2 = dx * dx + dy * dy;
        const double s =
            len2 > 0 ? std::clamp(((p.x - ax) * dx + (p.y - ay) * dy) / len2, 0.0, 1.0) : 0;
        best = std::min(best, std::hypot(p.x - (ax + s * dx), p.y - (ay + s * dy)));
    }
    return best;
}

// The rows of a CSV text, curve by curve, read back to single precision.
inline std::map<std::string, std::vector<PanePoint>> readCsv(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "curve,x,y");
    std::map<std::string, std::vector<PanePoint>> curves;
    while (std::getline(in, line)) {
        const auto a = line.find(','), b = line.rfind(',');
        curves[line.substr(0, a)].push_back({std::strtof(line.c_str() + a + 1, nullptr),
                                             std::strtof(line.c_str() + b + 1, nullptr)});
    }
    return curves;
}

inline std::vector<PanePoint> withStart(const Throw& t, std::vector<PanePoint> points) {
    points.insert(points.begin(), PanePoint{0, static_cast<float>(t.inputs().h0)});
    return points;
}

} // namespace testing_model
