#include "model/exact/ExactFlight.h"

#include "model/exact/QuadraticDragOde.h"
#include "model/physics/CancellationFree.h"
#include "model/physics/ClosedForm.h"
#include "model/physics/Constants.h"

#include <boost/math/tools/toms748_solve.hpp>

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace model::exact {

namespace {

// The launch: the same angle, g, tau, Vp1 and R2 the labels are computed from.
struct Launch {
    double h0, vx0, vy0, tau, Vp1, R2;
    double speed; // the throw's speed scale: the launch, the terminal or the free-fall speed
};

Launch launchOf(const Inputs& in) {
    const ClosedForm cf = closedForms(in);
    const double speed = std::max({in.v0, static_cast<double>(cf.Vp2), std::sqrt(2 * g * in.h0)});
    return {in.h0, in.v0 * std::cos(cf.alpha), in.v0 * std::sin(cf.alpha), cf.tau, cf.Vp1, cf.R2,
            speed};
}

// The landing time without drag, from a root of the quadratic written so that neither sign of
// vy0 subtracts nearly equal numbers.
double vacuumFlightTime(const Launch& l) {
    const double root = std::sqrt(l.vy0 * l.vy0 + 2 * g * l.h0);
    return l.vy0 >= 0 ? (l.vy0 + root) / g : 2 * l.h0 / (root - l.vy0);
}

// The one t in [a, b] where f changes sign (f(a) > 0 ≥ f(b)), to the last bits of t.
template <class F> double rootBetween(F f, double a, double b) {
    const double fa = f(a), fb = f(b);
    if (fb == 0)
        return b;
    std::uintmax_t iterations = 200;
    const auto [lo, hi] = boost::math::tools::toms748_solve(
        f, a, b, fa, fb, boost::math::tools::eps_tolerance<double>(52), iterations);
    return lo + (hi - lo) / 2;
}

// One model's flight; the landing and the top are found once, when it is made.
struct Flight {
    virtual ~Flight() = default;
    virtual State at(double t) const = 0;
    virtual std::vector<State> at(const std::vector<double>& times) const {
        std::vector<State> out;
        out.reserve(times.size());
        for (const double t : times)
            out.push_back(at(t));
        return out;
    }
    Landing landing;
    Top top;

    void setTop(double t) {
        const State s = at(t);
        top = {t, s.x, s.y};
    }
    void setLanding(double t) {
        const State s = at(t);
        landing = {t, s.x, s.vx, s.vy, true};
    }
};

// y = h0 + vy0·t − g·t²/2, x = vx0·t.
struct Vacuum final : Flight {
    explicit Vacuum(const Launch& l) : l_(l) {
        setTop(l.vy0 > 0 ? l.vy0 / g : 0);
        const double t = vacuumFlightTime(l);
        if (std::isfinite(t))
            setLanding(t);
    }
    State at(double t) const override {
        return {t, l_.vx0 * t, l_.h0 + l_.vy0 * t - g * t * t / 2, l_.vx0, l_.vy0 - g * t};
    }
    Launch l_;
};

// With u = t/tau and E = 1 − e^(−u): x = tau·vx0·E, y = h0 + tau·vy0·E − Vp1·tau·(u − E),
// vx = vx0·e^(−u), vy = vy0·e^(−u) − Vp1·E.
struct Linear final : Flight {
    explicit Linear(const Launch& l) : l_(l) {
        if (l.vy0 > 0) {
            const double r = l.vy0 / l.Vp1;
            const double t = l.tau * std::log1p(r);
            top = {t, l.tau * l.vx0 * (r / (1 + r)), l.h0 + l.tau * (l.Vp1 * xMinusLog1p(r))};
        } else {
            top = {0, 0, l.h0};
        }
        findLanding();
    }
    State at(double t) const override {
        const double u = t / l_.tau, E = -std::expm1(-u), e = std::exp(-u);
        const double fall = std::fabs(u) < 0.01 ? uMinusOneMinusExp(u, E) : u - E;
        return {t, l_.tau * l_.vx0 * E, (l_.h0 + l_.tau * l_.vy0 * E) - l_.Vp1 * l_.tau * fall,
                l_.vx0 * e, l_.vy0 * e - l_.Vp1 * E};
    }
    void findLanding() {
        auto y = [this](double t) { return at(t).y; };
        const double a = top.t;
        if (!(top.y > 0)) {
            if (top.y == 0)
                setLanding(a);
            return;
        }
        // The fall takes at least the free fall and, below the terminal speed, about y/Vp1 + tau.
        double step = std::sqrt(2 * top.y / g) + top.y / l_.Vp1;
        double b = a + step;
        for (int i = 0; i < 100 && std::isfinite(b) && y(b) > 0; ++i) {
            step *= 2;
            b = a + step;
        }
        if (std::isfinite(b) && y(b) <= 0)
            setLanding(rootBetween(y, a, b));
    }
    Launch l_;
};

// About how long the quadratic-drag flight lasts: no shorter than without drag, nor than with
// the linear drag alone, which the quadratic drag only adds to (a ball that sinks slowly through
// a thick medium lasts thousands of vacuum flight times, most of them at its terminal speed).
double flightTimeScale(const Launch& l) {
    const Landing linear = Linear(l).landing;
    const double vacuum = vacuumFlightTime(l);
    return linear.reached && linear.t > vacuum ? linear.t : vacuum;
}

struct Quadratic final : Flight {
    using Vec = QuadraticDragOde::Vec;

    // Without keepStates only the launch is kept besides the top and the landing: at() would
    // integrate from the launch, slower and to other last bits than with the states kept.
    // Past the horizon (s) the flight is not followed: one still in the air then has no landing.
    Quadratic(const Launch& l, bool keepStates, double horizon)
        : Quadratic(l, keepStates, horizon, flightTimeScale(l)) {}

private:
    Quadratic(const Launch& l, bool keepStates, double horizon, double timeScale)
        : ode_({l.tau, l.Vp1, l.R2}, l.speed, timeScale) {
        const Vec start{0, l.h0, l.vx0, l.vy0};
        auto keep = [this, keepStates](double t, const Vec& s) {
            if (keepStates)
                checkpoints_.push_back({t, s});
        };
        checkpoints_.push_back({0, start});
        if (l.vy0 <= 0)
            top = {0, 0, l.h0};
        if (l.h0 <= 0 && l.vy0 <= 0) {
            landing = {0, 0, l.vx0, l.vy0, true};
            return;
        }
        // An explicit method cannot step much beyond tau, and the flight lasts at least its time
        // scale: when that alone needs more steps than allowed, the flight is given up once its
        // top is found instead of after the allowed steps (a tenth of a second).
        const bool tooStiff = timeScale / (3.3 * l.tau) > QuadraticDragOde::maxSteps;
        auto stepper = ode_.denseStepper();
        stepper.initialize(start, 0, ode_.firstStep(start));
        bool topFound = l.vy0 <= 0;
        for (long steps = 0; steps < QuadraticDragOde::maxSteps; ++steps) {
            const auto [t0, t1] = stepper.do_step(ode_.system);
            const Vec& s1 = stepper.current_state();
            if (!std::all_of(s1.begin(), s1.end(), [](double v) { return std::isfinite(v); }))
                return;
            auto component = [&stepper](int i) {
                return [&stepper, i](double t) {
                    Vec s;
                    stepper.calc_state(t, s);
                    return s[static_cast<std::size_t>(i)];
                };
            };
            double a = t0;
            if (!topFound && s1[3] <= 0) {
                topFound = true;
                const double t = rootBetween(component(3), t0, t1);
                Vec s;
                stepper.calc_state(t, s);
                top = {ode_.toSeconds(t), s[0], s[1]};
                a = t;
            }
            if (topFound && s1[1] <= 0) {
                const double t = rootBetween(component(1), a, t1);
                Vec s;
                stepper.calc_state(t, s);
                landing = {ode_.toSeconds(t), s[0], s[2], s[3], true};
                keep(ode_.toSeconds(t1), s1);
                return;
            }
            keep(ode_.toSeconds(t1), s1);
            if ((tooStiff && topFound) || ode_.toSeconds(t1) >= horizon)
                return;
        }
    }

public:
    State at(double t) const override {
        Vec s;
        const double from = startFor(t, s);
        ode_.integrate(s, from, t);
        return {t, s[0], s[1], s[2], s[3]};
    }

    std::vector<State> at(const std::vector<double>& times) const override {
        if (times.empty() || times.front() < 0 || !std::is_sorted(times.begin(), times.end()))
            return Flight::at(times);
        std::vector<State> out;
        out.reserve(times.size());
        Vec s;
        const double from = startFor(times.front(), s);
        auto later = times.begin();
        for (; later != times.end() && *later == from; ++later)
            out.push_back({from, s[0], s[1], s[2], s[3]});
        ode_.integrateTimes(s, from, std::vector<double>(later, times.end()), [&](const Vec& v) {
            out.push_back({times[out.size()], v[0], v[1], v[2], v[3]});
        });
        constexpr double nan = std::numeric_limits<double>::quiet_NaN();
        while (out.size() < times.size()) // given up: too stiff to follow that far
            out.push_back({times[out.size()], nan, nan, nan, nan});
        return out;
    }

private:
    struct Checkpoint {
        double t;
        Vec state;
    };

    // The stored state to integrate from towards t: the last one not after t.
    double startFor(double t, Vec& s) const {
        auto it = std::upper_bound(checkpoints_.begin(), checkpoints_.end(), t,
                                   [](double v, const Checkpoint& c) { return v < c.t; });
        const Checkpoint& c = it == checkpoints_.begin() ? checkpoints_.front() : *std::prev(it);
        s = c.state;
        return c.t;
    }

    QuadraticDragOde ode_;
    std::vector<Checkpoint> checkpoints_;
};

} // namespace

struct ExactFlight::Impl {
    std::unique_ptr<Flight> flight;
};

namespace {

std::unique_ptr<Flight> flightOf(const Inputs& inputs, ModelKind model, bool keepStates,
                                 double horizon = std::numeric_limits<double>::infinity()) {
    const Launch l = launchOf(inputs);
    switch (model) {
    case ModelKind::vacuum:
        return std::make_unique<Vacuum>(l);
    case ModelKind::linear:
        return std::make_unique<Linear>(l);
    case ModelKind::quadratic:
        return std::make_unique<Quadratic>(l, keepStates, horizon);
    case ModelKind::common:
        break;
    }
    throw std::invalid_argument("ExactFlight: no flight for the common results");
}

} // namespace

ExactFlight::ExactFlight(const Inputs& inputs, ModelKind model)
    : impl_(std::make_unique<Impl>(Impl{flightOf(inputs, model, true)})) {}

ExactFlight::ExactFlight(const Inputs& inputs, ModelKind model, double horizon)
    : impl_(std::make_unique<Impl>(Impl{flightOf(inputs, model, true, horizon)})) {}

ExactFlight::~ExactFlight() = default;
ExactFlight::ExactFlight(ExactFlight&&) noexcept = default;
ExactFlight& ExactFlight::operator=(ExactFlight&&) noexcept = default;

State ExactFlight::at(double t) const {
    return impl_->flight->at(t);
}

std::vector<State> ExactFlight::at(const std::vector<double>& times) const {
    return impl_->flight->at(times);
}

std::vector<State> ExactFlight::onFlight(const std::vector<double>& times) const {
    const Flight& f = *impl_->flight;
    // One rule for both passes below: a landing at a time that is not a number (inputs whose
    // flight cannot be computed) bounds nothing, and such a flight gives what it gives.
    const bool lands = f.landing.reached && std::isfinite(f.landing.t);
    const auto flies = [&](double t) { return t >= 0 && (!lands || t <= f.landing.t); };
    std::vector<double> inFlight;
    inFlight.reserve(times.size());
    for (const double t : times)
        if (flies(t))
            inFlight.push_back(t);
    const std::vector<State> flown = f.at(inFlight);
    const State launch = f.at(0.0);
    std::vector<State> out;
    out.reserve(times.size());
    std::size_t k = 0;
    for (const double t : times) {
        if (t < 0)
            out.push_back({t, launch.x, launch.y, 0, 0});
        else if (!flies(t))
            out.push_back({t, f.landing.x, 0, 0, 0});
        else
            out.push_back(flown[k++]);
    }
    return out;
}

Landing ExactFlight::landing() const {
    return impl_->flight->landing;
}

Top ExactFlight::top() const {
    return impl_->flight->top;
}

std::vector<State> statesOnFlight(const Inputs& inputs, ModelKind model,
                                  const std::vector<double>& times) {
    double last = 0;
    for (const double t : times)
        last = std::isnan(t) ? last : std::max(last, t);
    return ExactFlight(inputs, model, last).onFlight(times);
}

FlightEnds flightEnds(const Inputs& inputs, ModelKind model) {
    const std::unique_ptr<Flight> flight = flightOf(inputs, model, false);
    return {flight->top, flight->landing};
}

} // namespace model::exact
