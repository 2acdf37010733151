#include "graphs/GraphPane.h"

#include <gtest/gtest.h>

TEST(GraphPane, KeepsItsForegroundColour) {
    graphs::GraphPane pane;
    pane.setForegroundColour(QColor(1, 2, 3));
    EXPECT_EQ(pane.foregroundColour(), QColor(1, 2, 3));
}
