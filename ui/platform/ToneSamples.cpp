#include "ui/platform/ToneSamples.h"

#include <algorithm>
#include <cmath>

namespace ui {

int toneDurationMs(int n) {
    return n > 0 ? n * toneUnitMs : 0;
}

std::vector<float> toneSamples(double frequencyHz, int durationMs, int sampleRate,
                               float amplitude) {
    if (durationMs <= 0 || sampleRate <= 0)
        return {};
    const auto count = static_cast<std::size_t>(
        std::llround(static_cast<double>(sampleRate) * durationMs / 1000.0));
    const auto fade = std::min<std::size_t>(count / 2, static_cast<std::size_t>(sampleRate / 500));
    // The full-precision pi: this is sound, not one of the program's figures.
    const double twoPi = 2 * std::acos(-1.0);
    std::vector<float> out(count);
    for (std::size_t i = 0; i < count; ++i) {
        double gain = amplitude;
        const std::size_t fromEdge = std::min(i, count - 1 - i);
        if (fromEdge < fade)
            gain *= static_cast<double>(fromEdge) / static_cast<double>(fade);
        out[i] = static_cast<float>(
            gain * std::sin(twoPi * frequencyHz * static_cast<double>(i) / sampleRate));
    }
    return out;
}

} // namespace ui
