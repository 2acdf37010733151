#pragma once

#include "ui/platform/Tone.h"

namespace ui {

// No sound and no waiting, for tests: counts the calls.
class SilentTone : public Tone {
public:
    void BeepTone(int n) override {
        ++blocking;
        lastN = n;
    }
    int startBeepTone(int n) override {
        ++started;
        lastN = n;
        return landingMs;
    }

    int blocking = 0;
    int started = 0;
    int lastN = 0;
    int landingMs = 0; // how long a started tone is said to sound
};

} // namespace ui
