#pragma once

#include <QAudioDevice>

#include <memory>
#include <optional>

class QThread;

namespace ui {

class TonePlayer;

// The warning tone, 880 Hz for n × 12 ms.
class Tone {
public:
    virtual ~Tone() = default;

    // Sounds the tone and returns when it has ended (blocks for its length; no events are
    // processed meanwhile).
    virtual void beep(int n) = 0;
    // Starts the tone and returns at once with its length in ms; the caller goes on after that
    // long, so that the window keeps running while the tone sounds.
    virtual int startBeep(int n) = 0;
};

// The tone through an audio output (the default one unless given); silence of the same length
// when there is none. The output is driven from a thread of its own, so the caller never waits
// for the sound server: a tone that cannot start within 200 ms is silence instead, and a
// blocking tone waits for its sound at most 200 ms past its length.
class AudioTone : public Tone {
public:
    AudioTone();
    explicit AudioTone(const QAudioDevice& device);
    ~AudioTone() override;

    void beep(int n) override;
    int startBeep(int n) override;

    // Waits up to timeoutMs for the output to be found; whether there is one.
    bool hasOutput(int timeoutMs = 0) const;

private:
    explicit AudioTone(std::optional<QAudioDevice> device);

    std::unique_ptr<QThread> thread_;
    TonePlayer* player_; // lives on thread_
};

} // namespace ui
