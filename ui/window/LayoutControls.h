#pragma once

#include <QRect>
#include <QString>

#include <map>

namespace ui {

// One control's place in the client area, in pixels but not yet rounded (0.6 × 72 = 43.2).
struct ControlRect {
    double left = 0, top = 0, width = 0, height = 0;
    bool operator==(const ControlRect&) const = default;
};

// Places every visible control of the main window for a client area of the given size: a
// parameter panel of ten rows anchored 4 px above the bottom edge, and the graph area (panes
// and scroll bars) taking everything above it. Sizes that would turn negative in a very small
// or minimised window are clamped at zero. Keyed by control name (Label36, Text1, …).
std::map<QString, ControlRect> layout(double clientWidth, double clientHeight);

// Rounds to whole pixels the way the window system does: half away from zero.
QRect toPixels(const ControlRect& r);

} // namespace ui
