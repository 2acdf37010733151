#include "graphs/GraphPane.h"
#include "ui/MainWindow.h"

#include <QLabel>
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
    bool onlyPane(int n) const {
        for (int i = 1; i <= 3; ++i)
            if (pane(i)->isVisible() != (i == n))
                return false;
        return true;
    }
    bool barsVisible() const { return hScroll()->isVisible() && vScroll()->isVisible(); }
    bool barsHidden() const { return !hScroll()->isVisible() && !vScroll()->isVisible(); }
    void click(int n) { QTest::mouseClick(option(n), Qt::LeftButton, {}, QPoint(6, 7)); }
};

} // namespace

TEST(GraphSelection, OptionsSwitchPanesAndBarsWithoutRecomputing) {
    Shown w;
    QSignalSpy recompute(&w, &MainWindow::shortRecomputeRequested);
    EXPECT_TRUE(w.option(1)->isChecked());
    EXPECT_TRUE(w.onlyPane(1));
    EXPECT_TRUE(w.barsVisible());

    w.click(2);
    EXPECT_TRUE(w.option(2)->isChecked());
    EXPECT_TRUE(w.onlyPane(2));
    EXPECT_TRUE(w.barsHidden());

    w.click(3);
    EXPECT_TRUE(w.onlyPane(3));
    EXPECT_TRUE(w.barsHidden());
    EXPECT_EQ(recompute.count(), 0);

    // Any new layout brings the trajectory graph back, whatever was chosen.
    w.layoutControls();
    EXPECT_TRUE(w.option(1)->isChecked());
    EXPECT_TRUE(w.onlyPane(1));
    EXPECT_TRUE(w.barsVisible());
}

TEST(GraphSelection, ScaleBarsSetTheFactorsAndAskForARecompute) {
    Shown w;
    QSignalSpy recompute(&w, &MainWindow::shortRecomputeRequested);

    // Single precision for the vertical factor: 0.7 stored as the nearest float.
    w.vScroll()->setValue(70);
    EXPECT_EQ(w.state().scaleY, static_cast<float>(70 * 0.01));
    w.hScroll()->setValue(70);
    // An arrow click moves by one step of 10.
    w.hScroll()->triggerAction(QScrollBar::SliderSingleStepAdd);
    EXPECT_EQ(w.hScroll()->value(), 80);
    EXPECT_EQ(w.state().scaleX, 80 * 0.01);

    // The lower end gives a factor of 0; the panes deal with a zero span.
    w.vScroll()->setValue(0);
    EXPECT_EQ(w.state().scaleY, 0.0f);
    EXPECT_EQ(recompute.count(), 4);
    EXPECT_EQ(w.hScroll()->maximum(), 200);
}

TEST(GraphSelection, ResizeAndCommand1AskForARecomputeAndTinySizesLayOut) {
    Shown w;
    QSignalSpy recompute(&w, &MainWindow::shortRecomputeRequested);
    w.resize(w.width() + 100, w.height() + 50);
    QTRY_COMPARE(recompute.count(), 1);
    EXPECT_EQ(w.clientArea()->size(), QSize(820, 610));
    w.layoutControls(); // the layout table's pixels, on the grown window
    EXPECT_EQ(w.pane(1)->geometry(), QRect(22, 4, 794, 284));
    EXPECT_EQ(w.cmdOK()->geometry(), QRect(616, 400, 72, 26));
    w.command1()->click();
    EXPECT_EQ(recompute.count(), 2);

    w.clientArea()->resize(20, 10);
    w.layoutControls();
    EXPECT_EQ(w.pane(1)->size(), QSize(0, 0));
    EXPECT_EQ(w.vScroll()->height(), 0);
}

TEST(GraphSelection, PlacementAtFivePercentOfTheScreen) {
    MainWindow w;
    w.placeOnScreen();
    const QRect area = w.screen()->availableGeometry();
    EXPECT_EQ(w.pos(), QPoint(area.left() + qRound(area.width() * 0.05),
                              area.top() + qRound(area.height() * 0.05)));
}
