#include "model/ClosedForm.h"
#include "model/Constants.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using model::Inputs;
using model::parametr;

namespace {

std::vector<std::string> texts(const model::ClosedForm& r) {
    std::vector<std::string> out;
    for (const auto& l : r.labels)
        out.push_back(l.text);
    return out;
}

std::vector<std::string> names(const model::ClosedForm& r) {
    std::vector<std::string> out;
    for (const auto& l : r.labels)
        out.push_back(l.label);
    return out;
}

const std::vector<std::string> kLabelOrder = {
    "Label20", "Label16", "Label33", "Label19", "Label17", "Label18", "Label37", "Label38",
    "Label43", "Label22", "Label23", "Label24", "Label25", "Label34", "Label44", "Label45"};

} // namespace

TEST(ClosedForm, DefaultThrowFigures) {
    const auto r = parametr(Inputs{});
    // Figures worked out by hand to six decimals with g = 9.814 and pi = 3.14159265.
    EXPECT_NEAR(r.alpha, 0.523598775, 1e-12);
    EXPECT_NEAR(r.Tp, 0.152843, 5e-7);
    EXPECT_NEAR(r.Ymax, 0.614632, 5e-7);
    EXPECT_NEAR(r.Xp, 0.397097, 5e-7);
    EXPECT_NEAR(r.Tmax, 0.506758, 5e-7);
    EXPECT_NEAR(r.Xmax, 1.316597, 5e-7);
    EXPECT_NEAR(r.VxEnd, 2.598076, 5e-7);
    EXPECT_NEAR(r.VyEnd, -3.473327, 5e-7);
    EXPECT_NEAR(r.a_max, 34.669, 5e-4);
    EXPECT_NEAR(r.m, 261.38, 5e-3);
    EXPECT_NEAR(r.tau, 68919.8, 0.05);
    EXPECT_NEAR(r.Vp1, 589663.8, 0.05);
    EXPECT_NEAR(r.Tp1, 0.175320, 5e-7);
    EXPECT_NEAR(r.Ymax1, 0.631493, 5e-7);
    EXPECT_NEAR(r.Xp1, 0.455493, 5e-7);
    EXPECT_NEAR(r.Vp2, 8.437, 5e-4);
    EXPECT_DOUBLE_EQ(r.R2, 8.32);
}

TEST(ClosedForm, DefaultThrowLabels) {
    const auto r = parametr(Inputs{});
    EXPECT_EQ(names(r), kLabelOrder);
    const std::vector<std::string> expected = {
        "a_max=  34.669 град", "Tp= 0.153 c",      "Xp= 0.397 м",         "Ymax= 0.615 м",
        "Tmax= 0.507 c",       "Xmax= 1.317 м",    "Vx(y=0)=  2.598 м/c", "Vy(y=0)= -3.473 м/c",
        "m= 2.614E+02 кг",     "tau= 6.892E+04 c", "Vp1= 5.897E+05 м/c",  "Tp1= 0.175 c",
        "Ymax1= 0.631 м",      "Xp1= 0.455 м",     "Vp2= 8.437 м/с",      "R2= 8.320 м"};
    EXPECT_EQ(texts(r), expected);
    // Seconds are the Latin c everywhere; only the Vp2 unit is all Cyrillic.
    EXPECT_EQ(r.labels[1].text.back(), 'c');
    EXPECT_EQ(r.labels[14].text.substr(r.labels[14].text.size() - 2), "\xD1\x81");

    // A comma separator changes the three scientific labels only.
    const auto comma = parametr(Inputs{}, 0, 0, ',');
    auto withComma = expected;
    withComma[8] = "m= 2,614E+02 кг";
    withComma[9] = "tau= 6,892E+04 c";
    withComma[10] = "Vp1= 5,897E+05 м/c";
    EXPECT_EQ(texts(comma), withComma);
}

TEST(ClosedForm, ThrowThatDoesNotRise) {
    for (double angle : {-20.0, 0.0}) {
        SCOPED_TRACE(angle);
        Inputs in;
        in.alphaDeg = angle;
        const auto r = parametr(in);
        EXPECT_EQ(r.Tp, 0);
        EXPECT_EQ(r.Xp, 0);
        EXPECT_EQ(r.Ymax, in.h0);
        EXPECT_EQ(r.Tp1, 0);
        EXPECT_EQ(r.Xp1, 0);
        EXPECT_EQ(r.Ymax1, in.h0);
        // The flight time still lands the parabola: h0 + v0·s·T − g·T²/2 = 0.
        const double s = std::sin(r.alpha);
        EXPECT_GT(r.Tmax, 0);
        EXPECT_NEAR(in.h0 + in.v0 * s * r.Tmax - model::g * r.Tmax * r.Tmax / 2, 0, 1e-12);
        EXPECT_EQ(texts(r)[1], "Tp= 0.000 c");
        EXPECT_EQ(texts(r)[3], "Ymax= 0.500 м");
        EXPECT_EQ(texts(r)[12], "Ymax1= 0.500 м");
    }
    Inputs in;
    in.alphaDeg = -20;
    EXPECT_EQ(texts(parametr(in))[4], "Tmax= 0.231 c");
}

TEST(ClosedForm, NoViscosityKeepsPreviousLinearDragValues) {
    Inputs in;
    in.eta = 0;
    const auto r = parametr(in, 12.5, 40.0);
    EXPECT_EQ(r.tau, 12.5);
    EXPECT_EQ(r.Vp1, 40.0);
    EXPECT_EQ(r.labels[9], (model::LabelText{"Label22", "tau ->00"}));
    EXPECT_EQ(r.labels[10], (model::LabelText{"Label23", "Vp1 ->00"}));
    // The top under linear drag is then computed from the kept values.
    EXPECT_NEAR(r.Tp1, std::log(3 * std::sin(r.alpha) / 40 + 1) * 12.5, 1e-12);
    EXPECT_EQ(r.labels.size(), 16u);
}

TEST(ClosedForm, StrongDragMatchesItsLaws) {
    // A light ball in a thick medium, so that drag shapes the flight.
    Inputs in{2, 10, 45, 0.01, 2000, 1000, 0.5};
    const auto r = parametr(in);
    const double s = std::sin(r.alpha), c = std::cos(r.alpha);

    // tau = m / (3·pi·eta·d) with the unrounded mass.
    const double mass = model::pi * in.rho * in.d * in.d * in.d / 6;
    EXPECT_NEAR(r.tau, mass / (3 * model::pi * in.eta * in.d), 1e-12 * r.tau);
    EXPECT_NEAR(r.Vp1, model::g * r.tau * (1 - in.rho0 / in.rho), 1e-12 * r.Vp1);

    // At the top the vertical speed (v0·s + Vp1)·e^(−t/tau) − Vp1 is zero.
    EXPECT_NEAR((in.v0 * s + r.Vp1) * std::exp(-r.Tp1 / r.tau) - r.Vp1, 0, 1e-12);
    // Height and distance at the top are the integrals of the speeds up to Tp1.
    const double e = std::exp(-r.Tp1 / r.tau);
    EXPECT_NEAR(r.Ymax1, in.h0 + (in.v0 * s + r.Vp1) * r.tau * (1 - e) - r.Vp1 * r.Tp1, 1e-12);
    EXPECT_NEAR(r.Xp1, in.v0 * c * r.tau * (1 - e), 1e-12);
    EXPECT_LT(r.Ymax1, r.Ymax); // drag lowers the top

    // Vp2 balances weight less buoyancy against both drags (single precision).
    const double v = r.Vp2;
    const double weight = (in.rho - in.rho0) * model::pi * std::pow(in.d, 3) * model::g / 6;
    const double drag = 3 * model::pi * in.eta * in.d * v +
                        model::dragCoefficient * in.rho0 * (model::pi * in.d * in.d / 8) * v * v;
    EXPECT_NEAR(drag / weight, 1, 1e-6);
    EXPECT_LT(v, r.Vp1);
    EXPECT_DOUBLE_EQ(r.R2, 4 * in.rho * in.d / (3 * 0.5 * in.rho0));
}

TEST(ClosedForm, GreatestRangeAngle) {
    // The vacuum range from height h0 is largest at a_max, and a_max is 45° from the ground.
    Inputs in{5, 7, 30, 0.4, 7800, 1000, 0.001006};
    const double best = parametr(in).a_max;
    auto range = [&in](double angle) {
        Inputs t = in;
        t.alphaDeg = angle;
        return parametr(t).Xmax;
    };
    EXPECT_GT(range(best), range(best - 0.5));
    EXPECT_GT(range(best), range(best + 0.5));
    in.h0 = 1e-9;
    EXPECT_NEAR(parametr(in).a_max, 45, 1e-6);
}
