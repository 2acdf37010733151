#include "ui/MainWindow.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <gtest/gtest.h>

using ui::MainWindow;

TEST(GraphSelection, ScaleBarsSetTheFactorsAndAskForARecompute) {
    MainWindow w;
    w.layoutControls();
    QSignalSpy recompute(&w, &MainWindow::shortRecomputeRequested);
    // Single precision for the vertical factor: 0.7 stored as the nearest float.
    w.vScroll()->setValue(70);
    EXPECT_EQ(w.state().scaleY, static_cast<float>(70 * 0.01));
    w.hScroll()->setValue(70);
    w.hScroll()->triggerAction(QScrollBar::SliderSingleStepAdd); // an arrow click: one step of 10
    EXPECT_EQ(w.state().scaleX, 80 * 0.01);
    EXPECT_EQ(recompute.count(), 3);
}
