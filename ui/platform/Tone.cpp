#include "ui/platform/Tone.h"

#include "model/ToneSamples.h"

#include <QAudioSink>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QThread>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace ui {

namespace {
// Silence before each tone: an output that has just been opened may drop its first
// milliseconds, and they had better not be the tone's.
constexpr int kLeadInMs = 40;
// The stream's buffer: short enough for the played position to be exact, long enough to ride
// out a busy window while a tone that does not block sounds.
constexpr int kBufferMs = 200;
// A stalled output: a blocking tone stops waiting kStallMs after it should have been heard, and
// a stream whose tone is never reported heard is closed kGiveUpMs after that time.
constexpr int kStallMs = 1000;
constexpr int kGiveUpMs = 5000;
// A stream stays open this long after its tone has been heard: the output still holds the
// end of the tone, and closing the stream would drop it.
constexpr int kDrainMs = 500;
constexpr int kTickMs = 10;
} // namespace

struct AudioTone::Voice {
    std::unique_ptr<QAudioSink> sink;
    QIODevice* io = nullptr;
    QByteArray bytes; // lead-in silence and the tone
    qsizetype written = 0;
    qint64 toneEnd = 0; // µs from the start of the stream
    int dueMs = 0;      // when the tone should have been heard, from its start
    QElapsedTimer age;
    qint64 heardAtMs = -1;

    bool heard() const {
        return sink->state() == QAudio::StoppedState || sink->processedUSecs() >= toneEnd;
    }
};

AudioTone::AudioTone() : AudioTone(QMediaDevices::defaultAudioOutput()) {}

AudioTone::AudioTone(const QAudioDevice& device) : device_(device) {
    ticker_.setInterval(kTickMs);
    QObject::connect(&ticker_, &QTimer::timeout, [this] { tick(); });
    if (device_.isNull())
        return;
    format_.setSampleRate(44100);
    format_.setChannelCount(1);
    format_.setSampleFormat(QAudioFormat::Int16);
    if (!device_.isFormatSupported(format_)) {
        format_ = device_.preferredFormat();
        const auto f = format_.sampleFormat();
        if (f != QAudioFormat::Int16 && f != QAudioFormat::Float)
            format_.setSampleFormat(QAudioFormat::Int16);
        if (!device_.isFormatSupported(format_))
            device_ = QAudioDevice(); // no format we can write: fall back to silence
    }
    // Zero bytes are silence in both formats.
    silence_ = QByteArray(format_.bytesForDuration(100'000), '\0');
}

AudioTone::~AudioTone() {
    ticker_.stop();
    for (auto& v : voices_)
        v->sink->stop();
    voices_.clear();
}

QByteArray AudioTone::samples(int durationMs) const {
    const std::vector<float> mono =
        model::toneSamples(model::toneFrequency, durationMs, format_.sampleRate());
    const int channels = std::max(1, format_.channelCount());
    const bool isFloat = format_.sampleFormat() == QAudioFormat::Float;
    const int bytesPerSample = isFloat ? 4 : 2;
    QByteArray out(static_cast<qsizetype>(mono.size()) * channels * bytesPerSample, '\0');
    char* p = out.data();
    for (float s : mono) {
        for (int c = 0; c < channels; ++c) {
            if (isFloat) {
                std::memcpy(p, &s, 4);
            } else {
                const auto v = static_cast<std::int16_t>(s * 32767.0f);
                std::memcpy(p, &v, 2);
            }
            p += bytesPerSample;
        }
    }
    return out;
}

qint64 AudioTone::stillSounding() const {
    qint64 longest = 0;
    for (const auto& v : voices_)
        if (v->heardAtMs < 0 && !v->heard())
            longest = std::max(longest, v->toneEnd - v->sink->processedUSecs());
    return longest;
}

AudioTone::Voice* AudioTone::play(int durationMs) {
    // A tone that is still sounding is let finish: this one starts after it.
    const int leadMs = kLeadInMs + static_cast<int>(stillSounding() / 1000);
    auto v = std::make_unique<Voice>();
    v->sink = std::make_unique<QAudioSink>(device_, format_);
    v->sink->setBufferSize(format_.bytesForDuration(kBufferMs * 1000));
    v->io = v->sink->start();
    if (!v->io) {
        // Deleting a sink runs the event loop for a moment; a blocking tone must not.
        v->sink.release()->deleteLater();
        return nullptr;
    }
    v->bytes = QByteArray(format_.bytesForDuration(leadMs * 1000), '\0') + samples(durationMs);
    v->toneEnd = format_.durationForBytes(v->bytes.size());
    v->dueMs = leadMs + durationMs;
    v->age.start();
    feed(*v);
    voices_.push_back(std::move(v));
    if (!ticker_.isActive())
        ticker_.start();
    return voices_.back().get();
}

void AudioTone::feed(Voice& v) const {
    if (v.heardAtMs >= 0)
        return; // what is left in the output plays out by itself
    // After the tone, silence while it is still on its way: the output starts playing only
    // once its buffer is full enough, and the played position keeps moving.
    for (qsizetype free = v.sink->bytesFree(); free > 0; free = v.sink->bytesFree()) {
        const bool tone = v.written < v.bytes.size();
        const char* from = tone ? v.bytes.constData() + v.written : silence_.constData();
        const qsizetype left = tone ? v.bytes.size() - v.written : silence_.size();
        const qint64 w = v.io->write(from, std::min(free, left));
        if (w <= 0)
            break;
        v.written += w;
    }
}

void AudioTone::serve() {
    for (auto& v : voices_) {
        feed(*v);
        if (v->heardAtMs < 0 && v->heard())
            v->heardAtMs = v->age.elapsed();
    }
}

void AudioTone::tick() {
    serve();
    std::erase_if(voices_, [](std::unique_ptr<Voice>& v) {
        const qint64 age = v->age.elapsed();
        const bool over =
            v->heardAtMs >= 0 ? age >= v->heardAtMs + kDrainMs : age >= v->dueMs + kGiveUpMs;
        if (over) {
            v->sink->stop();
            v->sink.release()->deleteLater();
        }
        return over;
    });
    if (voices_.empty())
        ticker_.stop();
}

void AudioTone::BeepTone(int n) {
    const int ms = model::toneDurationMs(n);
    QElapsedTimer clock;
    clock.start();
    Voice* v = device_.isNull() || ms <= 0 ? nullptr : play(ms);
    if (v) {
        // Until the tone has been played, not merely handed over; a stalled output is given
        // up on.
        while (v->heardAtMs < 0 && clock.elapsed() < v->dueMs + kStallMs) {
            QThread::msleep(2);
            serve();
        }
    }
    const qint64 left = ms - clock.elapsed();
    if (left > 0)
        QThread::msleep(static_cast<unsigned long>(left));
}

int AudioTone::startBeepTone(int n) {
    const int ms = model::toneDurationMs(n);
    if (!device_.isNull() && ms > 0)
        play(ms);
    return ms;
}

} // namespace ui
