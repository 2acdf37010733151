#pragma once

#include <QAudioDevice>
#include <QAudioFormat>
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace ui {

// What a caller waiting for one tone learns from the player's thread.
class ToneTicket {
public:
    enum class State { waiting, playing, heard, dropped };

    void set(State state, int dueMs = 0);
    // Waits while the tone is in `state`, until the deadline (ms on `clock`); returns the state.
    State waitWhile(State state, const QElapsedTimer& clock, qint64 deadlineMs);
    // When the tone should have been heard, in ms from when it began to play.
    int dueMs() const;

private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    State state_ = State::waiting;
    int dueMs_ = 0;
};

// Plays tones through one audio output; lives on a thread of its own, since opening a stream
// (and finding the output) waits for the sound server, which may not answer at all. Every tone
// is heard whole: one that starts while another still sounds follows it, and a stream is closed
// only after its tone has been played. A tone asked for more than kStartMs ago is dropped, and
// an output that failed is looked up again for the next tone (the server may have restarted);
// the default output is looked up only once the sound server answers.
class TonePlayer : public QObject {
public:
    static constexpr int kStartMs = 200;

    // The given output, or the default one when there is none given.
    explicit TonePlayer(std::optional<QAudioDevice> device);
    ~TonePlayer() override;

    // Finds the output (on the player's thread); until then no tone can start.
    void findOutput();
    // A tone of durationMs asked for at `asked`; the ticket (may be null) follows it.
    void play(int durationMs, QElapsedTimer asked, std::shared_ptr<ToneTicket> ticket);
    // Closes every stream (before the thread ends).
    void stopAll();

    // Set once the output has been looked up; whether there is one.
    std::atomic<bool> outputKnown{false};
    std::atomic<bool> hasOutput{false};

private:
    struct Voice;

    void useDevice(const QAudioDevice& device);
    void feed(Voice& voice) const;
    void tick();
    qint64 stillSounding() const;
    QByteArray samples(int durationMs) const;

    std::optional<QAudioDevice> given_;
    QAudioDevice device_;
    QAudioFormat format_;
    QByteArray silence_;
    bool failed_ = false; // the last stream could not be opened
    std::vector<std::unique_ptr<Voice>> voices_;
    QTimer ticker_;
};

} // namespace ui
