#pragma once

#include <QAudioDevice>
#include <QAudioFormat>
#include <QByteArray>
#include <QTimer>

#include <memory>
#include <vector>

namespace ui {

// The warning tone, 880 Hz for n × 12 ms.
class Tone {
public:
    virtual ~Tone() = default;

    // Sounds the tone and returns when it has ended (blocks for its length; no events are
    // processed meanwhile).
    virtual void BeepTone(int n) = 0;
    // Starts the tone and returns at once with its length in ms; the caller goes on after that
    // long, so that the window keeps running while the tone sounds.
    virtual int startBeepTone(int n) = 0;
};

// The tone through an audio output (the default one unless given); silence of the same length
// when there is none. Every tone is heard whole: one that starts while another still sounds
// follows it, and an output stream is closed only after its tone has been played.
class AudioTone : public Tone {
public:
    AudioTone();
    explicit AudioTone(const QAudioDevice& device);
    ~AudioTone() override;

    void BeepTone(int n) override;
    int startBeepTone(int n) override;

    bool hasOutput() const { return !device_.isNull(); }

private:
    struct Voice;

    // Opens a stream for one tone and writes what it takes; nullptr if the output refuses.
    Voice* play(int durationMs);
    void feed(Voice& voice) const;
    // Feeds every stream and notes the tones that have been heard.
    void serve();
    // Also closes the streams whose tone is over (only from the event loop: see Tone.cpp).
    void tick();
    // How long the tones already playing still need, in µs.
    qint64 stillSounding() const;
    QByteArray samples(int durationMs) const;

    QAudioDevice device_;
    QAudioFormat format_;
    QByteArray silence_;
    std::vector<std::unique_ptr<Voice>> voices_;
    QTimer ticker_;
};

} // namespace ui
