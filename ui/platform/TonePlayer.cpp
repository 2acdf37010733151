#include "ui/platform/TonePlayer.h"

#include "ui/platform/SoundServerProbe.h"
#include "ui/platform/ToneSamples.h"

#include <QAudioSink>
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
// out a busy moment.
constexpr int kBufferMs = 200;
// A stream whose tone is never reported heard is closed this long after that was due.
constexpr int kGiveUpMs = 5000;
// A stream stays open this long after its tone has been heard: the output still holds the
// end of the tone, and closing the stream would drop it.
constexpr int kDrainMs = 500;
constexpr int kTickMs = 5;
// How long the sound server may take to answer before the audio library is let connect to it;
// and how long after that it must still answer: a server that is being ended (restarted)
// answers from its last moments, and is gone when the library connects.
constexpr int kProbeMs = 1000;
constexpr int kSettleMs = 250;

bool soundServerSettled() {
    if (!soundServerAnswers(kProbeMs))
        return false;
    QThread::msleep(kSettleMs);
    return soundServerAnswers(kProbeMs);
}
} // namespace

void ToneTicket::set(State state, int dueMs) {
    {
        const std::lock_guard lock(mutex_);
        state_ = state;
        if (state == State::playing)
            dueMs_ = dueMs;
    }
    changed_.notify_all();
}

ToneTicket::State ToneTicket::waitWhile(State state, const QElapsedTimer& clock,
                                        qint64 deadlineMs) {
    std::unique_lock lock(mutex_);
    const auto left = std::chrono::milliseconds(std::max<qint64>(0, deadlineMs - clock.elapsed()));
    changed_.wait_for(lock, left, [&] { return state_ != state; });
    return state_;
}

int ToneTicket::dueMs() const {
    const std::lock_guard lock(mutex_);
    return dueMs_;
}

struct TonePlayer::Voice {
    std::unique_ptr<QAudioSink> sink;
    QIODevice* io = nullptr;
    QByteArray bytes; // lead-in silence and the tone
    qsizetype written = 0;
    qint64 toneEnd = 0; // µs from the start of the stream
    int dueMs = 0;      // when the tone should have been heard, from its start
    QElapsedTimer age;
    qint64 heardAtMs = -1;
    std::shared_ptr<ToneTicket> ticket;

    bool heard() const {
        return sink->state() == QAudio::StoppedState || sink->processedUSecs() >= toneEnd;
    }
};

TonePlayer::TonePlayer(std::optional<QAudioDevice> device) : given_(std::move(device)) {
    ticker_.setParent(this); // moves to the player's thread with it
    ticker_.setInterval(kTickMs);
    connect(&ticker_, &QTimer::timeout, this, &TonePlayer::tick);
}

TonePlayer::~TonePlayer() {
    stopAll();
}

void TonePlayer::stopAll() {
    ticker_.stop();
    for (auto& v : voices_) {
        v->sink->stop();
        if (v->ticket)
            v->ticket->set(ToneTicket::State::heard);
    }
    voices_.clear();
}

void TonePlayer::findOutput() {
    if (given_)
        useDevice(*given_);
    else if (soundServerSettled())
        useDevice(QMediaDevices::defaultAudioOutput());
    else
        useDevice(QAudioDevice()); // none for now: looked up again with the next tone
    failed_ = false;
    hasOutput = !device_.isNull();
    outputKnown = true;
}

void TonePlayer::useDevice(const QAudioDevice& device) {
    device_ = device;
    if (device_.isNull())
        return;
    format_ = QAudioFormat();
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

QByteArray TonePlayer::samples(int durationMs) const {
    const std::vector<float> mono = toneSamples(toneFrequency, durationMs, format_.sampleRate());
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

qint64 TonePlayer::stillSounding() const {
    qint64 longest = 0;
    for (const auto& v : voices_)
        if (v->heardAtMs < 0 && !v->heard())
            longest = std::max(longest, v->toneEnd - v->sink->processedUSecs());
    return longest;
}

void TonePlayer::play(int durationMs, QElapsedTimer asked, std::shared_ptr<ToneTicket> ticket) {
    const auto drop = [&ticket] {
        if (ticket)
            ticket->set(ToneTicket::State::dropped);
    };
    // A server that failed or was not there may be back (the sound library reconnects by
    // itself a few seconds after losing it).
    if (!outputKnown || (!given_ && (failed_ || device_.isNull())))
        findOutput();
    if (device_.isNull() || asked.elapsed() > kStartMs)
        return drop();
    // A tone that is still sounding is let finish: this one starts after it.
    const int leadMs = kLeadInMs + static_cast<int>(stillSounding() / 1000);
    auto v = std::make_unique<Voice>();
    v->sink = std::make_unique<QAudioSink>(device_, format_);
    v->sink->setBufferSize(format_.bytesForDuration(kBufferMs * 1000));
    v->io = v->sink->start();
    failed_ = !v->io;
    if (!v->io || asked.elapsed() > kStartMs) {
        // Too late to be heard when it was meant to be: silence instead.
        v->sink->stop();
        return drop();
    }
    v->bytes = QByteArray(format_.bytesForDuration(leadMs * 1000), '\0') + samples(durationMs);
    v->toneEnd = format_.durationForBytes(v->bytes.size());
    v->dueMs = leadMs + durationMs;
    v->age.start();
    v->ticket = std::move(ticket);
    if (v->ticket)
        v->ticket->set(ToneTicket::State::playing, v->dueMs);
    feed(*v);
    voices_.push_back(std::move(v));
    if (!ticker_.isActive())
        ticker_.start();
}

void TonePlayer::feed(Voice& v) const {
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

void TonePlayer::tick() {
    for (auto& v : voices_) {
        feed(*v);
        if (v->heardAtMs < 0 && v->heard()) {
            v->heardAtMs = v->age.elapsed();
            if (v->ticket)
                v->ticket->set(ToneTicket::State::heard);
        }
    }
    std::erase_if(voices_, [](std::unique_ptr<Voice>& v) {
        const qint64 age = v->age.elapsed();
        const bool over =
            v->heardAtMs >= 0 ? age >= v->heardAtMs + kDrainMs : age >= v->dueMs + kGiveUpMs;
        if (over)
            v->sink->stop();
        return over;
    });
    // A stream the server broke off: the output is looked up again for the next tone.
    for (const auto& v : voices_)
        failed_ = failed_ || v->sink->error() != QAudio::NoError;
    if (voices_.empty())
        ticker_.stop();
}

} // namespace ui
