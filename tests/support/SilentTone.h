#pragma once

#include "ui/platform/Tone.h"

namespace ui {

// No sound and no waiting, for tests: counts the calls.
class SilentTone : public Tone {
public:
    void beep(int) override { ++blocking; }
    int startBeep(int) override {
        ++started;
        return landingMs;
    }

    int blocking = 0;
    int started = 0;
    int landingMs = 0; // how long a started tone is said to sound
};

} // namespace ui
