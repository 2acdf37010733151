#pragma once

#include "graphs/GraphPane.h"
#include "support/RecordingDocumentOpener.h"
#include "support/RecordingExportDialogs.h"
#include "support/RecordingMessageBoxes.h"
#include "support/SilentTone.h"
#include "support/TeeSurface.h"
#include "ui/Program.h"
#include "ui/run/FlightAnimation.h"
#include "ui/window/InputField.h"
#include "ui/window/ResultLabel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <climits>
#include <memory>

// Readable failures: texts as UTF-8, not as lists of bytes.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace testing_ui {

using graphs::SurfaceCall;
using model::Field;
using model::Quantity;
using ui::Graph;

// The whole program, loaded and shown, with boxes answered from a record, no sound, nothing
// launched, and panes drawn through recording tees; the animation ticks as fast as the loop runs.
class ProgramFixture : public ::testing::Test {
protected:
    void SetUp() override {
        const Graph graphs[] = {Graph::trajectory, Graph::vx, Graph::vy};
        for (int n = 0; n < 3; ++n)
            tees[n] = std::make_unique<TeeSurface>(window.pane(graphs[n]));
        run.setSurfaces(tees[0].get(), tees[1].get(), tees[2].get());
        run.setDecimalSeparator('.');
        run.setTickInterval(0);
        program.start();
        [[maybe_unused]] bool exposed = QTest::qWaitForWindowExposed(&window);
        QCoreApplication::processEvents();
    }

    // Calls on Picture1 … Picture3 (n = 1 … 3) since the last forgetDrawing().
    const std::vector<SurfaceCall>& calls(int pane) const { return tees[pane - 1]->record.calls(); }
    void forgetDrawing() {
        for (auto& t : tees)
            t->record.forget();
    }

    QString text(Quantity q) const { return window.result(q)->text(); }
    ui::InputField* field(Field f) const { return window.field(f); }

    void clickRun() { QTest::mouseClick(window.cmdOK(), Qt::LeftButton); }
    // Lets the flight run until it has made the given number of ticks, or with no number until
    // it and its landing have run out.
    bool finish(int timeoutMs = 20000, int ticks = INT_MAX) {
        QElapsedTimer clock;
        clock.start();
        while (run.busy() && run.flight().ticks() < ticks && clock.elapsed() < timeoutMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        return !run.busy();
    }
    void flyUntilTick(int n) { finish(10000, n); }
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
    std::unique_ptr<TeeSurface> tees[3];
};

inline int count(const std::vector<SurfaceCall>& calls, SurfaceCall::Op op,
                 const QColor& colour = QColor()) {
    int n = 0;
    for (const SurfaceCall& c : calls)
        if (c.op == op && (!colour.isValid() || c.colour == colour))
            ++n;
    return n;
}

} // namespace testing_ui
