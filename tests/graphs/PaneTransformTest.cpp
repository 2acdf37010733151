#include "graphs/PaneTransform.h"

#include <gtest/gtest.h>

#include <limits>

using graphs::PaneTransform;

TEST(PaneTransform, MapsUserPointsWithYUpwardAndBack) {
    PaneTransform t;
    ASSERT_TRUE(t.setRect(0, 1, 2, 0)); // the default trajectory pane
    const QSizeF size(400, 300);
    EXPECT_EQ(t.toPixel(0, 1, size), QPointF(0, 0));     // top-left corner
    EXPECT_EQ(t.toPixel(2, 0, size), QPointF(400, 300)); // bottom-right corner
    EXPECT_EQ(t.toPixel(0.5, 0.25, size), QPointF(100, 225));
    EXPECT_EQ(t.toPixel(-1, 2, size), QPointF(-200, -300)); // outside: left of and above it

    // A pane reaching below zero, as the Vy pane does.
    ASSERT_TRUE(t.setRect(0, 2, 1, -4));
    EXPECT_EQ(t.row(0, 600), 200);
    EXPECT_EQ(t.column(0.25, 200), 50);
    const QSizeF other(250, 180);
    for (const QPointF p : {QPointF(0.3, -1.7), QPointF(-3, 9)}) {
        const QPointF back = t.toUser(t.toPixel(p.x(), p.y(), other), other);
        EXPECT_NEAR(back.x(), p.x(), 1e-12);
        EXPECT_NEAR(back.y(), p.y(), 1e-12);
    }
    // An interior without pixels has no inverse; it answers with the top-left edge.
    EXPECT_EQ(t.toUser(QPointF(5, 5), QSizeF(0, 0)), QPointF(0, 2));

    // Top below bottom turns y downward.
    ASSERT_TRUE(t.setRect(10, 0, 20, 5));
    EXPECT_EQ(t.toPixel(15, 4, QSizeF(100, 50)), QPointF(50, 40));
}

TEST(PaneTransform, ZeroSpanKeepsThePreviousSystem) {
    PaneTransform t;
    ASSERT_TRUE(t.setRect(0, 1, 2, 0));
    const PaneTransform before = t;
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(t.setRect(0, 1, 0, 0)); // horizontal factor 0: right == left
    EXPECT_FALSE(t.setRect(0, 0, 2, 0)); // vertical factor 0: top == bottom
    EXPECT_FALSE(t.setRect(0, inf, 2, 0));
    EXPECT_FALSE(t.setRect(0, 1, std::numeric_limits<double>::quiet_NaN(), 0));
    EXPECT_FALSE(t.setRect(-1e308, 1, 1e308, 0)); // the span itself overflows
    EXPECT_EQ(t, before);
    EXPECT_EQ(t.toPixel(1, 0.5, QSizeF(100, 100)), QPointF(50, 50));
}
