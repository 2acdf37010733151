#pragma once

#include "graphs/GraphPane.h"
#include "support/RecordingDocumentOpener.h"
#include "support/RecordingExportDialogs.h"
#include "support/RecordingMessageBoxes.h"
#include "support/RecordingSurface.h"
#include "support/SilentTone.h"
#include "ui/Program.h"
#include "ui/run/FlightAnimation.h"
#include "ui/tools/ToolMenu.h"
#include "ui/window/InputField.h"
#include "ui/window/ResultLabel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>

// Readable failures: texts as UTF-8, not as lists of bytes.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace testing_ui {

using graphs::SurfaceCall;
using model::Field;
using model::Quantity;
using ui::Graph;
using Op = SurfaceCall::Op;

// The whole program, shown, with recorded boxes, no sound, nothing launched, and panes drawn
// through recording surfaces; the animation ticks as fast as the loop runs.
class ProgramFixture : public ::testing::Test {
protected:
    void SetUp() override {
        run.setSurfaces(&drawn[0], &drawn[1], &drawn[2]);
        run.setDecimalSeparator('.');
        run.setTickInterval(0);
        program.start();
        [[maybe_unused]] bool exposed = QTest::qWaitForWindowExposed(&window);
        QCoreApplication::processEvents();
    }

    // Calls on Picture1 … Picture3 (n = 1 … 3) since the last forgetDrawing().
    const std::vector<SurfaceCall>& calls(int pane) const { return drawn[pane - 1].calls(); }
    void forgetDrawing() {
        for (auto& d : drawn)
            d.forget();
    }
    QString text(Quantity q) const { return window.result(q)->text(); }
    ui::InputField* field(Field f) const { return window.field(f); }
    void clickRun() { QTest::mouseClick(window.runButton(), Qt::LeftButton); }
    // Runs the loop until the flight and its landing are over, or it has made `ticks` ticks.
    // With a tick count, one pass of the loop at a time: a pass fires the timer at most once,
    // while a timed processEvents() can run the whole flight on a loaded machine.
    bool finish(int timeoutMs = 20000, int ticks = INT_MAX) {
        QElapsedTimer clock;
        clock.start();
        while (run.busy() && run.flight().ticks() < ticks && clock.elapsed() < timeoutMs) {
            if (ticks == INT_MAX)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            else
                QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
        return !run.busy();
    }
    void flyUntilTick(int n) { finish(10000, n); }
    // The animation finished at once, to the landing.
    void runToLanding() {
        run.setGroupsPerTick(0);
        clickRun();
        ASSERT_TRUE(finish());
        QCoreApplication::processEvents();
    }
    // Types over a field's whole text with the keyboard.
    void type(Field f, const char* keys) {
        field(f)->setFocus();
        field(f)->selectAll();
        QTest::keyClicks(field(f), keys);
    }
    // Replaces a field's whole text in one change, as a paste over a selection does.
    void paste(Field f, const QString& text) {
        field(f)->selectAll();
        field(f)->insert(text);
    }

    ui::RecordingMessageBoxes boxes;
    ui::SilentTone tone;
    ui::RecordingDocumentOpener opener;
    ui::RecordingExportDialogs dialogs;
    // Preferences of its own, so that tests running side by side never see each other's.
    QTemporaryDir settings;
    ui::Program program{boxes, tone, opener, dialogs, settings.filePath("ballflight.conf")};
    ui::MainWindow& window = program.window();
    ui::ThrowController& run = program.controller();
    graphs::RecordingSurface drawn[3]{graphs::RecordingSurface(window.pane(Graph::trajectory)),
                                      graphs::RecordingSurface(window.pane(Graph::vx)),
                                      graphs::RecordingSurface(window.pane(Graph::vy))};
};

inline int count(const std::vector<SurfaceCall>& calls, Op op, const QColor& colour = QColor()) {
    int n = 0;
    for (const SurfaceCall& c : calls)
        n += c.op == op && (!colour.isValid() || c.colour == colour);
    return n;
}

// The calls since the pane was last cleared.
inline std::vector<SurfaceCall> sinceClear(const std::vector<SurfaceCall>& calls) {
    auto last = std::find(calls.rbegin(), calls.rend(), SurfaceCall::clear());
    return {last.base(), calls.end()};
}

// A number below n from splitmix64, so that a seed gives the same sequence everywhere.
inline int below(std::uint64_t& seed, int n) {
    std::uint64_t z = seed += 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<int>((z ^ (z >> 31)) % static_cast<std::uint64_t>(n));
}

} // namespace testing_ui
