#include "graphs/GraphPane.h"
#include "ui/MainWindow.h"

#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using ui::MainWindow;

namespace {

struct Shown : MainWindow {
    Shown() {
        layoutControls();
        show();
        [[maybe_unused]] bool exposed = QTest::qWaitForWindowExposed(this);
    }
    // Only pane n shows; the scale bars belong to the trajectory pane.
    bool onlyPane(int n) const {
        for (int i = 1; i <= 3; ++i)
            if (pane(i)->isVisible() != (i == n))
                return false;
        return hScroll()->isVisible() == (n == 1) && vScroll()->isVisible() == (n == 1);
    }
};

} // namespace

TEST(GraphSelection, OptionsSwitchPanesAndBarsWithoutRecomputing) {
    Shown w;
    QSignalSpy recompute(&w, &MainWindow::shortRecomputeRequested);
    EXPECT_TRUE(w.onlyPane(1));
    QTest::mouseClick(w.option(2), Qt::LeftButton, {}, QPoint(6, 7));
    EXPECT_TRUE(w.option(2)->isChecked());
    EXPECT_TRUE(w.onlyPane(2));
    QTest::mouseClick(w.option(3), Qt::LeftButton, {}, QPoint(6, 7));
    EXPECT_TRUE(w.onlyPane(3));
    EXPECT_EQ(recompute.count(), 0);

    // Any new layout brings the trajectory graph back, whatever was chosen.
    w.layoutControls();
    EXPECT_TRUE(w.option(1)->isChecked());
    EXPECT_TRUE(w.onlyPane(1));
}

TEST(GraphSelection, ScaleBarsResizeAndCommand1AskForARecompute) {
    Shown w;
    QSignalSpy recompute(&w, &MainWindow::shortRecomputeRequested);
    // Single precision for the vertical factor: 0.7 stored as the nearest float.
    w.vScroll()->setValue(70);
    EXPECT_EQ(w.state().scaleY, static_cast<float>(70 * 0.01));
    w.hScroll()->setValue(70);
    w.hScroll()->triggerAction(QScrollBar::SliderSingleStepAdd); // an arrow click: one step of 10
    EXPECT_EQ(w.state().scaleX, 80 * 0.01);
    EXPECT_EQ(recompute.count(), 3);

    w.resize(w.width() + 100, w.height() + 50);
    QTRY_COMPARE(recompute.count(), 4);
    EXPECT_EQ(w.clientArea()->size(), QSize(820, 610));
    w.layoutControls(); // the layout table's pixels, on the grown window
    EXPECT_EQ(w.pane(1)->geometry(), QRect(22, 4, 794, 284));
    EXPECT_EQ(w.cmdOK()->geometry(), QRect(616, 400, 72, 26));
    w.command1()->click();
    EXPECT_EQ(recompute.count(), 5);

    w.clientArea()->resize(20, 10);
    w.layoutControls();
    EXPECT_EQ(w.pane(1)->size(), QSize(0, 0));
    EXPECT_EQ(w.vScroll()->height(), 0);
}
