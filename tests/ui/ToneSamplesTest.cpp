#include "ui/platform/ToneSamples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using ui::toneSamples;

// The tones as heard (600 and 300 ms of 880 Hz, unclipped): the real-window sound test.
TEST(ToneSamples, LengthAmplitudeAndFades) {
    EXPECT_TRUE(toneSamples(880, 0, 48000).empty());
    const auto s = toneSamples(880, 300, 44100, 0.5f); // 300 ms at 44.1 kHz
    ASSERT_EQ(s.size(), 13230u);
    float peak = 0;
    for (const float x : s)
        peak = std::max(peak, std::abs(x));
    EXPECT_TRUE(peak <= 0.5f && peak > 0.49f) << peak;
    // Faded at both ends, so the speaker does not click.
    EXPECT_EQ(s.front(), 0.0f);
    EXPECT_LT(std::abs(s.back()), 0.01f);
}
