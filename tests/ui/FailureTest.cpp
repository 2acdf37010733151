#include "ProgramFixture.h"
#include "ui/run/FailureTexts.h"

#include <algorithm>
#include <cmath>

using namespace testing_ui;
using Op = SurfaceCall::Op;
using model::FlightOutcome;

namespace {

// Every coordinate system a pane was given is finite and has both spans.
bool saneScales(const std::vector<SurfaceCall>& calls) {
    for (const SurfaceCall& c : calls)
        if (c.op == Op::SetScale) {
            for (double v : c.args)
                if (!std::isfinite(float(v)))
                    return false;
            if (c.args[0] == c.args[2] || c.args[1] == c.args[3])
                return false;
        }
    return true;
}

long printed(const std::vector<SurfaceCall>& calls, FlightOutcome outcome) {
    return std::count(calls.begin(), calls.end(),
                      SurfaceCall::print(ui::FailureTexts::line(outcome)));
}

} // namespace

using Failures = ProgramFixture;

// A typing-driven recompute writes the failure on the pane without a box; ПУСК shows it in a
// box; nothing hangs and the window stays usable.
TEST_F(Failures, FlightsThatCannotBeComputedAreReportedWithoutHanging) {
    struct Case {
        std::vector<std::pair<Field, const char*>> inputs;
        FlightOutcome outcome;
    };
    const Case cases[] = {
        {{{Field::d, "0.001"}, {Field::rho, "1100"}, {Field::eta, "1"}}, FlightOutcome::tooLong},
        {{{Field::v0, "1e200"}}, FlightOutcome::notFinite}};
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.outcome));
        QElapsedTimer clock;
        clock.start();
        for (const auto& [n, text] : c.inputs) {
            forgetDrawing();
            paste(n, text);
        }
        EXPECT_LT(clock.elapsed(), 5000);
        EXPECT_TRUE(boxes.boxes.isEmpty());
        EXPECT_EQ(printed(calls(1), c.outcome), 1);
        EXPECT_EQ(count(calls(1), Op::DrawLineTo), 0);
        EXPECT_TRUE(saneScales(calls(1)));
        EXPECT_EQ(run.lastFailure(), ui::FailureTexts::message(c.outcome));
        if (c.outcome == FlightOutcome::tooLong)
            EXPECT_EQ(text(Quantity::Tmax1), "Tmax1= "); // no result of other inputs
        else
            EXPECT_EQ(count(calls(1), Op::DrawLine), 0); // not even the axes

        forgetDrawing();
        clickRun();
        EXPECT_FALSE(run.busy());
        const ui::RecordingMessageBoxes::Box box{ui::FailureTexts::message(c.outcome), "Ошибка"};
        EXPECT_EQ(boxes.boxes, QList{box});
        EXPECT_TRUE(saneScales(calls(1)));
        EXPECT_TRUE(calls(2).empty());

        for (const auto& [f, text] : {std::pair{Field::eta, "0.001006"},
                                      {Field::rho, "7800"},
                                      {Field::d, "0.4"},
                                      {Field::v0, "3"}})
            paste(f, text);
        boxes.boxes.clear();
    }
    clickRun(); // the window is as usable as before
    ASSERT_TRUE(finish());
    EXPECT_EQ(text(Quantity::Tmax2), "Tmax2= 0.562 c");
}

// Such a fast throw makes the first quadratic-drag step need more sub-steps than any flight
// may take: the trajectory pane keeps its curves, the flight is reported, nothing else drawn.
TEST_F(Failures, AFlightThatCannotBeIntegratedIsReportedAfterTheCurves) {
    paste(Field::v0, "1e6");
    forgetDrawing();
    clickRun();
    EXPECT_FALSE(run.busy());
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes[0].text, ui::FailureTexts::message(FlightOutcome::tooLong));
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
