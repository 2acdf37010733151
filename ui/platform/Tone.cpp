#include "ui/platform/Tone.h"

#include "ui/platform/TonePlayer.h"
#include "ui/platform/ToneSamples.h"

#include <QElapsedTimer>
#include <QThread>

namespace ui {

namespace {
// How long a program that ends waits for a sound server that does not answer.
constexpr int kEndingMs = 1000;
} // namespace

AudioTone::AudioTone() : AudioTone(std::optional<QAudioDevice>()) {}

AudioTone::AudioTone(const QAudioDevice& device) : AudioTone(std::optional(device)) {}

AudioTone::AudioTone(std::optional<QAudioDevice> device)
    : thread_(std::make_unique<QThread>()), player_(new TonePlayer(std::move(device))) {
    thread_->setObjectName(QStringLiteral("ballflight tone"));
    player_->moveToThread(thread_.get());
    QObject::connect(thread_.get(), &QThread::finished, player_, &QObject::deleteLater);
    thread_->start();
    QMetaObject::invokeMethod(
        player_, [p = player_] { p->findOutput(); }, Qt::QueuedConnection);
}

AudioTone::~AudioTone() {
    QMetaObject::invokeMethod(
        player_, [p = player_] { p->stopAll(); }, Qt::QueuedConnection);
    thread_->quit();
    if (!thread_->wait(kEndingMs)) {
        // Stuck inside the sound library: left to end with the process, as a thread still
        // running may not be destroyed.
        (void)thread_.release();
    }
}

bool AudioTone::hasOutput(int timeoutMs) const {
    QElapsedTimer clock;
    clock.start();
    while (!player_->outputKnown && clock.elapsed() < timeoutMs)
        QThread::msleep(2);
    return player_->hasOutput;
}

void AudioTone::beep(int n) {
    const int ms = toneDurationMs(n);
    if (ms <= 0)
        return;
    QElapsedTimer asked;
    asked.start();
    auto ticket = std::make_shared<ToneTicket>();
    QMetaObject::invokeMethod(
        player_, [p = player_, ms, asked, ticket] { p->play(ms, asked, ticket); },
        Qt::QueuedConnection);
    // Until the tone has been played, not merely handed over; one that does not start in time,
    // or is not heard in time, is not waited for.
    using State = ToneTicket::State;
    if (ticket->waitWhile(State::waiting, asked, TonePlayer::kStartMs) == State::playing) {
        QElapsedTimer playing;
        playing.start();
        ticket->waitWhile(State::playing, playing, ticket->dueMs() + TonePlayer::kStartMs);
    }
    const qint64 left = ms - asked.elapsed();
    if (left > 0)
        QThread::msleep(static_cast<unsigned long>(left));
}

int AudioTone::startBeep(int n) {
    const int ms = toneDurationMs(n);
    if (ms > 0) {
        QElapsedTimer asked;
        asked.start();
        QMetaObject::invokeMethod(
            player_, [p = player_, ms, asked] { p->play(ms, asked, nullptr); },
            Qt::QueuedConnection);
    }
    return ms;
}

} // namespace ui
