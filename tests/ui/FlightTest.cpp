#include "RunFixture.h"

#include "model/ClosedForm.h"
#include "model/QuadraticDragFlight.h"

#include <QApplication>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>

using namespace testing_ui;
using Op = SurfaceCall::Op;

namespace {

const QColor red(255, 0, 0);

// Red pieces drawn on a pane since its last clear.
int piecesSinceClear(const std::vector<SurfaceCall>& calls) {
    int n = 0;
    for (const SurfaceCall& c : calls) {
        if (c.op == Op::Clear)
            n = 0;
        else if (c.op == Op::DrawLineTo && c.colour == red)
            ++n;
    }
    return n;
}

} // namespace

using Flight = RunFixture;

TEST_F(Flight, ChoosingAnotherGraphOnlySwitchesPanes) {
    QSignalSpy finished(run.get(), &ui::RunSequence::runFinished);
    clickRun();
    flyUntilTick(30);
    ASSERT_TRUE(run->busy());
    const std::size_t before = calls(1).size();
    QTest::mouseClick(window.option(2), Qt::LeftButton, {}, QPoint(6, 7));
    EXPECT_TRUE(window.pane(2)->isVisible());
    EXPECT_FALSE(window.pane(1)->isVisible());
    EXPECT_FALSE(window.hScroll()->isVisible() || window.vScroll()->isVisible());
    // Nothing is cleared or recomputed; the flight goes on drawing.
    EXPECT_EQ(count({calls(1).begin() + before, calls(1).end()}, Op::Clear), 0);
    QTest::mouseClick(window.option(3), Qt::LeftButton, {}, QPoint(6, 7));
    ASSERT_TRUE(finish());
    EXPECT_EQ(finished.count(), 1);
    // The run does not take the choice back.
    EXPECT_TRUE(window.pane(3)->isVisible() && !window.pane(2)->isVisible());
    EXPECT_EQ(piecesSinceClear(calls(1)), 110);
}

TEST_F(Flight, AFieldEditOrASecondRunAbandonsTheFlight) {
    QSignalSpy finished(run.get(), &ui::RunSequence::runFinished);
    clickRun();
    flyUntilTick(40); // past the top: its labels are written
    ASSERT_TRUE(run->busy());
    EXPECT_EQ(text("Label29"), "Tp2= 0.171 c");

    field(1)->selectAll();
    QTest::keyClicks(field(1), "1");
    EXPECT_FALSE(run->busy());
    EXPECT_EQ(field(1)->text(), "1.000");
    EXPECT_EQ(text("Label29"), "Tp2= ");
    EXPECT_EQ(text("Label31"), "Tmax2= ");
    EXPECT_EQ(piecesSinceClear(calls(1)), 0);
    finish(300);
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(calls(2).empty());

    // A second ПУСК during the next flight starts over; the run shows what h0 = 1 gives.
    const model::QuadraticDragFlight expected =
        model::flyQuadraticDrag(window.state().in, model::parametr(window.state().in), 1000, 10);
    clickRun();
    flyUntilTick(50);
    ASSERT_TRUE(run->busy());
    clickRun();
    ASSERT_TRUE(finish());
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(tone.started, 1);
    for (const model::LabelText& l : expected.labels)
        EXPECT_EQ(window.label(QString::fromStdString(l.label))->text().toStdString(), l.text);
    EXPECT_EQ(piecesSinceClear(calls(1)), int(expected.pieces.size()));
    EXPECT_EQ(count(calls(2), Op::Clear), 1);
}

TEST_F(Flight, ClosingDuringAFlight) {
    QApplication::setQuitOnLastWindowClosed(false);
    clickRun();
    flyUntilTick(20);
    ASSERT_TRUE(run->busy());

    boxes.answer = false;
    EXPECT_FALSE(run->requestClose());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(run->busy()); // No keeps everything, the flight included
    EXPECT_EQ(boxes.boxes.size(), 1);

    boxes.answer = true;
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
    QTest::qWait(50);
    EXPECT_FALSE(run->busy());
    EXPECT_EQ(boxes.boxes.size(), 2);
    QApplication::setQuitOnLastWindowClosed(true);
}
