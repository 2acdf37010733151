#pragma once

#include "graphs/GraphPane.h"
#include "support/RecordingMessageBoxes.h"
#include "support/SilentTone.h"
#include "support/TeeSurface.h"
#include "ui/platform/Tone.h"
#include "ui/run/FlightAnimation.h"
#include "ui/run/RunSequence.h"
#include "ui/window/MainWindow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <climits>
#include <memory>

namespace testing_ui {

using graphs::SurfaceCall;

// A loaded and shown main window whose run sequence answers boxes from a record, makes no
// sound and draws through recording tees; the animation ticks as fast as the loop runs.
class RunFixture : public ::testing::Test {
protected:
    void SetUp() override {
        for (int n = 0; n < 3; ++n)
            tees[n] = std::make_unique<TeeSurface>(window.pane(n + 1));
        run = std::make_unique<ui::RunSequence>(window, boxes, tone);
        run->setSurfaces(tees[0].get(), tees[1].get(), tees[2].get());
        run->setDecimalSeparator('.');
        run->setTickInterval(0);
        run->load();
        window.show();
        [[maybe_unused]] bool exposed = QTest::qWaitForWindowExposed(&window);
        QCoreApplication::processEvents();
    }

    const std::vector<SurfaceCall>& calls(int pane) const { return tees[pane - 1]->record.calls(); }
    void forgetDrawing() {
        for (auto& t : tees)
            t->record.forget();
    }

    QString text(const char* label) const { return window.label(label)->text(); }
    QLineEdit* field(int n) const { return window.field(n); }

    void clickRun() { QTest::mouseClick(window.cmdOK(), Qt::LeftButton); }
    // Lets the flight run until it has made the given number of ticks, or with no number until
    // it and its landing have run out.
    bool finish(int timeoutMs = 20000, int ticks = INT_MAX) {
        QElapsedTimer clock;
        clock.start();
        while (run->busy() && run->flight().ticks() < ticks && clock.elapsed() < timeoutMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        return !run->busy();
    }
    void flyUntilTick(int n) { finish(10000, n); }
    // Replaces a field's whole text in one change, as a paste over a selection does.
    void paste(int n, const QString& text) {
        field(n)->selectAll();
        field(n)->insert(text);
    }

    ui::MainWindow window;
    ui::RecordingMessageBoxes boxes;
    ui::SilentTone tone;
    std::unique_ptr<TeeSurface> tees[3];
    std::unique_ptr<ui::RunSequence> run;
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
