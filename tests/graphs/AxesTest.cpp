#include "graphs/Axes.h"
#include "graphs/PaneTransform.h"
#include "graphs/PlotAxes.h"
#include "support/RecordingSurface.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace graphs;
using Calls = std::vector<SurfaceCall>;

namespace {

const QColor black(0, 0, 0), green(128, 255, 128);

// The six calls of grid round i (i = -10 … 10): grid lines, then a dot and a label each way.
Calls gridRound(const RecordingSurface& s, int i) {
    const auto first = s.calls().begin() + 4 + 6 * (i + 10);
    return {first, first + 6};
}

Calls tail(const RecordingSurface& s, std::size_t n) {
    return {s.calls().end() - n, s.calls().end()};
}

} // namespace

TEST(Axes, TrajectoryPaneWithDefaultSpans) {
    RecordingSurface s;
    graphs::drawTrajectoryAxes(s, 0, 1, 2, 0, 0.1, '.');
    ASSERT_EQ(s.calls().size(), 137u);
    EXPECT_EQ(Calls(s.calls().begin(), s.calls().begin() + 4),
              (Calls{SurfaceCall::setPenWidth(3), SurfaceCall::line(0, 1, 0, 0, black),
                     SurfaceCall::line(0, 0, 2, 0, black), SurfaceCall::setPenWidth(1)}));
    // Steps 0.25 both ways; dots in the foreground colour, labels at the dots.
    EXPECT_EQ(gridRound(s, -10),
              (Calls{SurfaceCall::line(0, -2.5f, 2, -2.5f, green),
                     SurfaceCall::line(-2.5f, 1, -2.5f, 0, green), SurfaceCall::point(-2.5f, 0.07f),
                     SurfaceCall::print("-2.50"), SurfaceCall::point(0.02f, -2.5f),
                     SurfaceCall::print("-2.50")}));
    EXPECT_EQ(gridRound(s, 3)[3], SurfaceCall::print("0.75"));
    // Thin axes over the grid, the captions (Cyrillic Ha in the x caption), the marker on (0, h0).
    EXPECT_EQ(tail(s, 7), (Calls{SurfaceCall::line(0, 1, 0, 0, black),
                                 SurfaceCall::line(0, 0, 2, 0, black), SurfaceCall::moveTo(0.1f, 1),
                                 SurfaceCall::print(QString::fromUtf16(u"Y, \u043c")),
                                 SurfaceCall::moveTo(1.9f, 0.1f),
                                 SurfaceCall::print(QString::fromUtf16(u"\u0425, \u043c")),
                                 SurfaceCall::marker(0, 0.1)}));

    RecordingSurface comma; // the regional decimal separator
    graphs::drawTrajectoryAxes(comma, 0, 1, 2, 0, 1, ',');
    EXPECT_EQ(gridRound(comma, -4)[5], SurfaceCall::print("-1,00"));

    // Each direction takes the step of its own span (Rounding: gridStep), here 2 upward and 0.5
    // across; the grid ends ten steps from zero, at 20 and 5, and the rest is bare.
    RecordingSurface s2;
    graphs::drawTrajectoryAxes(s2, 0, 25, 3, 0, 1, '.');
    EXPECT_EQ(gridRound(s2, 10),
              (Calls{SurfaceCall::line(0, 20, 3, 20, green), SurfaceCall::line(5, 25, 5, 0, green),
                     SurfaceCall::point(5, 1.75f), SurfaceCall::print("5.00"),
                     SurfaceCall::point(0.03f, 20), SurfaceCall::print("20.00")}));
}

TEST(Axes, VelocityPanes) {
    // Vy straddling zero: labels sit on the axes; a downward throw keeps the time axis, its
    // labels and caption on y = 0, at or above the pane's top.
    RecordingSurface vx, vy, down, atZero;
    graphs::drawVxAxes(vx, 0, 3, 1, 0, '.');
    graphs::drawVyAxes(vy, 0, 2, 1, -4, '.');
    graphs::drawVyAxes(down, 0, -1, 1, -5, '.');
    graphs::drawVyAxes(atZero, 0, 0, 1, -3, '.');
    const std::tuple<const RecordingSurface*, int, int, SurfaceCall> cases[] = {
        {&vx, 2, 2, SurfaceCall::point(0.5f, 0.21f)},
        {&vx, 2, 4, SurfaceCall::point(0.01f, 1)},
        {&vy, -4, 1, SurfaceCall::line(-1, 2, -1, -4, green)}, // the grid spans the pane
        {&vy, -4, 2, SurfaceCall::point(-1, 0)},
        {&vy, -4, 3, SurfaceCall::print("-1.00")},
        {&vy, 2, 5, SurfaceCall::print("2.00")},
        {&down, 4, 2, SurfaceCall::point(1, 0)},
        {&atZero, -6, 4, SurfaceCall::point(0, -3)},
        {&atZero, -6, 5, SurfaceCall::print("-3.00")},
    };
    for (const auto& [surface, round, index, expected] : cases)
        EXPECT_EQ(gridRound(*surface, round)[index], expected) << round << ' ' << index;
    const QString vx_ = QString::fromUtf16(u"Vx, \u043c/c"),
                  vy_ = QString::fromUtf16(u"Vy, \u043c/c");
    for (const auto& [surface, captionY, caption, timeY] : {std::tuple{&vx, 3.0f, vx_, 0.3f},
                                                            {&vy, 2.0f, vy_, 0.0f},
                                                            {&down, -1.0f, vy_, 0.0f},
                                                            {&atZero, 0.0f, vy_, 0.0f}}) {
        ASSERT_EQ(surface->calls().size(), 136u);
        EXPECT_EQ(tail(*surface, 4),
                  (Calls{SurfaceCall::moveTo(0.05f, captionY), SurfaceCall::print(caption),
                         SurfaceCall::moveTo(0.95f, timeY),
                         SurfaceCall::print("t, c")})); // no marker on a velocity pane
    }
    EXPECT_EQ(tail(vy, 6)[0], SurfaceCall::line(0, 2, 0, -4, black));
    EXPECT_EQ(tail(vy, 6)[1], SurfaceCall::line(0, 0, 1, 0, black));
}

// The round trip through pixels: the readout's tests; a pane with y downward: GraphPaneTest.
TEST(PaneTransform, MapsUserPointsWithYUpward) {
    graphs::PaneTransform t;
    ASSERT_TRUE(t.setRect(0, 2, 1, -4)); // a pane reaching below zero, as the Vy pane does
    EXPECT_EQ(t.toPixel(0, 2, QSizeF(400, 300)), QPointF(0, 0));
    EXPECT_EQ(t.toPixel(1, -4, QSizeF(400, 300)), QPointF(400, 300));
    EXPECT_EQ(t.toPixel(-1, 8, QSizeF(400, 300)), QPointF(-400, -300)); // outside
    // An interior without pixels has no inverse; it answers with the top-left edge. (Spans that
    // are zero, not finite or overflowing are refused: GraphPaneTest, and the soak's invariant.)
    EXPECT_EQ(t.toUser(QPointF(5, 5), QSizeF(0, 0)), QPointF(0, 2));
}

// The data fits inside the scale with room for the labels, the grid sits at round values
// inside the data, and labels use the separator given.
TEST(PlotAxes, RoundStepsScaleGridAndLabels) {
    for (const auto& [span, step] :
         {std::pair{89.5, 20.0}, {8.0, 1.0}, {0.0021, 0.0005}, {0.0, 1.0}})
        EXPECT_DOUBLE_EQ(graphs::roundStep(span, 8), step) << span;
    graphs::RecordingSurface s;
    graphs::PlotFrame frame{7000, 3000, 0.9, 1.3, "ρ, кг/м3", "Дальность полёта, м", 2};
    const graphs::PlotLayout l = graphs::drawPlotAxes(s, frame, ',');
    EXPECT_EQ(s.calls().front(), SurfaceCall::setScale(l.left, l.top, l.right, l.bottom));
    EXPECT_TRUE(l.left < 3000 && l.right > 7000 && l.bottom < l.yMin && l.yMin < 0.9 &&
                l.yMax > 1.3)
        << l.left << ' ' << l.right << ' ' << l.bottom << ' ' << l.yMin << ' ' << l.yMax;
    // Two free lines and the y caption above the data, below the top.
    EXPECT_GT(l.textLine(1).y() - l.lineHeight, l.yMax + l.lineHeight);
    EXPECT_LT(l.textLine(0).y(), l.top);

    QStringList labels;
    for (const SurfaceCall& c : s.calls())
        if (c.op == SurfaceCall::Op::PrintText)
            labels << c.text;
    EXPECT_EQ(labels.join('|').toStdString(),
              "3000|3500|4000|4500|5000|5500|6000|6500|7000|0,9|1,0|1,1|1,2|1,3|ρ, кг/м3|"
              "Дальность полёта, м");
}
