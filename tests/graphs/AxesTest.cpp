#include "graphs/Axes.h"
#include "graphs/RecordingSurface.h"

#include <gtest/gtest.h>

using graphs::RecordingSurface;
using graphs::SurfaceCall;

namespace {

const QColor black(0, 0, 0);
const QColor green(128, 255, 128);

// The six calls of grid round i (i = -10 … 10); the loop starts after four calls.
std::vector<SurfaceCall> gridRound(const RecordingSurface& s, int i) {
    const auto first = s.calls().begin() + 4 + 6 * (i + 10);
    return {first, first + 6};
}

std::vector<SurfaceCall> tail(const RecordingSurface& s, std::size_t n) {
    return {s.calls().end() - n, s.calls().end()};
}

} // namespace

TEST(Axes, TrajectoryPaneWithDefaultSpans) {
    RecordingSurface s;
    graphs::axes(s, 0, 1, 2, 0, 0.1, '.');
    ASSERT_EQ(s.calls().size(), 137u) << s.dump();

    const std::vector<SurfaceCall> head{
        SurfaceCall::setPenWidth(3),
        SurfaceCall::line(0, 1, 0, 0, black),
        SurfaceCall::line(0, 0, 2, 0, black),
        SurfaceCall::setPenWidth(1),
    };
    EXPECT_EQ(std::vector<SurfaceCall>(s.calls().begin(), s.calls().begin() + 4), head);

    // Steps 0.25 both ways; dots in the foreground colour, labels at the dots.
    const std::vector<SurfaceCall> first{
        SurfaceCall::line(0, -2.5f, 2, -2.5f, green),
        SurfaceCall::line(-2.5f, 1, -2.5f, 0, green),
        SurfaceCall::point(-2.5f, 0.07f),
        SurfaceCall::print("-2.50"),
        SurfaceCall::point(0.02f, -2.5f),
        SurfaceCall::print("-2.50"),
    };
    EXPECT_EQ(gridRound(s, -10), first) << s.dump();
    const std::vector<SurfaceCall> zero{
        SurfaceCall::line(0, 0, 2, 0, green), SurfaceCall::line(0, 1, 0, 0, green),
        SurfaceCall::point(0, 0.07f),         SurfaceCall::print("0.00"),
        SurfaceCall::point(0.02f, 0),         SurfaceCall::print("0.00"),
    };
    EXPECT_EQ(gridRound(s, 0), zero);
    EXPECT_EQ(gridRound(s, 3)[2], SurfaceCall::point(0.75f, 0.07f));
    EXPECT_EQ(gridRound(s, 3)[3], SurfaceCall::print("0.75"));
    EXPECT_EQ(gridRound(s, 10)[1], SurfaceCall::line(2.5f, 1, 2.5f, 0, green));

    // Thin axes over the grid, the captions (Cyrillic Ha in the x caption), the marker on (0, h0).
    const std::vector<SurfaceCall> end{
        SurfaceCall::line(0, 1, 0, 0, black),
        SurfaceCall::line(0, 0, 2, 0, black),
        SurfaceCall::moveTo(0.1f, 1),
        SurfaceCall::print(QString::fromUtf16(u"Y, \u043c")),
        SurfaceCall::moveTo(1.9f, 0.1f),
        SurfaceCall::print(QString::fromUtf16(u"\u0425, \u043c")),
        SurfaceCall::marker(0, 0.1),
    };
    EXPECT_EQ(tail(s, 7), end) << s.dump();
}

TEST(Axes, TickLabelsUseTheRegionalSeparator) {
    RecordingSurface s;
    graphs::axes(s, 0, 1, 2, 0, 1, ',');
    EXPECT_EQ(gridRound(s, 1)[3], SurfaceCall::print("0,25"));
    EXPECT_EQ(gridRound(s, -4)[5], SurfaceCall::print("-1,00"));
}

TEST(Axes, GridStepFollowsTheSpanAndStopsTenStepsFromZero) {
    struct Case {
        double span, step;
    };
    for (const Case c :
         {Case{3, 0.5}, Case{5, 0.5}, Case{6, 1}, Case{14, 1}, Case{15, 2}, Case{25, 2}}) {
        SCOPED_TRACE(c.span);
        RecordingSurface s;
        graphs::axes(s, 0, c.span, c.span, 0, 1, '.');
        const float last = float(10 * c.step); // 10 for span 14, 20 for span 25: the rest is bare
        const auto r = gridRound(s, 10);
        EXPECT_EQ(r[0], SurfaceCall::line(0, last, float(c.span), last, green));
        EXPECT_EQ(r[1], SurfaceCall::line(last, float(c.span), last, 0, green));
        EXPECT_EQ(r[3], SurfaceCall::print(QString::number(10 * c.step, 'f', 2)));
        EXPECT_EQ(gridRound(s, 1)[2], SurfaceCall::point(float(c.step), float(0.07 * c.span)));
    }
    // The two directions take their steps independently.
    RecordingSurface s;
    graphs::axes(s, 0, 25, 3, 0, 1, '.');
    EXPECT_EQ(gridRound(s, 1)[0], SurfaceCall::line(0, 2, 3, 2, green));
    EXPECT_EQ(gridRound(s, 1)[1], SurfaceCall::line(0.5f, 25, 0.5f, 0, green));
}

TEST(Axes, VxPaneHasTimeCaptionAndNoMarker) {
    RecordingSurface s;
    graphs::axes_2(s, 0, 3, 1, 0, '.');
    ASSERT_EQ(s.calls().size(), 136u) << s.dump();
    const std::vector<SurfaceCall> round2{
        SurfaceCall::line(0, 1, 1, 1, green), SurfaceCall::line(0.5f, 3, 0.5f, 0, green),
        SurfaceCall::point(0.5f, 0.21f),      SurfaceCall::print("0.50"),
        SurfaceCall::point(0.01f, 1),         SurfaceCall::print("1.00"),
    };
    EXPECT_EQ(gridRound(s, 2), round2) << s.dump();
    const std::vector<SurfaceCall> end{
        SurfaceCall::moveTo(0.05f, 3),
        SurfaceCall::print(QString::fromUtf16(u"Vx, \u043c/c")),
        SurfaceCall::moveTo(0.95f, 0.3f),
        SurfaceCall::print("t, c"),
    };
    EXPECT_EQ(tail(s, 4), end);
}

TEST(Axes, VyPaneStraddlingZeroLabelsBothSidesOnTheAxes) {
    RecordingSurface s;
    graphs::axes_3(s, 0, 2, 1, -4, '.');
    ASSERT_EQ(s.calls().size(), 136u) << s.dump();
    // Span 6 gives step 1 upward; span 1 gives 0.25 in time. Labels sit on the axes.
    const std::vector<SurfaceCall> below{
        SurfaceCall::line(0, -4, 1, -4, green),
        SurfaceCall::line(-1, 2, -1, -4, green),
        SurfaceCall::point(-1, 0),
        SurfaceCall::print("-1.00"),
        SurfaceCall::point(0, -4),
        SurfaceCall::print("-4.00"),
    };
    EXPECT_EQ(gridRound(s, -4), below) << s.dump();
    EXPECT_EQ(gridRound(s, 2)[2], SurfaceCall::point(0.5f, 0));
    EXPECT_EQ(gridRound(s, 2)[5], SurfaceCall::print("2.00"));
    const std::vector<SurfaceCall> end{
        SurfaceCall::line(0, 2, 0, -4, black),
        SurfaceCall::line(0, 0, 1, 0, black),
        SurfaceCall::moveTo(0.05f, 2),
        SurfaceCall::print(QString::fromUtf16(u"Vy, \u043c/c")),
        SurfaceCall::moveTo(0.95f, 0),
        SurfaceCall::print("t, c"),
    };
    EXPECT_EQ(tail(s, 6), end);
}

TEST(Axes, DownwardThrowPutsTheTimeAxisAtOrAboveTheTop) {
    RecordingSurface s;
    graphs::axes_3(s, 0, -1, 1, -5, '.');
    // Span 4 gives step 0.5; the time labels and caption stay on y = 0, above the pane.
    EXPECT_EQ(gridRound(s, -2)[0], SurfaceCall::line(0, -1, 1, -1, green));
    EXPECT_EQ(gridRound(s, 4)[2], SurfaceCall::point(1, 0));
    EXPECT_EQ(tail(s, 4)[0], SurfaceCall::moveTo(0.05f, -1));
    EXPECT_EQ(tail(s, 4)[2], SurfaceCall::moveTo(0.95f, 0));

    RecordingSurface atZero;
    graphs::axes_3(atZero, 0, 0, 1, -3, '.');
    EXPECT_EQ(tail(atZero, 4)[0], SurfaceCall::moveTo(0.05f, 0));
    EXPECT_EQ(gridRound(atZero, -6)[4], SurfaceCall::point(0, -3));
    EXPECT_EQ(gridRound(atZero, -6)[5], SurfaceCall::print("-3.00"));
}

TEST(Axes, EveryRoundDrawsGridThenBothTicks) {
    using Op = SurfaceCall::Op;
    RecordingSurface s;
    graphs::axes_2(s, 0, 3, 1, 0, '.');
    for (int i = -10; i <= 10; ++i) {
        const auto r = gridRound(s, i);
        const std::vector<Op> ops{r[0].op, r[1].op, r[2].op, r[3].op, r[4].op, r[5].op};
        EXPECT_EQ(ops, (std::vector<Op>{Op::DrawLine, Op::DrawLine, Op::DrawPoint, Op::PrintText,
                                        Op::DrawPoint, Op::PrintText}))
            << "round " << i;
    }
}
