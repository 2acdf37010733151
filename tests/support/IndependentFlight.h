#pragma once

// A throw integrated straight from its forces, apart from everything the program computes it
// with, to check the program's own paths against. Per unit mass of the ball:
//   dv/dt = −v/tau − |v|·v/R2 − (0, g·(1 − ρo/ρ)),  tau = ρ·d²/(18·η),  R2 = 4·ρ·d/(3·Cd·ρo)
// (Stokes' drag 3π·η·d·v, the quadratic drag Cd·ρo·(π·d²/4)·v²/2, the weight less the buoyancy),
// by Boost.Odeint's Dormand–Prince 5(4) held to 1e-13.
#include "model/physics/Constants.h"
#include "model/physics/Inputs.h"

#include <boost/math/tools/toms748_solve.hpp>
#include <boost/numeric/odeint.hpp>

#include <array>
#include <cmath>
#include <vector>

namespace testing_flight {

struct Position {
    double t, x, y;
};

class IndependentFlight {
public:
    using State = std::array<double, 4>; // x, y, vx, vy

    struct Equations {
        double tau, R2, sinking;
        void operator()(const State& s, State& d, double) const {
            const double v = std::hypot(s[2], s[3]);
            d = {s[2], s[3], -s[2] / tau - v * s[2] / R2, -sinking - s[3] / tau - v * s[3] / R2};
        }
    };

    static auto stepper() {
        using Dopri = boost::numeric::odeint::runge_kutta_dopri5<State>;
        return boost::numeric::odeint::make_dense_output(1e-13, 1e-13, Dopri());
    }

    explicit IndependentFlight(const model::Inputs& in)
        : equations_{in.rho * in.d * in.d / (18 * in.eta),
                     4 * in.rho * in.d / (3 * in.cd * in.rho0), model::g * (1 - in.rho0 / in.rho)} {
        const double a = in.alphaDeg * model::pi / 180;
        start_ = {0, in.h0, in.v0 * std::cos(a), in.v0 * std::sin(a)};
    }

    // The positions at ascending times from 0.
    std::vector<Position> at(const std::vector<double>& times) const {
        std::vector<Position> out;
        State s = start_;
        boost::numeric::odeint::integrate_times(stepper(), equations_, s, times.begin(),
                                                times.end(), 1e-4, [&](const State& v, double t) {
                                                    out.push_back({t, v[0], v[1]});
                                                });
        return out;
    }

    // Where the centre first comes back down to y = 0.
    double range() const {
        auto dense = stepper();
        dense.initialize(start_, 0, 1e-4);
        while (dense.current_state()[1] > 0 || dense.current_time() == 0)
            dense.do_step(equations_);
        State s;
        const auto y = [&](double t) {
            dense.calc_state(t, s);
            return s[1];
        };
        std::uintmax_t iterations = 200;
        const auto [lo, hi] = boost::math::tools::toms748_solve(
            y, dense.previous_time(), dense.current_time(),
            boost::math::tools::eps_tolerance<double>(50), iterations);
        dense.calc_state(lo + (hi - lo) / 2, s);
        return s[0];
    }

private:
    Equations equations_;
    State start_{};
};

} // namespace testing_flight
