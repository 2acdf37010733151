#include "model/exact/ExactResults.h"

#include "model/exact/ExactFlight.h"
#include "model/exact/Reynolds.h"

#include <cmath>

namespace model::exact {

namespace {

std::optional<double> valueOf(Quantity q, const FlightEnds& flight) {
    const Landing& l = flight.landing;
    const Top& top = flight.top;
    switch (q) {
    case Quantity::Tp2:
        return top.t;
    case Quantity::Xp2:
        return top.x;
    case Quantity::Ymax2:
        return top.y;
    default:
        break;
    }
    if (!l.reached)
        return std::nullopt;
    switch (q) {
    case Quantity::Tmax1:
    case Quantity::Tmax2:
        return l.t;
    case Quantity::Xmax1:
    case Quantity::Xmax2:
        return l.x;
    case Quantity::VxEnd1:
    case Quantity::VxEnd2:
        return l.vx;
    case Quantity::VyEnd1:
    case Quantity::VyEnd2:
        return l.vy;
    default:
        return std::nullopt;
    }
}

} // namespace

bool hasExactValue(Quantity q) {
    return row(q).stage != Stage::closedForms;
}

std::optional<double> exactValue(Quantity q, const Inputs& in) {
    if (!hasExactValue(q))
        return std::nullopt;
    if (q == Quantity::Re)
        return reynoldsNumber(in, in.v0);
    const FlightEnds flight = flightEnds(in, row(q).model);
    if (q == Quantity::Re1 || q == Quantity::Re2) {
        const Landing& l = flight.landing;
        if (!l.reached)
            return std::nullopt;
        return reynoldsNumber(in, std::hypot(l.vx, l.vy));
    }
    return valueOf(q, flight);
}

std::vector<std::pair<Quantity, double>> exactValues(const Inputs& in) {
    return exactValues(flightEnds(in, ModelKind::linear), flightEnds(in, ModelKind::quadratic));
}

std::vector<std::pair<Quantity, double>> exactValues(const FlightEnds& linear,
                                                     const FlightEnds& quadratic) {
    std::vector<std::pair<Quantity, double>> out;
    for (const QuantityRow& r : quantityRows())
        if (hasExactValue(r.id))
            out.emplace_back(
                r.id,
                valueOf(r.id, r.model == ModelKind::linear ? linear : quadratic).value_or(NAN));
    return out;
}

} // namespace model::exact
