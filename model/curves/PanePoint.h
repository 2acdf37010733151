#pragma once

namespace model {

// A point handed to a graph pane, in the pane's physical units. Panes take single-precision
// coordinates; keeping points at 8 bytes matters because a flight may have millions of them.
struct PanePoint {
    float x = 0, y = 0;

    friend bool operator==(const PanePoint&, const PanePoint&) = default;
};

} // namespace model
