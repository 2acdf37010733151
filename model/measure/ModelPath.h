#pragma once

#include "model/Quantities.h"
#include "model/exact/ExactFlight.h"
#include "model/physics/Inputs.h"

#include <vector>

namespace model::measure {

// From a place of the model's path to a point (m).
struct Offset {
    double dx = 0, dy = 0;
};

// One model's path from the launch to the landing, for points that have no times (a path
// digitised from a photograph or a figure): each point is compared with the nearest place of
// the path, wherever in time that lies. The ball lies where it landed, so the path ends there.
class ModelPath {
public:
    ModelPath(const Inputs& inputs, ModelKind model);

    // The model lands and its path is finite; otherwise there is no path to compare with.
    bool finite() const { return finite_; }
    // From the nearest place of the path to (x, y).
    Offset offset(double x, double y) const;
    // The distance of (x, y) from the path, positive on the left of the motion (above a path
    // going right). Across the path it is the distance along the path's normal, which a small
    // error of the nearest place does not change (that error moves the place along the path):
    // smooth enough for a fit's differences. Beyond the launch or the landing, the distance to
    // that end.
    double signedDistance(double x, double y) const;

private:
    // The state at the nearest place of the path to (x, y).
    exact::State nearest(double x, double y) const;

    // Evenly in time, launch and landing included, with their velocities: between them the
    // path is the cubic through their positions and velocities.
    std::vector<exact::State> samples_;
    bool finite_ = false;
};

} // namespace model::measure
