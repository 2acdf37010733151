#pragma once

#include <QAudioDevice>
#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>

#include <memory>

class QAudioSink;

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

// The tone through the default audio output; silence of the same length when there is none.
class AudioTone : public Tone {
public:
    AudioTone();
    ~AudioTone() override;

    void BeepTone(int n) override;
    int startBeepTone(int n) override;

    bool hasOutput() const { return !device_.isNull(); }

private:
    QByteArray samples(int durationMs) const;

    QAudioDevice device_;
    QAudioFormat format_;
    // Kept until the next tone so that the end of a tone is not cut off.
    std::unique_ptr<QAudioSink> sink_;
    QBuffer buffer_;
    QByteArray bytes_;
};

} // namespace ui
