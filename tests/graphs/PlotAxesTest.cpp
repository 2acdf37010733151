#include "graphs/PlotAxes.h"
#include "support/RecordingSurface.h"

#include <gtest/gtest.h>

using graphs::SurfaceCall;

TEST(PlotAxes, RoundSteps) {
    EXPECT_EQ(graphs::roundStep(89.5, 8), 20);
    EXPECT_EQ(graphs::roundStep(8, 8), 1);
    EXPECT_DOUBLE_EQ(graphs::roundStep(0.0021, 8), 0.0005);
    EXPECT_EQ(graphs::roundStep(0, 8), 1);
}

// The data fits inside the scale with room for the labels, the grid sits at round values
// inside the data, and labels use the separator given.
TEST(PlotAxes, ScaleGridAndLabels) {
    graphs::RecordingSurface s;
    graphs::PlotFrame frame{7000, 3000, 0.9, 1.3, "ρ, кг/м3", "Дальность полёта, м", 2};
    const graphs::PlotLayout l = graphs::drawPlotAxes(s, frame, ',');
    ASSERT_EQ(s.calls().front().op, SurfaceCall::Op::SetScale);
    EXPECT_EQ(s.calls().front(), SurfaceCall::setScale(l.left, l.top, l.right, l.bottom));
    EXPECT_LT(l.left, 3000);
    EXPECT_GT(l.right, 7000);
    EXPECT_LT(l.bottom, l.yMin);
    EXPECT_LT(l.yMin, 0.9);
    EXPECT_GT(l.yMax, 1.3);
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
