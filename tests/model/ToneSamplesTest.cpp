#include "model/ToneSamples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using model::toneSamples;

// The lengths of the tones as heard (600 and 300 ms of 880 Hz): the real-window sound test.
TEST(ToneSamples, LengthFrequencyAndAmplitude) {
    EXPECT_TRUE(toneSamples(880, 0, 48000).empty());
    // 300 ms at 44.1 kHz; a sine of 880 Hz crosses zero upward 880 × 0.3 times.
    const auto s = toneSamples(880, 300, 44100, 0.5f);
    ASSERT_EQ(s.size(), 13230u);
    int upward = 0;
    float peak = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        upward += i > 0 && s[i - 1] < 0 && s[i] >= 0;
        peak = std::max(peak, std::abs(s[i]));
    }
    EXPECT_NEAR(upward, 264, 1);
    EXPECT_LE(peak, 0.5f);
    EXPECT_GT(peak, 0.49f);
    // Faded at both ends, so the speaker does not click.
    EXPECT_EQ(s.front(), 0.0f);
    EXPECT_LT(std::abs(s.back()), 0.01f);
}
