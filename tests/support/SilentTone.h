#pragma once

#include "ui/platform/Tone.h"

namespace ui {

// No sound and no waiting, for tests: counts the calls.
class SilentTone : public Tone {
public:
    void BeepTone(int) override { ++blocking; }
    int startBeepTone(int) override {
        ++started;
        return landingMs;
    }

    int blocking = 0;
    int started = 0;
    int landingMs = 0; // how long a started tone is said to sound
};

} // namespace ui
