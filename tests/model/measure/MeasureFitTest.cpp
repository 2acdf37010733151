#include "model/exact/ExactFlight.h"
#include "model/measure/Fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace model::measure;
using model::Field;
using model::ModelKind;

namespace {

// The viscous example: a plastic ball thrown into a thick liquid, where the three models differ.
model::Inputs viscous() {
    return {2, 10, 45, 0.05, 1200, 1000, 1.5};
}

// count points of the model's flight from t = 0 to end, with noise (m) on x and y.
std::vector<Point> measured(const model::Inputs& in, ModelKind m, double end, double noise) {
    std::vector<double> times;
    for (int i = 0; i < 100; ++i)
        times.push_back(end * i / 99);
    std::mt19937 random(7);
    std::normal_distribution<double> error(0, noise);
    std::vector<Point> pts;
    for (const auto& s : model::exact::ExactFlight(in, m).at(times))
        pts.push_back({s.t, s.x + error(random), s.y + error(random)});
    return pts;
}

} // namespace

TEST(MeasureFit, RecoversTheInputsOfNoisyPointsForEachModel) {
    const std::atomic<bool> never{false};
    struct Case {
        ModelKind model;
        double end;
        std::vector<Field> free;
    };
    for (const Case& c :
         {Case{ModelKind::vacuum, 1.5, {Field::v0, Field::alphaDeg}},
          Case{ModelKind::linear, 0.5, {Field::v0, Field::alphaDeg, Field::eta}},
          Case{ModelKind::quadratic, 0.8, {Field::v0, Field::alphaDeg, Field::eta}}}) {
        const model::Inputs truth = viscous();
        FitRequest request;
        request.start = truth;
        request.start.v0 = 7;
        request.start.alphaDeg = 30;
        request.start.eta = 0.8;
        request.free = c.free;
        const auto pts = measured(truth, c.model, c.end, 0.002);
        const ModelFit fit = fitModel(pts, c.model, request, never);
        ASSERT_TRUE(fit.converged) << fit.problem;
        EXPECT_EQ(fit.fitted, c.free);
        for (const Field f : c.free) {
            const double error = fit.errors[static_cast<std::size_t>(f)];
            EXPECT_GT(error, 0);
            EXPECT_NEAR(model::inputOf(fit.inputs, f), model::inputOf(truth, f), 3 * error)
                << static_cast<int>(c.model) << " " << static_cast<int>(f);
        }
        EXPECT_NEAR(fit.rms, 0.002 * std::sqrt(2.0), 0.0006);
        EXPECT_EQ(fit.inputs.d, truth.d); // not free, not moved
    }
}

TEST(MeasureFit, AFitThatCannotFinishSaysSoAndChangesNothing) {
    const auto pts = measured(viscous(), ModelKind::quadratic, 0.8, 0.002);
    FitRequest request;
    request.start = viscous();
    request.start.v0 = 5;
    request.free = {Field::v0, Field::alphaDeg, Field::eta};
    request.maxIterations = 1;
    const std::atomic<bool> never{false}, stop{true};
    for (const FitResult& r : {fitModels(pts, request, never), fitModels(pts, request, stop)}) {
        for (const ModelFit& f : r.models) {
            EXPECT_FALSE(f.converged);
            EXPECT_FALSE(f.problem.empty());
            EXPECT_EQ(f.inputs.v0, 5);
        }
        EXPECT_FALSE(r.best);
    }
    // The vacuum does not depend on the medium: nothing to fit there, the others fit and the
    // best is the model that made the points. Densities stay in their fields' limits.
    request.maxIterations = 200;
    request.start = viscous();
    request.free = {Field::rho, Field::rho0};
    request.start.rho0 = 1100;
    std::vector<int> progress;
    const FitResult r =
        fitModels(pts, request, never, [&](double done) { progress.push_back(done * 100); });
    EXPECT_TRUE(r.models[0].fitted.empty());
    EXPECT_FALSE(r.models[0].converged);
    EXPECT_EQ(r.best, ModelKind::quadratic);
    EXPECT_GT(r.models[2].inputs.rho, r.models[2].inputs.rho0);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_EQ(progress.back(), 100);
}
