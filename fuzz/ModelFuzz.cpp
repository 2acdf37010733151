// libFuzzer target: one whole run of the flight models for an arbitrary throw.
//
// The input is seven doubles (h0, v0, alphaDeg, d, rho, rho0, eta, native byte order) and one
// optional byte for the regional decimal separator. Throws the input fields can never let
// through (NaN, infinity, a value outside the field limits) are skipped; everything else the
// limits allow is fair: subnormal diameters, viscosities of 1e300, a medium a hair lighter
// than the ball. Each model call must end (the walks are bounded) and, when it reports a
// landing, give finite results.
#include "model/Throw.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

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

    model::Throw t(in);
    t.runToEnd();
    require(t.flightDone(), "the flight ends");
    require(t.linear().points <= model::maxFlightWork, "linear walk bounded");
    require(t.flight().work() <= model::maxFlightWork, "RK4 work bounded");
    require(t.velocityCurves().passes <= model::maxFlightWork, "velocity curves bounded");
    for (const model::QuantityRow& r : model::quantityRows())
        require(!t.text(r.id, separator).empty(), "every label has a text");
    if (t.trajectoryReady()) {
        require(t.linear().Tmax1 > 0 && t.linear().lastY < 0, "linear landing");
        require(static_cast<std::int64_t>(t.linearPath().size()) == t.linear().points,
                "the drawn curve walks the same points");
        require(t.vacuum().points.size() <= 1001, "vacuum path bounded");
    }
    if (t.landed()) {
        require(t.flight().Tmax2() > 0 && t.flight().y() < 0 && t.topMarker().has_value(),
                "quadratic landing with its top");
    }
    if (!t.failed()) {
        require(t.velocitiesReady() && t.notFinite().empty(), "a finished throw is all finite");
        const auto& c = t.velocityCurves();
        require(c.quadraticVx.size() == c.quadraticVy.size(), "velocity curves paired");
    }
    return 0;
}
