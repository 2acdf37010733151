#include "tests/model/ThrowTestSupport.h"

using namespace testing_model;

TEST(ClosedForm, DefaultThrow) {
    const auto r = closedForms(Inputs{});
    // Worked out by hand to six decimals with g = 9.814 and pi = 3.14159265; finer than the
    // labels, so a wrong constant shows.
    // clang-format off
    const double figures[][3] = {
        {r.Tp, 0.152843, 5e-7}, {r.Ymax, 0.614632, 5e-7}, {r.Tmax, 0.506758, 5e-7},
        {r.Xmax, 1.316597, 5e-7}, {r.VyEnd, -3.473327, 5e-7}, {r.tau, 68919.8, 0.05},
        {r.Tp1, 0.175320, 5e-7}, {r.Ymax1, 0.631490, 5e-7}, {r.Xp1, 0.455493, 5e-7}};
    // clang-format on
    for (const auto& [value, expected, tolerance] : figures)
        EXPECT_NEAR(value, expected, tolerance);

    // Seconds are the Latin c everywhere; only the Vp2 unit is all Cyrillic.
    const std::string expected =
        "a_max=  34.669 град; Tp= 0.153 c; Xp= 0.397 м; Ymax= 0.615 м; Tmax= 0.507 c; "
        "Xmax= 1.317 м; Vx(y=0)=  2.598 м/c; Vy(y=0)= -3.473 м/c; m= 2.614E+02 кг; "
        "tau= 6.892E+04 c; Vp1= 5.897E+05 м/c; Tp1= 0.175 c; Xp1= 0.455 м; Ymax1= 0.631 м; "
        "Vp2= 8.437 м/с; R2= 8.320 м; Tmax1= 0.560 c; Xmax1=  1.455 м; Vx1(y=0)=  2.598 м/c; "
        "Vy1(y=0)= -3.293 м/c; Tp2= 0.171 c; Xp2= 0.431 м; Ymax2= 0.627 м; Tmax2= 0.562 c; "
        "Xmax2=  1.335 м; Vx2(y=0)=  2.144 м/c; Vy2(y=0)= -3.113 м/c";
    const Throw t = whole(Inputs{});
    EXPECT_EQ(texts(t, Quantity::a_max, Quantity::VyEnd2), expected);
    // A comma separator changes the three scientific labels only.
    EXPECT_EQ(texts(t, Quantity::a_max, Quantity::VyEnd2, ','),
              std::regex_replace(expected, std::regex(R"((\d)\.(\d{3}E))"), "$1,$2"));
}

TEST(ClosedForm, TopsAndLandingsSatisfyTheirEquations) {
    // A throw that does not rise has its top at the start.
    for (double angle : {-20.0, 0.0}) {
        SCOPED_TRACE(angle);
        const Inputs in{.alphaDeg = angle};
        const auto r = closedForms(in);
        EXPECT_EQ((std::array{r.Tp, r.Xp, r.Tp1, r.Xp1, r.Ymax, r.Ymax1}),
                  (std::array{0.0, 0.0, 0.0, 0.0, in.h0, in.h0}));
        // The flight time still lands the parabola: h0 + v0·s·T − g·T²/2 = 0.
        EXPECT_GT(r.Tmax, 0);
        EXPECT_NEAR(in.h0 + in.v0 * std::sin(r.alpha) * r.Tmax - model::g * r.Tmax * r.Tmax / 2, 0,
                    1e-12);
    }

    // Without viscosity the linear drag keeps its previous values, and its top follows them.
    const Inputs in{.eta = 0};
    const auto r = closedForms(in, 12.5, 40.0);
    EXPECT_EQ(r.tau, 12.5);
    EXPECT_EQ(r.Vp1, 40.0);
    EXPECT_EQ(texts(model::Throw(in, {}, 12.5, 40.0), Quantity::tau, Quantity::Vp1),
              "tau ->00; Vp1 ->00");
    EXPECT_NEAR(r.Tp1, std::log(3 * std::sin(r.alpha) / 40 + 1) * 12.5, 1e-12);

    // A light ball in a thick medium, where drag shapes the flight (the default throw hardly
    // feels it): at the top the vertical speed (v0·s + Vp1)·e^(−t/tau) − Vp1 is zero; height and
    // distance are the integrals of the speeds up to Tp1.
    const Inputs light{2, 10, 45, 0.01, 2000, 1000, 0.5};
    const auto l = closedForms(light);
    const double s = std::sin(l.alpha), c = std::cos(l.alpha), e = std::exp(-l.Tp1 / l.tau);
    EXPECT_NEAR((light.v0 * s + l.Vp1) * e - l.Vp1, 0, 1e-12);
    EXPECT_NEAR(l.Ymax1, light.h0 + (light.v0 * s + l.Vp1) * l.tau * (1 - e) - l.Vp1 * l.Tp1,
                1e-12);
    EXPECT_NEAR(l.Xp1, light.v0 * c * l.tau * (1 - e), 1e-12);
}

TEST(ClosedForm, CancellationFreeFormsAgreeWithLongSeries) {
    // x − ln(1 + x) and u − (1 − e^(−u)) as alternating series summed in long double until the
    // terms vanish, or from the long-double library where nothing cancels much.
    auto seriesG = [](long double x) {
        long double sum = 0, power = x;
        for (int k = 2; k < 200; ++k)
            sum += ((k % 2) ? -1 : 1) * (power *= x) / k;
        return sum;
    };
    auto seriesF = [](long double u) {
        long double sum = 0, term = u;
        for (int k = 2; k < 200; ++k)
            sum += ((k % 2) ? -1 : 1) * (term *= u / k);
        return sum;
    };
    for (double v = 1e-12; v <= 10; v *= 1.37) {
        const long double g = v < 0.1 ? seriesG(v) : v - std::log1pl(v);
        const long double f = v < 0.1 ? seriesF(v) : v + std::expm1l(-(long double)v);
        EXPECT_LE(std::fabs((model::xMinusLog1p(v) - g) / g), 1e-13) << v;
        EXPECT_LE(std::fabs((model::uMinusOneMinusExp(v) - f) / f), 1e-13) << v;
    }
}
