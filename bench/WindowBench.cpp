// Timing harness of the window, printing rows of the figures table ("| figure | value | target |").
//   window_bench               short recompute, pane repaint and re-render, animation pace and
//                              the cost of one tick (any platform; scripts/bench uses offscreen)
//   window_bench --startup     the real start-up of ballflight's window; prints the ms from
//                              BALLFLIGHT_LAUNCH_NS (CLOCK_REALTIME ns, set by whoever started
//                              the process) to the end of the window's first paint, then quits
//   window_bench --rss default|long
//                              one full run of the default throw or of the long flight (about a
//                              million RK4 steps) without pauses; prints the peak resident memory
//   window_bench --kept        six full runs of the long flight while comparing, so that five
//                              lie beneath the sixth; prints the peak resident memory, then the
//                              time the readout takes to follow the pointer over that pane
//   window_bench --picture FILE
//                              the README's picture (docs/comparison.png): three throws compared,
//                              the readout shown; no figures
//   window_bench --present [FILE]
//                              the presentation mode on the whole screen (run it on a real or
//                              virtual screen of the size to measure): the animation pace at ×1
//                              of the default throw, the viscous example and the long flight;
//                              with FILE, instead, its picture with three throws compared
// Message boxes are recorded and the tone is silent, except in --startup, which builds the
// window exactly as the program does.
#include "Throws.h"

#include "graphs/Axes.h"
#include "graphs/GraphPane.h"
#include "support/RecordingDocumentOpener.h"
#include "support/RecordingExportDialogs.h"
#include "support/RecordingMessageBoxes.h"
#include "support/RecordingSurface.h"
#include "support/SilentTone.h"
#include "ui/Program.h"
#include "ui/platform/DocumentOpener.h"
#include "ui/platform/ExportDialogs.h"
#include "ui/platform/Language.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/platform/ReleaseLargeBlocks.h"
#include "ui/platform/Tone.h"
#include "ui/present/PresentationStrip.h"
#include "ui/run/FlightAnimation.h"
#include "ui/window/InputField.h"
#include "ui/window/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QImage>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
    int paints = 0;
};

// Runs the event loop for the given time, waiting for events as the program does.
void runFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void waitUntilIdle(const ui::ThrowController& run) {
    while (run.busy())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// A loaded and shown window with recorded boxes and a silent tone.
struct Harness {
    ui::RecordingMessageBoxes boxes;
    ui::SilentTone tone;
    ui::RecordingDocumentOpener opener;
    ui::RecordingExportDialogs dialogs;
    QTemporaryDir settings; // the user's preferences (scale, speed) must not change the figures
    ui::Program program{boxes, tone, opener, dialogs, settings.filePath("ballflight.conf")};
    ui::MainWindow& window = program.window();
    ui::ThrowController& run = program.controller();

    explicit Harness(bool shown = true) {
        // The pictures and figures are of the Russian window, whatever the machine's language.
        ui::LanguageSwitch::instance().choose(translations::Language::russian);
        run.setDecimalSeparator('.');
        run.load();
        if (shown)
            window.show();
        QCoreApplication::processEvents();
    }

    void setClientSize(int w, int h) {
        const int menu = window.menuBar()->isVisible() ? window.menuBar()->sizeHint().height() : 0;
        window.resize(w, h + menu);
        QCoreApplication::processEvents();
    }

    void paste(model::Field field, const char* text) {
        window.field(field)->selectAll();
        window.field(field)->insert(QString::fromLatin1(text));
    }
};

// Short recompute (layout, closed forms, trajectory pane), the trajectory pane's whole render of
// its picture and the repaint of the window that shows it, median of 30.
void shortRecompute(Harness& h, int w, int hgt) {
    h.setClientSize(w, hgt);
    std::vector<double> ms;
    for (int i = 0; i < 30; ++i) {
        QElapsedTimer t;
        t.start();
        h.run.shortRecompute();
        QCoreApplication::sendPostedEvents(); // the panes catch up with their drawing
        h.window.repaint();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("| Short recompute + repaint, client %d × %d | %.2f ms | %s |\n",
                h.window.clientArea()->width(), h.window.clientArea()->height(), median(ms),
                w == 720 ? "≤ 5 ms" : "—");
}

// One long curve (plus axes and grid) of the given number of points on a pane.
void drawLongCurve(graphs::GraphPane& pane, int points) {
    pane.setScale(0, 1, 2, 0);
    graphs::drawTrajectoryAxes(pane, 0, 1, 2, 0, 0.1, '.');
    pane.setPenWidth(3);
    pane.drawPoint(0, 0.1f, graphs::quadraticDragColour);
    for (int i = 1; i <= points; ++i) {
        const double x = 1.5 * i / points;
        pane.drawLineTo(float(x), float(0.1 + x - x * x / 1.5 * 0.9), graphs::quadraticDragColour);
    }
}

// Replay of a pane holding one long curve at 1920 × 1080, best of 5.
void paneRepaint(int points) {
    graphs::GraphPane pane;
    pane.resize(1920, 1080);
    drawLongCurve(pane, points);
    QImage image(pane.size(), QImage::Format_ARGB32_Premultiplied);
    double best = 1e9;
    for (int round = 0; round < 5; ++round) {
        QPainter painter(&image);
        QElapsedTimer timer;
        timer.start();
        pane.paintDrawing(painter, image.size());
        painter.end();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    std::printf("| Repaint of a 1920 × 1080 pane with %d curve points | %.2f ms | %s |\n", points,
                best, points <= 10000 ? "≤ 8 ms" : "≤ 50 ms");
}

// A shown pane of 3840 × 2160 holding a million-point curve renders its picture afresh, as after
// a clear and a new drawing, and paints it: best of 5. (A change of size adds the new backing
// store of the window.)
void paneRerender() {
    const int points = 1000000;
    graphs::GraphPane pane;
    pane.resize(3840, 2160);
    pane.show();
    QCoreApplication::processEvents();
    double best = 1e9;
    for (int round = 0; round < 5; ++round) {
        pane.clear();
        drawLongCurve(pane, points);
        QElapsedTimer timer;
        timer.start();
        pane.repaint();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
        QCoreApplication::processEvents();
    }
    std::printf("| Whole render and repaint of a 3840 × 2160 pane with %d curve points | %.2f ms "
                "| ≤ 40 ms |\n",
                points, best);
}

// The default flight at its real pace: from the click to the landing.
void animation(Harness& h) {
    h.setClientSize(720, 560);
    h.run.setTickInterval(ui::FlightAnimation::defaultTickMs);
    std::vector<double> ms;
    int ticks = 0;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer t;
        t.start();
        h.run.fullRun();
        while (h.run.flight().running())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        ms.push_back(t.nsecsElapsed() / 1e6);
        ticks = h.run.flight().ticks();
        waitUntilIdle(h.run);
    }
    const double m = median(ms);
    std::printf("| Default animation, click to landing (%d ticks) | %.0f ms (%.1f %% over the "
                "ideal 1100 ms) | ≤ 1210 ms |\n",
                ticks, m, (m / 1100 - 1) * 100);
}

long peakRssKb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

void enterThrow(Harness& h, const model::Inputs& in);

void enterLongFlight(Harness& h) {
    enterThrow(h, bench::longFlightInputs());
}

// The long flight at the real pace for a few seconds, in a window of the given client size
// whose trajectory pane holds the 1.2 million points of the linear-drag curve.
void longFlightPace(Harness& h, int w, int hgt) {
    h.setClientSize(w, hgt);
    enterLongFlight(h);
    h.run.setTickInterval(ui::FlightAnimation::defaultTickMs);
    h.run.fullRun();
    runFor(300); // the pane renders its picture once
    QElapsedTimer t;
    t.start();
    const int first = h.run.flight().ticks();
    runFor(3000);
    const double perSecond = (h.run.flight().ticks() - first) / (t.elapsed() / 1e3);
    std::printf("| Long flight animation pace at ×1, client %d × %d (1.2 million points on the "
                "pane) | %.1f ticks/s | ≥ 98 ticks/s |\n",
                w, hgt, perSecond);
    h.run.shortRecompute(); // abandons the flight
}

void enterThrow(Harness& h, const model::Inputs& in) {
    for (const model::FieldRow& f : model::fieldRows())
        h.paste(f.id, QByteArray::number(model::inputOf(in, f.id), 'g', 10).constData());
}

// The pace at each animation speed, in pieces drawn per second against 100 × the speed, timed
// from the click to the last piece drawn within the first 2 s of the flight.
double measuredPace(Harness& h, double speed) {
    h.run.setSpeed(speed);
    QElapsedTimer t;
    t.start();
    h.run.fullRun();
    // Counted from the first piece drawn: the time the models take before it (a fifth of a
    // second for the long flight) is no part of the pace.
    int first = -1, pieces = 0;
    double start = 0, seconds = 0;
    while (h.run.flight().running() && t.elapsed() < 2050) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        if (h.run.flight().piecesDrawn() != pieces) {
            pieces = h.run.flight().piecesDrawn();
            seconds = t.nsecsElapsed() / 1e9;
            if (first < 0) {
                first = pieces;
                start = seconds;
            }
        }
    }
    const double pace = (pieces - first) / (seconds - start) / (100 * speed);
    h.run.shortRecompute(); // abandons a flight still in the air
    waitUntilIdle(h.run);
    return pace;
}

void speedPaces(Harness& h) {
    h.setClientSize(720, 560);
    const std::pair<const char*, model::Inputs> throws[] = {
        {"default throw", model::Inputs{}}, {"viscous example", bench::viscousInputs()}};
    for (const auto& [name, in] : throws) {
        enterThrow(h, in);
        std::string values;
        for (double speed : {0.1, 0.25, 0.5, 1.0, 2.0, 5.0, 10.0}) {
            char cell[40];
            std::snprintf(cell, sizeof cell, "%s×%g %.0f %%", values.empty() ? "" : ", ", speed,
                          100 * measuredPace(h, speed));
            values += cell;
        }
        std::printf("| Animation pace at each speed, %s (share of the chosen pace) | %s | "
                    "95–105 %% each |\n",
                    name, values.c_str());
    }
    h.run.setSpeed(1);
    enterThrow(h, model::Inputs{});
}

// The long flight at ×10 in a large window: ten pieces per tick.
void longFlightAtTen(Harness& h) {
    h.setClientSize(1900, 1000);
    enterLongFlight(h);
    h.run.setSpeed(10);
    h.run.fullRun();
    runFor(300);
    QElapsedTimer t;
    t.start();
    const int first = h.run.flight().piecesDrawn();
    runFor(3000);
    const double perSecond = (h.run.flight().piecesDrawn() - first) / (t.elapsed() / 1e3);
    std::printf("| Long flight animation pace at ×10, client 1900 × 1000 | %.0f %% of the chosen "
                "pace (%.0f pieces/s) | ≥ 95 %% |\n",
                perSecond / 10, perSecond);
    h.run.shortRecompute();
    h.run.setSpeed(1);
    enterThrow(h, model::Inputs{});
}

double processorSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

// The long flight at its pace on a lone shown trajectory pane of the given size: the processor
// time (all threads) of one tick, that is 10 RK4 steps, the marker moved, the new piece painted
// onto the pane's picture and the changed pixels painted on the pane, over 3 s.
void tickCost(int w, int hgt) {
    graphs::GraphPane pane; // outlives the run that draws on it
    Harness h(false);
    pane.enableMarker();
    pane.resize(w, hgt);
    pane.show();
    graphs::RecordingSurface vx, vy;
    h.run.setSurfaces(&pane, &vx, &vy);
    enterLongFlight(h);
    h.run.setTickInterval(ui::FlightAnimation::defaultTickMs);
    h.run.fullRun();
    runFor(300); // past the first paint, which renders everything
    PaintCounter counter(&pane);
    const int first = h.run.flight().ticks();
    const double cpu = processorSeconds();
    runFor(3000);
    const int ticks = h.run.flight().ticks() - first;
    std::printf("| One tick of the long flight (10 RK4 steps + paint of the new piece), pane %d × "
                "%d (processor time over %d ticks, %d paints) | %.3f ms | ≤ 1 ms |\n",
                w, hgt, ticks, counter.paints, (processorSeconds() - cpu) * 1e3 / ticks);
}

// The window stays hidden while the flight runs (a shown one would paint each of its hundred
// thousand ticks); it is shown and painted once at the end, so the memory of painting counts too.
int peakMemory(bool longFlight) {
    Harness h(false);
    h.setClientSize(720, 560);
    if (longFlight)
        enterLongFlight(h);
    else
        h.run.shortRecompute(); // as the first showing does, which then only lays out
    h.run.setTickInterval(0);
    QElapsedTimer t;
    t.start();
    h.run.fullRun();
    waitUntilIdle(h.run);
    h.window.show();
    h.window.repaint();
    QCoreApplication::processEvents();
    const model::Throw* s = h.run.currentThrow();
    std::printf("| Peak resident memory, %s (%lld RK4 steps, %.1f s) | %.1f MB | %s |\n",
                longFlight ? "long flight" : "default run",
                s ? static_cast<long long>(s->flight().stepCount()) : 0LL, t.elapsed() / 1e3,
                peakRssKb() / 1024.0, longFlight ? "≤ 100 MB" : "—");
    return h.boxes.boxes.isEmpty() ? 0 : 1;
}

// The pointer over a pane, at a point of the widget.
void pointerTo(graphs::GraphPane* pane, QPointF at) {
    QMouseEvent move(QEvent::MouseMove, at, pane->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(pane, &move);
}

// The pointer moves over the trajectory pane of the long flight with five kept long flights
// beneath it: the values of its eighteen curves at the pointer, and the paint of the crosshair
// and the box where they were and are (the picture is not rendered again), median of 300 moves.
void readoutUpdate(Harness& h, int w, int hgt) {
    h.setClientSize(w, hgt);
    graphs::GraphPane* pane = h.window.pane(ui::Graph::trajectory);
    QCoreApplication::processEvents(); // the picture is rendered at the new size
    // A large one on the work pool: the moves are timed over the picture of this size.
    QElapsedTimer rendering;
    rendering.start();
    while (pane->awaitsPicture() && rendering.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const int renders = pane->pictureRenders();
    const QRect interior = pane->contentsRect();
    std::vector<double> ms;
    for (int i = 0; i < 300; ++i) {
        const QPointF at(interior.left() + (i * 37) % interior.width(),
                         interior.top() + (i * 13) % interior.height());
        QMouseEvent move(QEvent::MouseMove, at, pane->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QElapsedTimer t;
        t.start();
        QCoreApplication::sendEvent(pane, &move);
        QCoreApplication::processEvents(); // the paint of what changed
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    const std::size_t points =
        h.run.currentThrow()->linearPath().size() + h.run.currentThrow()->flightPieces().size();
    std::size_t kept = 0;
    for (const model::KeptThrow* k : h.program.comparison().kept())
        kept += k->pointCount();
    std::printf("| Readout update (pointer move to paint), client %d × %d, long flight (%.1f "
                "million points on the pane) and five kept long flights (%zu points kept, all "
                "graphs)%s | %.2f ms | ≤ 2 ms |\n",
                h.window.clientArea()->width(), h.window.clientArea()->height(), points / 1e6, kept,
                pane->pictureRenders() == renders ? "" : " (picture rendered again!)", median(ms));
}

int keptLongFlights() {
    Harness h(false);
    h.setClientSize(720, 560);
    enterLongFlight(h);
    {
        const QSignalBlocker notRemembered(&h.program.comparison());
        h.program.comparison().setComparing(true);
    }
    h.run.setTickInterval(0);
    QElapsedTimer t;
    t.start();
    for (int run = 0; run < 6; ++run) {
        h.run.fullRun();
        waitUntilIdle(h.run);
    }
    h.window.show();
    h.window.repaint();
    QCoreApplication::processEvents();
    std::printf("| Peak resident memory, long flight with five kept long flights (6 runs, %.1f s) "
                "| %.1f MB | ≤ 200 MB |\n",
                t.elapsed() / 1e3, peakRssKb() / 1024.0);
    readoutUpdate(h, 1900, 1000);
    return h.boxes.boxes.isEmpty() && h.program.comparison().kept().size() == 5 ? 0 : 1;
}

// A steel ball of 1 cm thrown into ever thicker liquids and compared (the comparison switch
// not remembered).
void compareInThickerLiquids(Harness& h) {
    const QSignalBlocker notRemembered(&h.program.comparison());
    h.program.comparison().setComparing(true);
    h.run.setTickInterval(0);
    h.run.setGroupsPerTick(0);
    h.paste(model::Field::d, "0.01");
    for (const char* eta : {"0.001", "0.05", "0.2"}) {
        h.paste(model::Field::eta, eta);
        h.run.fullRun();
        waitUntilIdle(h.run);
    }
}

// The comparison above, with the readout over the trajectory pane.
int comparisonPicture(const char* path) {
    Harness h;
    compareInThickerLiquids(h);
    graphs::GraphPane* pane = h.window.pane(ui::Graph::trajectory);
    const QRect interior = pane->contentsRect();
    pointerTo(pane, QPointF(interior.topLeft()) +
                        pane->transform().toPixel(0.3, 0.62, QSizeF(interior.size())));
    QCoreApplication::processEvents();
    return h.window.grab().save(QString::fromLocal8Bit(path)) ? 0 : 1;
}

// The presentation mode on the screen the program starts on. A picture named "name.en.png" is
// taken with the interface in English, for the English help documents.
int presentation(const char* picture) {
    Harness h;
    if (picture && std::strstr(picture, ".en."))
        ui::LanguageSwitch::instance().choose(translations::Language::english);
    h.program.presentation().setShown(true);
    QWidget* shown = h.program.presentation().screenWindow();
    runFor(500);
    const QSize screen = shown->size();
    if (picture) {
        compareInThickerLiquids(h);
        runFor(300);
        h.program.presentation().strip()->refresh();
        runFor(100);
        return shown->grab().save(QString::fromLocal8Bit(picture)) ? 0 : 1;
    }
    const graphs::GraphPane* pane = h.window.pane(ui::Graph::trajectory);
    const std::pair<const char*, model::Inputs> throws[] = {
        {"default throw", model::Inputs{}},
        {"viscous example", bench::viscousInputs()},
        {"long flight", bench::longFlightInputs()}};
    for (const auto& [name, in] : throws) {
        enterThrow(h, in);
        std::printf("| Animation pace at ×1 in the presentation mode, screen %d × %d (pane %d × "
                    "%d), %s | %.0f %% of the chosen pace | ≥ 95 %% |\n",
                    screen.width(), screen.height(), pane->width(), pane->height(), name,
                    100 * measuredPace(h, 1.0));
    }
    return 0;
}

int windowFigures() {
    Harness h;
    shortRecompute(h, 720, 560);
    shortRecompute(h, 1920, 1080);
    paneRepaint(10000);
    paneRepaint(1000000);
    paneRerender();
    animation(h);
    longFlightPace(h, 720, 560);
    longFlightPace(h, 1900, 1000);
    longFlightAtTen(h);
    speedPaces(h);
    tickCost(1920, 1080);
    tickCost(3840, 2160);
    return 0;
}

long long nowNs() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return ts.tv_sec * 1'000'000'000LL + ts.tv_nsec;
}

// Notes the end of the first paint of any widget of the target window.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && !seen && widget && widget->window() == target) {
            seen = true;
            // Runs once the paint event (and the ones queued with it) has been handled.
            QTimer::singleShot(0, [this] { painted = nowNs(); });
        }
        return QObject::eventFilter(watched, event);
    }
    QWidget* target = nullptr;
    bool seen = false;
    long long painted = 0;
};

int startup(int argc, char** argv) {
    QApplication app(argc, argv);
    ui::DialogMessageBoxes boxes;
    ui::AudioTone tone;
    ui::DesktopDocumentOpener opener;
    ui::DialogExportDialogs dialogs;
    QTemporaryDir settings;
    ui::Program program(boxes, tone, opener, dialogs, settings.filePath("ballflight.conf"));
    ui::MainWindow& window = program.window();
    boxes.setParentWindow(&window);
    FirstPaint watch;
    // Paint events go to the widgets that paint: the client area and its children.
    watch.target = &window;
    app.installEventFilter(&watch);
    program.start();
    QElapsedTimer waited;
    waited.start();
    while (!watch.painted && waited.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    const char* launch = std::getenv("BALLFLIGHT_LAUNCH_NS");
    if (!launch || !watch.painted) {
        std::fprintf(stderr, "no launch time (BALLFLIGHT_LAUNCH_NS) or no paint\n");
        return 1;
    }
    std::printf("%.1f\n", (watch.painted - std::atoll(launch)) / 1e6);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    ui::releaseLargeBlocksToTheSystem();
    if (argc > 1 && std::strcmp(argv[1], "--startup") == 0)
        return startup(argc, argv);
    QApplication app(argc, argv);
    if (argc > 2 && std::strcmp(argv[1], "--rss") == 0)
        return peakMemory(std::strcmp(argv[2], "long") == 0);
    if (argc > 1 && std::strcmp(argv[1], "--kept") == 0)
        return keptLongFlights();
    if (argc > 2 && std::strcmp(argv[1], "--picture") == 0)
        return comparisonPicture(argv[2]);
    if (argc > 1 && std::strcmp(argv[1], "--present") == 0)
        return presentation(argc > 2 ? argv[2] : nullptr);
    return windowFigures();
}
