#include "model/curves/ThrowCurves.h"

#include "model/curves/CurveThinning.h"

#include <algorithm>

namespace model {

namespace {

// The tolerance of kept curves, in parts of the graph's span; thinning may leave a point out by
// about two tolerances.
constexpr double keptParts = 65536;

CurveView viewOf(const std::vector<PanePoint>& points) {
    return CurveView(std::span<const PanePoint>(points));
}

} // namespace

PlotCurves curvesOf(const Throw& t, Graph plot, std::size_t piecesDrawn) {
    PlotCurves c;
    if (plot == Graph::trajectory) {
        if (!t.trajectoryReady())
            return c;
        const PanePoint start{0, static_cast<float>(t.inputs().h0)};
        c[0] = CurveView(start, t.vacuum().points);
        c[1] = CurveView(start, t.linearPath());
        const auto& pieces = t.flightPieces();
        if (piecesDrawn > 0)
            c[2] = CurveView(start, std::span<const PanePoint>(pieces).first(
                                        std::min(piecesDrawn, pieces.size())));
        return c;
    }
    const VelocityCurves& v = t.velocityCurves();
    const bool vx = plot == Graph::vx;
    c[0] = viewOf(vx ? v.vacuumVx : v.vacuumVy);
    c[1] = viewOf(vx ? v.linearVx : v.linearVy);
    c[2] = viewOf(vx ? v.quadraticVx : v.quadraticVy);
    return c;
}

PlotCurves KeptThrow::curvesOn(Graph plot) const {
    PlotCurves c;
    const auto& lists = curves[static_cast<std::size_t>(plot)];
    for (std::size_t m = 0; m < modelCount; ++m)
        c[m] = viewOf(lists[m]);
    return c;
}

std::size_t KeptThrow::pointCount() const {
    std::size_t n = 0;
    for (const auto& plot : curves)
        for (const auto& list : plot)
            n += list.size();
    return n;
}

KeptThrow keptThrow(const Throw& t, int number) {
    KeptThrow k;
    k.number = number;
    k.inputs = t.inputs();
    k.trajRangeX = t.trajectoryRanges().trajRangeX;
    k.trajRangeY = t.trajectoryRanges().trajRangeY;
    k.velocity = t.velocityRanges();
    const VelocityRanges& v = k.velocity;
    const double spans[plotCount][2] = {
        {k.trajRangeX, k.trajRangeY},
        {v.tRange, v.vxRange},
        {v.tRange, v.vyRangeTop - v.vyRangeBottom},
    };
    for (std::size_t p = 0; p < plotCount; ++p) {
        const PlotCurves views = curvesOf(t, static_cast<Graph>(p), t.flightPieces().size());
        for (std::size_t m = 0; m < modelCount; ++m)
            k.curves[p][m] =
                thinnedCurve(views[m], spans[p][0] / keptParts, spans[p][1] / keptParts);
    }
    return k;
}

TrajectoryRanges grownTrajectoryRanges(const Throw& current,
                                       const std::vector<const KeptThrow*>& kept) {
    TrajectoryRanges r = current.trajectoryRanges();
    if (kept.empty())
        return r;
    for (const KeptThrow* k : kept) {
        r.trajRangeX = std::max(r.trajRangeX, k->trajRangeX);
        r.trajRangeY = std::max(r.trajRangeY, k->trajRangeY);
    }
    // The scale factors as the throw applies them (GraphRanges).
    const double scaleX = current.settings().scaleX > 0 ? current.settings().scaleX : 0.1;
    const float scaleY = current.settings().scaleY > 0 ? current.settings().scaleY : 0.1f;
    r.right = r.trajRangeX * scaleX;
    r.top = scaleY * r.trajRangeY;
    return r;
}

std::optional<VelocityRanges> grownVelocityRanges(const Throw& current,
                                                  const std::vector<const KeptThrow*>& kept) {
    std::optional<VelocityRanges> r;
    if (current.velocitiesReady() || current.failedAt() == ThrowStep::velocityCurves)
        r = current.velocityRanges();
    if (kept.empty())
        return r;
    for (const KeptThrow* k : kept) {
        if (!r) {
            r = k->velocity;
            continue;
        }
        r->tRange = std::max(r->tRange, k->velocity.tRange);
        r->vxRange = std::max(r->vxRange, k->velocity.vxRange);
        r->vyRangeTop = std::max(r->vyRangeTop, k->velocity.vyRangeTop);
        r->vyRangeBottom = std::min(r->vyRangeBottom, k->velocity.vyRangeBottom);
    }
    placeVelocityEdges(*r, current.settings().scaleVx, current.settings().scaleT);
    return r;
}

} // namespace model
