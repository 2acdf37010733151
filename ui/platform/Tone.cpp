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

AudioTone::AudioTone() : device_(QMediaDevices::defaultAudioOutput()) {
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
}

AudioTone::~AudioTone() {
    if (sink_)
        sink_->stop();
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

void AudioTone::BeepTone(int n) {
    const int ms = model::toneDurationMs(n);
    QElapsedTimer clock;
    clock.start();
    if (!device_.isNull()) {
        if (sink_)
            sink_->stop();
        bytes_ = samples(ms);
        sink_ = std::make_unique<QAudioSink>(device_, format_);
        if (QIODevice* io = sink_->start()) {
            // Push as the output takes it; give up rather than hang if it stops taking.
            qsizetype written = 0;
            while (written < bytes_.size() && clock.elapsed() < ms + 500) {
                const qsizetype free = sink_->bytesFree();
                const qsizetype w = free > 0 ? io->write(bytes_.constData() + written,
                                                         std::min(free, bytes_.size() - written))
                                             : 0;
                if (w > 0)
                    written += w;
                else
                    QThread::msleep(2);
            }
        }
    }
    const qint64 left = ms - clock.elapsed();
    if (left > 0)
        QThread::msleep(static_cast<unsigned long>(left));
}

int AudioTone::startBeepTone(int n) {
    const int ms = model::toneDurationMs(n);
    if (device_.isNull() || ms <= 0)
        return ms;
    if (sink_)
        sink_->stop();
    buffer_.close();
    bytes_ = samples(ms);
    buffer_.setData(bytes_);
    buffer_.open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device_, format_);
    sink_->start(&buffer_);
    return ms;
}

} // namespace ui
