// Writes data/examples/tennis-ball.tsv: a generated "measured" throw of a tennis ball in air, in
// the shape a video-analysis program exports (the tracked object's name, a header row, then
// t, x, y in seconds and centimetres, the origin at the floor some way behind the launch).
// The flight is the exact linear + quadratic drag model; the noise is what a hand-clicked video
// at 30 frames per second gives, seeded so that every run writes the same file.
#include "model/exact/ExactFlight.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>

namespace {

// A standard normal number by Box–Muller over the raw 32-bit output, the same on every
// standard library.
double normal(std::mt19937& random) {
    const double u1 = (static_cast<double>(random()) + 1) / 4294967297.0;
    const double u2 = static_cast<double>(random()) / 4294967296.0;
    return std::sqrt(-2 * std::log(u1)) * std::cos(2 * 3.14159265358979323846 * u2);
}

} // namespace

int main() {
    model::Inputs ball;
    ball.h0 = 1.2;                   // m, released at shoulder height
    ball.v0 = 9;                     // m/s
    ball.alphaDeg = 40;              // degrees
    ball.d = 0.067;                  // m, a tennis ball
    ball.rho = 370;                  // kg/m3: 58 g in a 6.7 cm ball
    ball.rho0 = 1.2;                 // kg/m3, air
    ball.eta = 1.82e-5;              // Pa·s, air
    const double frame = 1.0 / 30;   // s
    const double firstFrame = 14;    // the launch is frame 14 of the clip
    const double x0 = 0.352, y0 = 0; // m: the origin is on the floor behind the thrower
    const double noise = 0.003;      // m, standard deviation of each coordinate
    std::mt19937 random(20261207);

    const model::exact::ExactFlight flight(ball, model::ModelKind::quadratic);
    std::vector<double> times;
    for (double t = 0; flight.at(t).y > 0.05; t += frame)
        times.push_back(t);
    std::printf("Теннисный мяч\n");
    std::printf("t (s)\tx (cm)\ty (cm)\n");
    for (const model::exact::State& s : flight.at(times)) {
        const double x = x0 + s.x + noise * normal(random);
        const double y = y0 + s.y + noise * normal(random);
        std::printf("%.4f\t%.1f\t%.1f\n", s.t + firstFrame * frame, 100 * x, 100 * y);
    }
    return 0;
}
