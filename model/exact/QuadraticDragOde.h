#pragma once

#include <boost/numeric/odeint.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace model::exact {

// Linear plus quadratic drag with buoyancy, the equations the flight labels are computed from,
// for the state (x, y, vx, vy):
//   dvx/dt = −(vx/tau + |v|·vx/R2),  dvy/dt = −((Vp1/tau + vy/tau) + |v|·vy/R2).
// Real is double for the flight, long double for checking it.
template <class Real> struct QuadraticDragEquations {
    Real tau, Vp1, R2;
    void operator()(const std::array<Real, 4>& s, std::array<Real, 4>& d, Real /*t*/) const {
        using std::sqrt;
        const Real v = sqrt(s[2] * s[2] + s[3] * s[3]);
        d[0] = s[2];
        d[1] = s[3];
        d[2] = -(s[2] / tau + v * s[2] / R2);
        d[3] = -((Vp1 / tau + s[3] / tau) + v * s[3] / R2);
    }
};

// Each step's error, against the allowed one: relative to each component and its change over the
// step, with a floor of the throw's own length and speed scales, so that a speed decaying towards
// zero (vx on a long viscous flight) does not force ever finer steps for digits nobody uses.
struct ScaledErrorChecker {
    using value_type = double;
    double relative, lengthFloor, speedFloor;

    template <class Algebra, class State, class Deriv, class Err, class Time>
    double error(Algebra&, const State& x, const Deriv& dxdt, Err& err, Time dt) const {
        double worst = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            const double floor = i < 2 ? lengthFloor : speedFloor;
            const double allowed = floor + relative * (std::fabs(x[i]) + std::fabs(dt * dxdt[i]));
            worst = std::max(worst, std::fabs(err[i]) / allowed);
        }
        return worst;
    }
};

// The adaptive Dormand–Prince 5(4) integration of those equations, with its dense output. The
// integrator runs in units of the flight's own duration: its steppers compare times with an
// absolute epsilon, which in seconds would stop a flight of nanoseconds short of its end.
class QuadraticDragOde {
public:
    using Vec = std::array<double, 4>;
    using Dopri = boost::numeric::odeint::runge_kutta_dopri5<Vec>;
    using Controlled = boost::numeric::odeint::controlled_runge_kutta<Dopri, ScaledErrorChecker>;
    using Dense = boost::numeric::odeint::dense_output_runge_kutta<Controlled>;

    // Each step is held to this error; the global error of a flight stays near 1e-11.
    static constexpr double tolerance = 1e-12;
    // A stiff flight (a small ball in a thick medium) needs more steps than this; it is
    // reported as not landed rather than hold its caller for minutes.
    static constexpr long maxSteps = 500'000;

    // The equations with time in units of the flight's duration.
    struct System {
        QuadraticDragEquations<double> equations;
        double unit;
        void operator()(const Vec& s, Vec& d, double tau) const {
            equations(s, d, tau * unit);
            for (double& v : d)
                v *= unit;
        }
    };

    // speed: the throw's speed scale (m/s), from which the floors of the error are taken;
    // flightTime: about how long the flight lasts (s), the unit of time. A step is at most a
    // 32nd of it: a flight with little drag is nearly a parabola, which the method's error
    // estimate would let it cross in a step or two, too long for the fourth-order dense output.
    QuadraticDragOde(QuadraticDragEquations<double> e, double speed, double flightTime)
        : system{e, std::isfinite(flightTime) && flightTime > 0 ? flightTime : 1} {
        const double time = std::min({e.tau, e.R2 / speed, speed / 9.8});
        checker_ = {tolerance, tolerance * speed * time, tolerance * speed};
    }

    // Times in the integrator's unit and back.
    double toUnit(double t) const { return t / system.unit; }
    double toSeconds(double tau) const { return tau * system.unit; }

    Controlled controlledStepper() const {
        return Controlled(checker_,
                          boost::numeric::odeint::default_step_adjuster<double, double>(1.0 / 32));
    }
    Dense denseStepper() const { return Dense(controlledStepper()); }

    // A first step (in the unit) well inside the fastest scale of the flight; the control
    // grows it.
    double firstStep(const Vec& s) const {
        const QuadraticDragEquations<double>& e = system.equations;
        const double scale = toUnit(std::min(e.tau, e.R2 / std::hypot(s[2], s[3])));
        return std::isfinite(scale) && scale > 0 ? std::min(scale, 1.0) / 100 : 1e-3;
    }

    // Moves s from time `from` to time `to` (seconds, either way); after maxSteps steps it gives
    // up and s is not a number.
    void integrate(Vec& s, double from, double to) const {
        if (from == to)
            return;
        const double h = firstStep(s);
        StepAllowance allowance;
        try {
            boost::numeric::odeint::integrate_adaptive(
                controlledStepper(), system, s, toUnit(from), toUnit(to), to > from ? h : -h,
                [&allowance](const Vec&, double) { allowance(); });
        } catch (const TooManySteps&) {
            s.fill(std::numeric_limits<double>::quiet_NaN());
        }
    }

    // The states at ascending times (seconds) after from, starting from s at `from`, in order;
    // after maxSteps steps in all it gives up and the later times are not observed.
    template <class Observe>
    void integrateTimes(Vec s, double from, const std::vector<double>& times,
                        Observe observe) const {
        if (times.empty())
            return;
        std::vector<double> all;
        all.reserve(times.size() + 1);
        all.push_back(toUnit(from));
        for (const double t : times)
            all.push_back(toUnit(t));
        bool first = true;
        try {
            boost::numeric::odeint::integrate_times(
                denseStepper(), system, s, all.begin(), all.end(), firstStep(s),
                [&](const Vec& v, double) {
                    if (!first)
                        observe(v);
                    first = false;
                },
                StepAllowance());
        } catch (const TooManySteps&) {
            // The times not reached are left unobserved.
        }
    }

    System system;

private:
    struct TooManySteps {};
    // Counts every step of one integration and gives up after maxSteps (odeint's own checker
    // counts only the steps between two observed times): a stiff flight followed past where it
    // was given up would otherwise hold its caller for hours.
    struct StepAllowance {
        long left = maxSteps;
        void reset() {}
        void operator()() {
            if (left-- <= 0)
                throw TooManySteps{};
        }
    };

    ScaledErrorChecker checker_{};
};

} // namespace model::exact
