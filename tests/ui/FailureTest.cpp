#include "RunFixture.h"

#include <cmath>

using namespace testing_ui;
using Op = SurfaceCall::Op;

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

int texts(const std::vector<SurfaceCall>& calls, const QString& text) {
    int n = 0;
    for (const SurfaceCall& c : calls)
        n += c.op == Op::PrintText && c.text == text;
    return n;
}

} // namespace

using Failures = RunFixture;

TEST_F(Failures, AFlightTooLongToWalkIsReported) {
    const QString line = ui::RunSequence::failureLine(model::FlightOutcome::tooLong);
    paste(4, "0.001");
    paste(5, "1100");
    forgetDrawing();
    QElapsedTimer clock;
    clock.start();
    paste(7, "1"); // a typing-driven recompute: a line on the pane, no box
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_TRUE(boxes.boxes.isEmpty());
    EXPECT_EQ(texts(calls(1), line), 1);
    EXPECT_EQ(count(calls(1), Op::DrawLineTo), 0);
    EXPECT_EQ(run->lastFailure(), ui::RunSequence::failureMessage(model::FlightOutcome::tooLong));
    EXPECT_EQ(window.label("Label26")->text(), "Tmax1= "); // no result of other inputs

    forgetDrawing();
    clickRun();
    EXPECT_FALSE(run->busy());
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes[0].text, ui::RunSequence::failureMessage(model::FlightOutcome::tooLong));
    EXPECT_EQ(boxes.boxes[0].title, "Ошибка");
    EXPECT_TRUE(saneScales(calls(1)));
    EXPECT_TRUE(calls(2).empty());

    // The window stays usable.
    paste(7, "0.001006");
    paste(5, "7800");
    paste(4, "0.4");
    clickRun();
    ASSERT_TRUE(finish());
    EXPECT_EQ(window.label("Label31")->text(), "Tmax2= 0.562 c");
}

TEST_F(Failures, OverflowingSpeedIsReportedWithoutDrawing) {
    const QString line = ui::RunSequence::failureLine(model::FlightOutcome::notFinite);
    for (const char* speed : {"1e200", "1e20"}) {
        forgetDrawing();
        boxes.boxes.clear();
        paste(2, speed);
        EXPECT_TRUE(boxes.boxes.isEmpty()) << speed;
        EXPECT_EQ(texts(calls(1), line), 1) << speed;
        EXPECT_EQ(count(calls(1), Op::DrawLineTo), 0) << speed;
        EXPECT_EQ(count(calls(1), Op::DrawLine), 0) << speed;
        EXPECT_TRUE(saneScales(calls(1))) << speed;

        clickRun();
        EXPECT_FALSE(run->busy());
        ASSERT_EQ(boxes.boxes.size(), 1) << speed;
        EXPECT_EQ(boxes.boxes[0].text,
                  ui::RunSequence::failureMessage(model::FlightOutcome::notFinite));
        EXPECT_TRUE(saneScales(calls(1)));
        EXPECT_TRUE(calls(2).empty());
    }
    paste(2, "3");
    clickRun();
    ASSERT_TRUE(finish());
    EXPECT_EQ(window.label("Label42")->text(), "Vy2(y=0)= -3.113 м/c");
}

// Such a fast throw makes the first quadratic-drag step need more sub-steps than any flight
// may take: the trajectory pane keeps its curves, the flight is reported, nothing else drawn.
TEST_F(Failures, AFlightThatCannotBeIntegratedIsReportedAfterTheCurves) {
    paste(2, "1e6");
    forgetDrawing();
    clickRun();
    EXPECT_FALSE(run->busy());
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes[0].text, ui::RunSequence::failureMessage(model::FlightOutcome::tooLong));
    EXPECT_GT(count(calls(1), Op::DrawLineTo, QColor(0, 0, 255)), 0);
    EXPECT_EQ(count(calls(1), Op::DrawLineTo, QColor(255, 0, 0)), 0);
    EXPECT_EQ(texts(calls(1), ui::RunSequence::failureLine(model::FlightOutcome::tooLong)), 1);
    EXPECT_TRUE(calls(2).empty());
    EXPECT_EQ(window.label("Label31")->text(), "Tmax2= ");

    // A flight of five steps lands within its first group: no piece, but a whole run.
    paste(2, "1e4");
    clickRun();
    ASSERT_TRUE(finish());
    EXPECT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(tone.started, 1);
    EXPECT_NE(window.label("Label31")->text(), "Tmax2= ");
    EXPECT_FALSE(calls(2).empty());
}
