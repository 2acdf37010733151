#pragma once

#include <vector>

namespace ui {

// The warning tone: a sine of 880 Hz lasting n × 12 ms.
inline constexpr double toneFrequency = 880; // Hz
inline constexpr int toneUnitMs = 12;        // ms per unit of n

// Length of beep(n) in milliseconds (0 for n <= 0).
int toneDurationMs(int n);

// Mono samples in [−amplitude, amplitude] of a sine of frequencyHz lasting durationMs at
// sampleRate samples per second: round(sampleRate·durationMs/1000) samples, starting at phase 0.
// The first and last 2 ms are faded in and out so the speaker does not click.
std::vector<float> toneSamples(double frequencyHz, int durationMs, int sampleRate,
                               float amplitude = 0.5f);

} // namespace ui
