#pragma once

#include <QtGlobal>

#include <array>
#include <cmath>

namespace ui {

// The speeds the flight can be watched at, as the menu lists them. ×1 is the program's own
// pace: a piece of ten steps every 10 ms.
struct AnimationSpeed {
    const char* text; // marked for translation: shown through Texts::tr
    double factor;    // 0: no animation, the whole flight at once
};

inline constexpr std::array<AnimationSpeed, 8> animationSpeeds{
    {{"×0.1", 0.1},
     {"×0.25", 0.25},
     {"×0.5", 0.5},
     {"×1", 1},
     {"×2", 2},
     {"×5", 5},
     {"×10", 10},
     {QT_TRANSLATE_NOOP("Texts", "без анимации"), 0}}};

// How a speed is reached: slower ones wait longer between pieces, faster ones fly several
// groups of steps per tick. The steps, the figures and the landing tone stay the same.
struct Pace {
    int tickMs;
    int groupsPerTick; // 0: all at once
};

inline Pace paceFor(double factor) {
    constexpr int ownTickMs = 10;
    if (!(factor > 0))
        return {ownTickMs, 0};
    if (factor < 1)
        return {static_cast<int>(std::lround(ownTickMs / factor)), 1};
    return {ownTickMs, static_cast<int>(std::lround(factor))};
}

} // namespace ui
