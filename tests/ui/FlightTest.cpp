#include "ProgramFixture.h"

#include "model/Throw.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
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

using Flight = ProgramFixture;

TEST_F(Flight, ChoosingAnotherGraphOnlySwitchesPanes) {
    QSignalSpy finished(&run, &ui::ThrowController::runFinished);
    clickRun();
    flyUntilTick(30);
    ASSERT_TRUE(run.busy());
    const std::size_t before = calls(1).size();
    QTest::mouseClick(window.option(Graph::vx), Qt::LeftButton, {}, QPoint(6, 7));
    EXPECT_TRUE(window.pane(Graph::vx)->isVisible());
    EXPECT_FALSE(window.pane(Graph::trajectory)->isVisible());
    EXPECT_FALSE(window.hScroll()->isVisible() || window.vScroll()->isVisible());
    // Nothing is cleared or recomputed; the flight goes on drawing.
    EXPECT_EQ(count({calls(1).begin() + before, calls(1).end()}, Op::Clear), 0);
    QTest::mouseClick(window.option(Graph::vy), Qt::LeftButton, {}, QPoint(6, 7));
    ASSERT_TRUE(finish());
    EXPECT_EQ(finished.count(), 1);
    // The run does not take the choice back.
    EXPECT_TRUE(window.pane(Graph::vy)->isVisible() && !window.pane(Graph::vx)->isVisible());
    EXPECT_EQ(piecesSinceClear(calls(1)), 110);
}

TEST_F(Flight, AFieldEditOrASecondRunAbandonsTheFlight) {
    QSignalSpy finished(&run, &ui::ThrowController::runFinished);
    clickRun();
    flyUntilTick(40); // past the top: its labels are written
    ASSERT_TRUE(run.busy());
    EXPECT_EQ(text(Quantity::Tp2), "Tp2= 0.171 c");

    field(Field::h0)->selectAll();
    QTest::keyClicks(field(Field::h0), "1");
    EXPECT_FALSE(run.busy()); // the typed height is already a sound value
    EXPECT_EQ(field(Field::h0)->text(), "1");
    EXPECT_EQ(text(Quantity::Tp2), "Tp2= ");
    EXPECT_EQ(text(Quantity::Tmax2), "Tmax2= ");
    EXPECT_EQ(piecesSinceClear(calls(1)), 0);
    finish(300);
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(calls(2).empty());

    // A second ПУСК during the next flight starts over; the run shows what h0 = 1 gives.
    model::Throw expected(run.inputs());
    expected.runToEnd();
    clickRun();
    flyUntilTick(50);
    ASSERT_TRUE(run.busy());
    clickRun();
    ASSERT_TRUE(finish());
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(tone.started, 1);
    for (int q = int(Quantity::Tp2); q <= int(Quantity::VyEnd2); ++q)
        EXPECT_EQ(text(Quantity(q)).toStdString(), expected.text(Quantity(q)));
    EXPECT_EQ(piecesSinceClear(calls(1)), int(expected.flightPieces().size()));
    EXPECT_EQ(count(calls(2), Op::Clear), 1);
}

// Closing asks first, by the window's close box and by "Выход" alike; No keeps everything, the
// flight in progress included; Yes ends it.
TEST_F(Flight, ClosingAsksFirst) {
    QApplication::setQuitOnLastWindowClosed(false);
    paste(Field::h0, "12");
    clickRun();
    flyUntilTick(20);
    ASSERT_TRUE(run.busy());
    auto visibleTexts = [this] {
        QStringList texts;
        for (const QLabel* label : window.findChildren<QLabel*>())
            texts.append(label->objectName() + '=' + label->text());
        return texts;
    };
    const QStringList before = visibleTexts();
    const QRect geometry = window.geometry();
    const ui::RecordingMessageBoxes::Box question{"Вы абсолютно уверены?", "На Выход", true};

    boxes.answer = false;
    window.menuActions().mnuFileExit->trigger();
    EXPECT_FALSE(window.close());
    EXPECT_EQ(boxes.boxes, QList({question, question}));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry(), geometry);
    EXPECT_EQ(visibleTexts(), before);
    EXPECT_TRUE(run.busy());

    boxes.answer = true;
    window.menuActions().mnuFileExit->trigger();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(run.busy());
    EXPECT_EQ(boxes.boxes.size(), 3);
    QApplication::setQuitOnLastWindowClosed(true);
}
