#pragma once

#include "model/Quantities.h"
#include "model/physics/Inputs.h"

#include <memory>
#include <vector>

namespace model::exact {

// The models' values at any time, a second path beside the labels' stepped figures: exact to a
// relative 1e-9 and smooth in the inputs, for comparing with measurements, fitting and optimum
// marks. The labels keep their own figures; nothing here changes them.

// Position (m) and velocity (m/s) of the ball's centre at time t (s) after the launch.
struct State {
    double t = 0, x = 0, y = 0, vx = 0, vy = 0;
};

// The first return of the centre to y = 0. Not reached when the ball never comes down
// (a ball lighter than the medium rising for ever).
struct Landing {
    double t = 0, x = 0, vx = 0, vy = 0;
    bool reached = false;
};

// The highest point of the flight; the launch point for a throw that only goes down.
struct Top {
    double t = 0, x = 0, y = 0;
};

// One model of one throw. Vacuum and linear drag come from their formulas (the cancellation-free
// forms), the landing of the linear drag from a bracketed root search; linear + quadratic drag is
// integrated once with an adaptive dense-output stepper and read off its dense output.
class ExactFlight {
public:
    // model: vacuum, linear or quadratic. The inputs are those the throw pipeline computes with.
    ExactFlight(const Inputs& inputs, ModelKind model);
    // The same flight followed only until `horizon` (s): one still in the air then has no
    // landing, and maybe no top. The states up to the horizon are the same to the last bit.
    ExactFlight(const Inputs& inputs, ModelKind model, double horizon);
    ~ExactFlight();
    ExactFlight(ExactFlight&&) noexcept;
    ExactFlight& operator=(ExactFlight&&) noexcept;

    State at(double t) const;
    // The states at ascending times, cheaper than one call each.
    std::vector<State> at(const std::vector<double>& times) const;
    // The same, as a measured ball is placed: before the launch it is held at the launch point,
    // after the landing it lies at rest where it landed. Nothing is computed beyond the landing,
    // so a time of years costs no more than one in the flight.
    std::vector<State> onFlight(const std::vector<double>& times) const;
    Landing landing() const;
    Top top() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// ExactFlight(inputs, model).onFlight(times), with the flight followed no further than the
// latest time: a trial of a fit whose ball floats or sinks for ever costs no more than the
// points' span, instead of the stepper's whole allowance.
std::vector<State> statesOnFlight(const Inputs& inputs, ModelKind model,
                                  const std::vector<double>& times);

// The top and the landing of one model's flight.
struct FlightEnds {
    Top top;
    Landing landing;
};

// The same top and landing as ExactFlight(inputs, model) finds, without keeping the states that
// at() starts from: for a caller that reads nothing else (the exact results, the Reynolds
// numbers), which a long flight's thousands of kept states would cost more than their stepping.
FlightEnds flightEnds(const Inputs& inputs, ModelKind model);

} // namespace model::exact
