// libFuzzer target: one whole run of the flight models for an arbitrary throw.
//
// The input is seven doubles (h0, v0, alphaDeg, d, rho, rho0, eta, native byte order) and one
// optional byte for the regional decimal separator. Throws the input fields can never let
// through (NaN, infinity, a value outside the field limits) are skipped; everything else the
// limits allow is fair: subnormal diameters, viscosities of 1e300, a medium a hair lighter
// than the ball. Each model call must end (the walks are bounded) and, when it reports a
// landing, give finite results.
#include "model/ClosedForm.h"
#include "model/GraphRanges.h"
#include "model/LinearDrag.h"
#include "model/QuadraticDragStepper.h"
#include "model/VacuumPath.h"
#include "model/VelocityCurves.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr int kSteps = 1000; // the window's nSteps

void require(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "model check failed: %s\n", what);
        std::abort();
    }
}

bool acceptedByFields(const model::Inputs& in) {
    for (const double v : {in.h0, in.v0, in.alphaDeg, in.d, in.rho, in.rho0, in.eta})
        if (!std::isfinite(v))
            return false;
    return in.h0 > 0 && in.v0 > 0 && in.alphaDeg > -90 && in.alphaDeg < 90 && in.d > 0 &&
           in.rho > in.rho0 && in.rho0 > 0 && in.eta > 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    double v[7];
    if (size < sizeof v)
        return 0;
    std::memcpy(v, data, sizeof v);
    const model::Inputs in{v[0], v[1], v[2], v[3], v[4], v[5], v[6]};
    if (!acceptedByFields(in))
        return -1; // keep such inputs out of the corpus
    const char separator = size > sizeof v && (data[sizeof v] & 1) ? ',' : '.';

    const model::ClosedForm cf = model::parametr(in, 0, 0, separator);
    require(cf.labels.size() == 16, "sixteen closed-form labels");

    const model::LinearDragResult lin = model::raschet1(in, cf, kSteps);
    require(lin.points <= model::maxFlightWork, "linear walk bounded");
    if (lin.outcome == model::FlightOutcome::finished) {
        require(std::isfinite(lin.Tmax1) && lin.Tmax1 > 0 && std::isfinite(lin.Xmax1) &&
                    std::isfinite(lin.VxEnd1) && lin.lastY < 0 && lin.labels.size() == 4,
                "linear landing");
        if (lin.points <= 100'000) {
            std::vector<model::PanePoint> pts;
            require(model::linearDragPoints(in, cf, kSteps, pts) == lin.outcome &&
                        static_cast<std::int64_t>(pts.size()) == lin.points,
                    "drawing pass walks the same points");
        }
    }

    const model::TrajectoryRanges tr = model::minmax(cf, lin.Xmax1, 1, 1.0f);
    const model::VacuumPath vac = model::raschet0(in, cf, tr.trajOriginX, tr.trajRangeX, kSteps);
    require(vac.points.size() <= kSteps + 1, "vacuum path bounded");

    model::QuadraticDragStepper s(in, cf, kSteps);
    while (!s.done()) {
        const auto r = s.step();
        require(!r.apex || s.apexFound(), "top reported with its marker");
    }
    require(s.work() <= model::maxFlightWork, "RK4 work bounded");
    double Tmax2 = 0;
    if (s.outcome() == model::FlightOutcome::finished) {
        Tmax2 = s.Tmax2();
        require(std::isfinite(Tmax2) && Tmax2 > 0 && s.y() < 0 && std::isfinite(s.x()) &&
                    s.apexFound(),
                "quadratic landing");
    }

    const model::VelocityRanges vr = model::minmax_2(in, cf, lin.Tmax1, Tmax2, 1, 1);
    (void)vr;
    const model::VelocityCurves c = model::raschet3(in, cf, lin.Tmax1, Tmax2, s.dt(), kSteps);
    require(c.passes <= model::maxFlightWork && c.quadraticVx.size() == c.quadraticVy.size(),
            "velocity curves bounded");
    return 0;
}
