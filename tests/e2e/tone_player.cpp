// Plays tones through the default audio output the way the window does, for the real-sound
// test: each argument is one step, "b25" = beep(25), "s50" = startBeep(50) and on at
// once, "w300" = 300 ms of the event loop. Prints how long each blocking tone blocked.
#include "ui/platform/Tone.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ui::AudioTone tone;
    if (!tone.hasOutput(10000)) {
        std::fprintf(stderr, "no audio output\n");
        return 2;
    }
    for (const QString& step : app.arguments().mid(1)) {
        const int value = step.mid(1).toInt();
        QElapsedTimer clock;
        clock.start();
        if (step.startsWith('b')) {
            tone.beep(value);
            std::printf("%s blocked %lld ms\n", qPrintable(step), clock.elapsed());
        } else if (step.startsWith('s')) {
            tone.startBeep(value);
        } else {
            QEventLoop loop;
            QTimer::singleShot(value, &loop, &QEventLoop::quit);
            loop.exec();
        }
    }
    return 0;
}
