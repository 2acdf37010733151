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

using namespace model;

namespace {

std::optional<double> at(const std::vector<PanePoint>& points, double x) {
    return CurveLookup().valueAt(CurveView(points), x);
}

// Distance from p to the polyline.
double distance(PanePoint p, const std::vector<PanePoint>& line) {
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

TEST(CurveLookup, InterpolatesWithinRunsFollowsAGrowingCurveAndAnswersNothingOutside) {
    const std::vector<PanePoint> rising{{0, 1}, {1, 3}, {2, 3}, {4, -1}};
    EXPECT_DOUBLE_EQ(*at(rising, 0.5), 2);
    EXPECT_DOUBLE_EQ(*at(rising, 3), 1);
    for (const double outside : {-0.01, 4.01, std::nan("")})
        EXPECT_FALSE(at(rising, outside)) << outside;

    // A start point before the list; a curve that turns back answers with its first pass; a
    // sinking stretch with its first point; a curve ends at its first point that is not finite.
    CurveLookup lookup;
    const std::vector<PanePoint> rest{{2, 2}, {1, 4}};
    EXPECT_DOUBLE_EQ(*lookup.valueAt(CurveView({0, 0}, rest), 1.5), 1.5);
    EXPECT_DOUBLE_EQ(*lookup.valueAt(CurveView({0, 0}, rest), 1.0), 1.0);
    EXPECT_DOUBLE_EQ(*at({{0, 5}, {1, 4}, {1, 3}, {1, 2}, {2, 2}}, 1), 4);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_FALSE(at({{0, 0}, {1, 1}, {2, nan}, {3, 3}}, 2.5));
    EXPECT_DOUBLE_EQ(*at({{3, 0}, {1, 2}}, 2), 1); // falling

    // One lookup follows a curve that grows (and may move in memory), and notices another one.
    std::vector<PanePoint> flight{{0, 0}, {1, 1}};
    EXPECT_FALSE(lookup.valueAt(CurveView(flight), 1.5));
    flight.push_back({2, 0}); // may move the list elsewhere
    EXPECT_DOUBLE_EQ(*lookup.valueAt(CurveView(flight), 1.5), 0.5);
    flight.push_back({1, -1}); // turns back
    EXPECT_DOUBLE_EQ(*lookup.valueAt(CurveView(flight), 1.5), 0.5);
    const std::vector<PanePoint> other{{0, 5}, {4, 1}};
    EXPECT_DOUBLE_EQ(*lookup.valueAt(CurveView(other), 2), 3);
}

TEST(CurveThinning, KeepsAFewPointsWithinTheTolerance) {
    // A million points of a parabola and of a ball sinking straight down after it.
    std::vector<PanePoint> curve;
    for (int i = 0; i <= 1000000; ++i) {
        const double x = i < 500000 ? 2.0 * i / 500000 : 2;
        const double y = i < 500000 ? x * (2 - x) : -(i - 500000) * 1e-6;
        curve.push_back({float(x), float(y)});
    }
    const double tolerance = 2.0 / 8192;
    const std::vector<PanePoint> thin = model::thinnedCurve(CurveView(curve), tolerance, tolerance);
    EXPECT_LT(thin.size(), 400u);
    EXPECT_EQ(thin.front(), curve.front());
    EXPECT_EQ(thin.back(), curve.back());
    double worst = 0;
    for (std::size_t i = 0; i < curve.size(); i += 97)
        worst = std::max(worst, distance(curve[i], thin));
    EXPECT_LT(worst, 2 * tolerance);
}

// The trajectory pane's range held for a kept throw: ToolCommandsTest's comparison.
TEST(KeptThrow, VelocityRangesGrowToHoldEveryKeptThrow) {
    Throw current(model::Inputs{}), far(model::Inputs{0.5, 6, 30, 0.4, 7800, 1000, 0.001006});
    current.runToEnd();
    far.runToEnd();
    const model::KeptThrow kept = model::keptThrow(far, 1);
    EXPECT_LT(kept.pointCount(), 3000u);
    const auto v = model::grownVelocityRanges(current, {&kept});
    ASSERT_TRUE(v);
    EXPECT_EQ(v->vxTop, far.velocityRanges().vxTop);
    EXPECT_EQ(v->vyBottom,
              std::min(far.velocityRanges().vyBottom, current.velocityRanges().vyBottom));
}

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

    model::writeCurvesCsv(t, vy, model::vyCurves); // the three Vy curves only
    EXPECT_EQ(readCsv(vy.str()).size(), 3u);
}
