#include "ui/run/UnderlayStack.h"

#include <algorithm>

namespace ui {

void UnderlayStack::add(ThrowUnderlay* underlay) {
    if (underlay && std::find(layers_.begin(), layers_.end(), underlay) == layers_.end())
        layers_.push_back(underlay);
}

void UnderlayStack::remove(ThrowUnderlay* underlay) {
    std::erase(layers_, underlay);
}

bool UnderlayStack::keep(const model::Throw& landed, const model::Inputs& next) {
    for (ThrowUnderlay* layer : layers_)
        if (layer->keep(landed, next))
            return true;
    return false;
}

bool UnderlayStack::empty() const {
    return std::all_of(layers_.begin(), layers_.end(),
                       [](const ThrowUnderlay* layer) { return layer->empty(); });
}

model::TrajectoryRanges UnderlayStack::trajectoryRanges(const model::Throw& current) const {
    model::TrajectoryRanges r = current.trajectoryRanges();
    for (const ThrowUnderlay* layer : layers_) {
        if (layer->empty())
            continue;
        const model::TrajectoryRanges g = layer->trajectoryRanges(current);
        r.trajRangeX = std::max(r.trajRangeX, g.trajRangeX);
        r.trajRangeY = std::max(r.trajRangeY, g.trajRangeY);
        r.right = std::max(r.right, g.right);
        r.top = std::max(r.top, g.top);
    }
    return r;
}

std::optional<model::VelocityRanges>
UnderlayStack::velocityRanges(const model::Throw& current) const {
    std::optional<model::VelocityRanges> r;
    for (const ThrowUnderlay* layer : layers_) {
        if (layer->empty())
            continue;
        const std::optional<model::VelocityRanges> g = layer->velocityRanges(current);
        if (!g)
            continue;
        if (!r) {
            r = g;
            continue;
        }
        r->tRange = std::max(r->tRange, g->tRange);
        r->vxRange = std::max(r->vxRange, g->vxRange);
        r->vyRangeTop = std::max(r->vyRangeTop, g->vyRangeTop);
        r->vyRangeBottom = std::min(r->vyRangeBottom, g->vyRangeBottom);
        r->right = std::max(r->right, g->right);
        r->vxTop = std::max(r->vxTop, g->vxTop);
        r->vyTop = std::max(r->vyTop, g->vyTop);
        r->vyBottom = std::min(r->vyBottom, g->vyBottom);
    }
    return r;
}

void UnderlayStack::drawTrajectory(graphs::PaneSurface& pane, const model::Throw& current,
                                   const model::TrajectoryRanges& ranges) const {
    for (const ThrowUnderlay* layer : layers_)
        if (!layer->empty())
            layer->drawTrajectory(pane, current, ranges);
}

void UnderlayStack::drawVelocities(graphs::PaneSurface& vxPane, graphs::PaneSurface& vyPane,
                                   const model::VelocityRanges& ranges) const {
    for (const ThrowUnderlay* layer : layers_)
        if (!layer->empty())
            layer->drawVelocities(vxPane, vyPane, ranges);
}

std::vector<ThrowUnderlay::ReadoutCurves> UnderlayStack::readoutCurves(model::Graph g) const {
    std::vector<ReadoutCurves> all;
    for (const ThrowUnderlay* layer : layers_)
        for (ReadoutCurves& c : layer->readoutCurves(g))
            all.push_back(std::move(c));
    return all;
}

std::vector<ThrowUnderlay::ReadoutPoint> UnderlayStack::readoutPoints(model::Graph g, double x,
                                                                      double y) const {
    std::vector<ReadoutPoint> all;
    for (const ThrowUnderlay* layer : layers_)
        for (ReadoutPoint& p : layer->readoutPoints(g, x, y))
            all.push_back(std::move(p));
    return all;
}

} // namespace ui
