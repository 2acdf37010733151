#pragma once

namespace model {

// The seven inputs of a throw, SI units. Defaults are the program's start values.
struct Inputs {
    double h0 = 0.5;       // initial height of the ball's centre, m
    double v0 = 3;         // initial speed, m/s
    double alphaDeg = 30;  // throw angle to the horizon, degrees, positive upwards
    double d = 0.4;        // ball diameter, m
    double rho = 7800;     // density of the ball material, kg/m^3
    double rho0 = 1000;    // density of the medium, kg/m^3
    double eta = 0.001006; // dynamic viscosity of the medium, Pa·s
    // Drag coefficient of the ball in the quadratic drag term Cd·rho0·S·v²/2: 0.5, a smooth
    // sphere below the drag crisis, unless the user describes a real ball.
    double cd = 0.5;
};

// The drag coefficient the window starts with and a lesson without one takes.
inline constexpr double dragCoefficient = 0.5;

} // namespace model
