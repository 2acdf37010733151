#include "tests/model/curves/CurveTestSupport.h"

using namespace testing_model;

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

    // Copied out, the curves are told as far as they are written and stop when told to.
    EXPECT_FALSE(model::hasCsvRows(model::csvCurvesOf(Throw{model::Inputs{}}, model::vxCurves)));
    Throw fine{model::Inputs{}, model::ThrowSettings{.nSteps = 10000}};
    fine.runToEnd();
    const std::vector<model::CsvCurve> copied = model::csvCurvesOf(fine, model::vyCurves);
    EXPECT_TRUE(model::hasCsvRows(copied));
    std::ostringstream whole, stopped;
    model::writeCurvesCsv(fine, whole, model::vyCurves);
    double lastShare = -1;
    EXPECT_EQ(model::writeCurvesCsv(copied, stopped,
                                    [&lastShare](double share) {
                                        lastShare = share;
                                        return share == 0;
                                    }),
              4096u);
    EXPECT_GT(lastShare, 0);
    EXPECT_TRUE(whole.str().starts_with(stopped.str()));
}
