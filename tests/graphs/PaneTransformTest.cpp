#include "graphs/PaneTransform.h"

#include <gtest/gtest.h>

#include <limits>

using graphs::PaneTransform;

TEST(PaneTransform, MapsUserPointsWithYUpwardAndBackAndKeepsASoundSystem) {
    PaneTransform t;
    ASSERT_TRUE(t.setRect(0, 2, 1, -4)); // a pane reaching below zero, as the Vy pane does
    EXPECT_EQ(t.toPixel(0, 2, QSizeF(400, 300)), QPointF(0, 0));
    EXPECT_EQ(t.toPixel(1, -4, QSizeF(400, 300)), QPointF(400, 300));
    EXPECT_EQ(t.toPixel(-1, 8, QSizeF(400, 300)), QPointF(-400, -300)); // outside
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

    // Spans of zero, not finite or overflowing keep the previous system.
    const PaneTransform before = t;
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(t.setRect(0, 1, 0, 0));
    EXPECT_FALSE(t.setRect(0, 0, 2, 0));
    EXPECT_FALSE(t.setRect(0, inf, 2, 0));
    EXPECT_FALSE(t.setRect(0, 1, std::numeric_limits<double>::quiet_NaN(), 0));
    EXPECT_FALSE(t.setRect(-1e308, 1, 1e308, 0));
    EXPECT_EQ(t, before);

    // Top below bottom turns y downward.
    ASSERT_TRUE(t.setRect(10, 0, 20, 5));
    EXPECT_EQ(t.toPixel(15, 4, QSizeF(100, 50)), QPointF(50, 40));
}
