#include "ProgramFixture.h"
#include "ui/run/FailureTexts.h"

#include <QMenuBar>
#include <QSignalSpy>

#include <algorithm>

using namespace testing_ui;
using Box = ui::RecordingMessageBoxes::Box;
using model::FlightOutcome;

using Fields = ProgramFixture;

// A pasted text is handled at once (the checks: InputFieldsTest), each refusal with tone and box,
// the repaired value in field and inputs; a typed text waits for its field to be committed.
TEST_F(Fields, PastedTextIsHandledAtOnceATypedOneOnCommit) {
    paste(Field::rho0, "0.5");
    paste(Field::rho, "1");
    ASSERT_TRUE(boxes.boxes.isEmpty());
    // The replacement 1.23 shows as 1.2, which a ball of density 1 cannot sink in: the nested
    // run refuses it again and halves the ball's density, rounded in turn.
    paste(Field::rho0, "0");
    EXPECT_EQ(boxes.boxes, (QList<Box>{{"Для вакуума всё и так известно!", "Ошибка"},
                                       {"Всплывание не моделируется", "Ошибка"}}));
    EXPECT_EQ(tone.blocking, 2);
    EXPECT_EQ(field(Field::rho0)->text(), "0.5");
    EXPECT_EQ(run.inputs().rho0, 0.5);
    boxes.boxes.clear();
    paste(Field::rho, "7800");
    paste(Field::rho0, "1000");

    // ПУСК and a menu commit a typed field; Escape brings its value back.
    type(Field::h0, "1");
    clickRun();
    EXPECT_EQ(field(Field::h0)->text(), "1.000");
    EXPECT_TRUE(run.busy()); // the run came after the commit, with h = 1
    EXPECT_EQ(run.currentThrow()->inputs().h0, 1.0);
    ASSERT_TRUE(finish());

    type(Field::v0, "0");
    emit window.menuBar()->actions().front()->menu()->aboutToShow();
    EXPECT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(field(Field::v0)->text(), "3.000");
    type(Field::v0, "2,5"); // a decimal comma
    QTest::keyClick(field(Field::v0), Qt::Key_Return);
    EXPECT_EQ(field(Field::v0)->text(), "2.500");

    const QString tau = text(Quantity::tau);
    type(Field::eta, "1.5");
    EXPECT_EQ(run.inputs().eta, 1.5); // a sound text is taken at once: the labels follow
    EXPECT_NE(text(Quantity::tau), tau);
    QTest::keyClick(field(Field::eta), Qt::Key_Escape);
    EXPECT_EQ(field(Field::eta)->text(), "0.0010060");
    EXPECT_EQ(run.inputs().eta, 0.001006);
}

static long printed(const std::vector<SurfaceCall>& calls, FlightOutcome outcome) {
    return std::count(calls.begin(), calls.end(),
                      SurfaceCall::print(ui::FailureTexts::line(outcome)));
}

using Failures = ProgramFixture;

// An edit writes the failure on the pane, ПУСК shows it in a box; nothing hangs and the window
// stays usable. A flight that cannot be integrated is reported after the curves.
TEST_F(Failures, FlightsThatCannotBeComputedAreReportedWithoutHanging) {
    const std::pair<std::vector<std::pair<Field, const char*>>, FlightOutcome> cases[] = {
        {{{Field::d, "0.001"}, {Field::rho, "1100"}, {Field::eta, "1"}}, FlightOutcome::tooLong},
        {{{Field::v0, "1e200"}}, FlightOutcome::notFinite}};
    const char* start[] = {"0.5", "3", "30", "0.4", "7800", "1000", "0.001006"};
    QSignalSpy reported(&run, &ui::ThrowController::failureReported);
    for (const auto& [inputs, outcome] : cases) {
        SCOPED_TRACE(int(outcome));
        QElapsedTimer clock;
        clock.start();
        for (const auto& [n, text] : inputs) {
            forgetDrawing();
            paste(n, text);
        }
        ASSERT_TRUE(QTest::qWaitFor([this] { return !run.throwPending(); }, 5000));
        EXPECT_LT(clock.elapsed(), 5000);
        EXPECT_TRUE(boxes.boxes.isEmpty());
        EXPECT_EQ(printed(calls(1), outcome), 1);
        EXPECT_EQ(count(calls(1), Op::DrawLineTo), 0);
        ASSERT_FALSE(reported.isEmpty());
        EXPECT_EQ(reported.last().at(0).toString(), ui::FailureTexts::message(outcome));
        if (outcome == FlightOutcome::tooLong)
            EXPECT_EQ(text(Quantity::Tmax1), "Tmax1= "); // no result of other inputs
        else
            EXPECT_EQ(count(calls(1), Op::DrawLine), 0); // not even the axes

        forgetDrawing();
        clickRun();
        EXPECT_FALSE(run.busy());
        EXPECT_EQ(boxes.boxes, (QList{Box{ui::FailureTexts::message(outcome), "Ошибка"}}));
        EXPECT_TRUE(calls(2).empty());

        for (const Field f : model::allFields) // back to the start values
            paste(f, start[int(f)]);
        boxes.boxes.clear();
    }
    clickRun(); // the window is as usable as before
    ASSERT_TRUE(finish());
    EXPECT_EQ(text(Quantity::Tmax2), "Tmax2= 0.562 c");
    boxes.boxes.clear();
    tone.started = 0;

    // Such a fast throw makes the first quadratic-drag step need more sub-steps than any flight
    // may take: the trajectory pane keeps its curves, the flight is reported, nothing else drawn.
    paste(Field::v0, "1e6");
    forgetDrawing();
    clickRun();
    EXPECT_FALSE(run.busy());
    EXPECT_EQ(boxes.boxes,
              (QList{Box{ui::FailureTexts::message(FlightOutcome::tooLong), "Ошибка"}}));
    EXPECT_GT(count(calls(1), Op::DrawLineTo, QColor(0, 0, 255)), 0);
    EXPECT_EQ(count(calls(1), Op::DrawLineTo, QColor(255, 0, 0)), 0);
    EXPECT_EQ(printed(calls(1), FlightOutcome::tooLong), 1);
    EXPECT_TRUE(calls(2).empty());
    EXPECT_EQ(text(Quantity::Tmax2), "Tmax2= ");

    // A flight of five steps lands within its first group: no piece, but a whole run.
    paste(Field::v0, "1e4");
    clickRun();
    ASSERT_TRUE(finish());
    EXPECT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(tone.started, 1);
    EXPECT_NE(text(Quantity::Tmax2), "Tmax2= ");
    EXPECT_FALSE(calls(2).empty());
}
