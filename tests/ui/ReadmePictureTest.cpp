// Not a check: draws the README's picture of a comparison of three throws with the readout
// shown, when asked for by hand (ctest lists it as disabled):
//   BALLFLIGHT_PICTURE=docs/comparison.png build/default/tests/ui/ui_tests
//   --gtest_also_run_disabled_tests --gtest_filter='ReadmePicture.*'
#include "ProgramFixture.h"

#include <QMouseEvent>

using namespace testing_ui;

using ReadmePicture = ProgramFixture;

TEST_F(ReadmePicture, DISABLED_ComparisonOfThreeThrows) {
    program.comparison().setComparing(true);
    run.setGroupsPerTick(0);
    // A steel ball of 1 cm in ever thicker liquids.
    paste(Field::d, "0.01");
    for (const char* eta : {"0.001", "0.05", "0.2"}) {
        paste(Field::eta, eta);
        clickRun();
        ASSERT_TRUE(finish());
    }
    graphs::GraphPane* pane = window.pane(Graph::trajectory);
    const QPointF at = QPointF(pane->contentsRect().topLeft()) +
                       pane->transform().toPixel(0.3, 0.62, QSizeF(pane->contentsRect().size()));
    QMouseEvent move(QEvent::MouseMove, at, pane->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(pane, &move);
    QCoreApplication::processEvents();
    const QString path = qEnvironmentVariable("BALLFLIGHT_PICTURE", "comparison.png");
    EXPECT_TRUE(window.grab().save(path));
    program.comparison().setComparing(false);
}
