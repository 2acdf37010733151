#include "ui/platform/Tone.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <gtest/gtest.h>

// Without an audio output the program stays silent and keeps the tone's timing: the blocking
// tone still lasts its length, the other one still reports it.
TEST(AudioTone, WithoutOutputSilentWithTheSameTiming) {
    ui::AudioTone tone{QAudioDevice()};
    EXPECT_FALSE(tone.hasOutput());

    QElapsedTimer clock;
    clock.start();
    tone.BeepTone(25);
    const qint64 blocked = clock.restart();
    EXPECT_GE(blocked, 300);
    EXPECT_LT(blocked, 1000);

    EXPECT_EQ(tone.startBeepTone(50), 600);
    EXPECT_EQ(tone.startBeepTone(0), 0);
    tone.BeepTone(0);
    EXPECT_LT(clock.elapsed(), 100);
}
