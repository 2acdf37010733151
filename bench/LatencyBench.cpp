// How long the window leaves its event loop waiting while long or failing work goes on: a timer
// asks every 10 ms, and the longest gap between its answers is printed as a row of the figures
// table ("| figure | value | target |"), one row a case.
//   latency_bench           the cases that need nothing from outside
//   latency_bench --sound   the cases with the real tone, through the sound server the
//                           environment names (scripts/bench gives it a stopped one)
// A case is a row name and a function that drives the window; a new one goes into a list below.
#include "support/LoopLatency.h"
#include "support/RecordingDocumentOpener.h"
#include "support/RecordingExportDialogs.h"
#include "support/RecordingMessageBoxes.h"
#include "support/SilentTone.h"
#include "ui/Program.h"
#include "ui/platform/ReleaseLargeBlocks.h"
#include "ui/platform/Tone.h"
#include "ui/study/StudyWindow.h"
#include "ui/tools/ToolCommands.h"
#include "ui/window/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr const char* kTarget = "≤ 100 ms";

void runFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void runUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs)
        runFor(5);
}

// The program's window with recorded boxes and dialogs and the given tone, shown.
struct Window {
    explicit Window(ui::Tone& tone) : program(boxes, tone, opener, dialogs, prefs()) {
        program.start();
        program.window().repaint();
    }
    QString prefs() const { return settings.filePath("ballflight.conf"); }

    QTemporaryDir settings; // the user's preferences must not change the figures
    ui::RecordingMessageBoxes boxes;
    ui::RecordingDocumentOpener opener;
    ui::RecordingExportDialogs dialogs;
    ui::Program program;
};

// ПУСК and the whole flight, to the end of the landing tone.
void fullRun(Window& w) {
    w.program.window().runButton()->click();
    runUntil([&] { return !w.program.controller().busy(); }, 60000);
}

struct Case {
    const char* name;
    std::function<void(Window&)> drive;
};

// The longest gap while the case drives a fresh window.
void measure(const Case& c, ui::Tone& tone) {
    Window w(tone);
    runFor(100);
    ui::LoopLatency latency;
    latency.start();
    c.drive(w);
    std::printf("| Longest gap of the event loop: %s (Release, offscreen) | %lld ms | %s |\n",
                c.name, latency.longestGapMs(), kTarget);
    std::fflush(stdout);
}

void twoStudies(Window&) {
    const model::Inputs viscous{2, 10, 45, 0.05, 1200, 1000, 1.5};
    ui::StudyWindow first(viscous), second(viscous);
    first.countBox()->setValue(20000); // about 10 s each on two cores
    second.countBox()->setValue(20000);
    first.show();
    second.show();
    first.start();
    second.start();
    runFor(3000); // their progress bars repaint meanwhile
    first.cancel();
    second.cancel();
    runUntil([&] { return !first.isRunning() && !second.isRunning(); }, 5000);
}

// A device that is always full, in a folder of our own: whatever a save does to it, the
// system's /dev/full stays as it is.
void saveToFullDisk(Window& w) {
    const QString full = w.settings.filePath("full.csv"); // named as the save names it
    if (mknod(full.toLocal8Bit().constData(), S_IFCHR | 0666, makedev(1, 7)) != 0) {
        std::fprintf(stderr, "no full device (mknod needs root); saved to a missing folder\n");
        w.dialogs.answer = {w.settings.filePath("missing/data.csv"), 0};
    } else {
        w.dialogs.answer = {full, 0};
    }
    fullRun(w);
    for (int i = 0; i < 5; ++i) {
        w.program.tools().saveData();
        runFor(20);
    }
    if (w.boxes.boxes.isEmpty())
        std::fprintf(stderr, "the save to a full disk was not refused\n");
}

int quietCases() {
    ui::SilentTone tone;
    const std::vector<Case> cases{
        {"full run of the default throw", fullRun},
        {"two studies of the viscous example at once, 3 s", twoStudies},
        {"five saves of the data to a full disk", saveToFullDisk},
    };
    for (const Case& c : cases)
        measure(c, tone);
    return 0;
}

// Start-up with the real tone (the output looked up), a full run with its landing tone, and a
// refused field's blocking tone, which holds the window until it is heard, or for its 300 ms in
// silence when it cannot start.
int soundCases() {
    ui::LoopLatency latency;
    latency.start();
    QElapsedTimer clock;
    clock.start();
    ui::AudioTone tone;
    Window w(tone);
    const qint64 startup = clock.elapsed();
    fullRun(w);
    std::printf("| Start-up with the sound server named by the environment, to the window's first "
                "paint (offscreen) | %lld ms | ≤ 100 ms |\n",
                startup);
    std::printf("| Longest gap of the event loop: start-up and a full run with its landing tone, "
                "same server (Release, offscreen) | %lld ms | %s |\n",
                latency.longestGapMs(), kTarget);
    clock.restart();
    tone.beep(25);
    std::printf("| Warning tone (300 ms) with the same server: the window held for (until heard; "
                "with a stopped server its length in silence) | %lld ms | 300 ms with a stopped "
                "server |\n",
                clock.elapsed());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    ui::releaseLargeBlocksToTheSystem();
    QApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--sound") == 0)
        return soundCases();
    return quietCases();
}
