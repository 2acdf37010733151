#pragma once

namespace ui {

// The interface scales the menu offers.
inline constexpr double interfaceScales[] = {1, 1.25, 1.5, 1.75, 2};

} // namespace ui
