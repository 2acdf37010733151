#include "model/CurvesCsv.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

using model::PanePoint;
using model::Throw;

namespace {

// The rows of a CSV text, curve by curve, read back to single precision.
std::map<std::string, std::vector<PanePoint>> readCsv(const std::string& text) {
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

std::vector<PanePoint> withStart(const Throw& t, std::vector<PanePoint> points) {
    points.insert(points.begin(), PanePoint{0, static_cast<float>(t.inputs().h0)});
    return points;
}

} // namespace

TEST(CurvesCsv, RowsAreTheDrawnPointsOfTheChosenCurves) {
    Throw t{model::Inputs{}};
    std::ostringstream before;
    // Before the flight: the two trajectories the pane shows, no red curve, no velocities.
    EXPECT_EQ(model::writeCurvesCsv(t, before),
              1 + t.vacuum().points.size() + 1 + t.linearPath().size());
    auto curves = readCsv(before.str());
    EXPECT_EQ(curves.size(), 2u);
    EXPECT_EQ(curves["trajectory_linear"], withStart(t, t.linearPath()));

    t.runToEnd();
    std::ostringstream all, vy;
    model::writeCurvesCsv(t, all);
    curves = readCsv(all.str());
    const auto& c = t.velocityCurves();
    const std::map<std::string, std::vector<PanePoint>> expected{
        {"trajectory_vacuum", withStart(t, t.vacuum().points)},
        {"trajectory_linear", withStart(t, t.linearPath())},
        {"trajectory_quadratic", withStart(t, t.flightPieces())},
        {"vx_vacuum", c.vacuumVx},
        {"vx_linear", c.linearVx},
        {"vx_quadratic", c.quadraticVx},
        {"vy_vacuum", c.vacuumVy},
        {"vy_linear", c.linearVy},
        {"vy_quadratic", c.quadraticVy}};
    EXPECT_EQ(curves, expected); // 9 significant digits give back every float exactly

    model::writeCurvesCsv(t, vy, model::vyCurves);
    curves = readCsv(vy.str());
    ASSERT_EQ(curves.size(), 3u);
    EXPECT_EQ(curves.begin()->first, "vy_linear");
}
