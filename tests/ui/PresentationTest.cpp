#include "ProgramFixture.h"
#include "ui/present/PresentationStrip.h"

#include <QAction>
#include <QFontInfo>
#include <QScreen>
#include <QSignalSpy>

using namespace testing_ui;

class PresentationMode : public ProgramFixture {};

// F11 lends the panes to a full-screen window: the graph shown covers at least three quarters of
// the screen above the strip, its type is sized from the screen and its key names the models;
// the window's keys work there, and Esc gives the panes back as they were.
TEST_F(PresentationMode, FillsTheScreenWithTheGraphItsKeyAndTheStrip) {
    graphs::GraphPane* trajectory = window.pane(Graph::trajectory);
    const QRect before = trajectory->geometry();
    const QFont font = trajectory->font();
    ui::toolAction(window, ui::ToolCommand::present)->trigger();
    QWidget* shown = program.presentation().screenWindow();
    ASSERT_TRUE(shown);
    ASSERT_TRUE(QTest::qWaitForWindowActive(shown));
    const QRect screen = window.screen()->geometry();
    EXPECT_EQ(shown->geometry(), screen);

    QTest::keyClick(shown, Qt::Key_2, Qt::AltModifier);
    graphs::GraphPane* vx = window.pane(Graph::vx);
    ASSERT_TRUE(vx->isVisible());
    EXPECT_EQ(vx->window(), shown);
    const QSize interior = vx->contentsRect().size();
    EXPECT_GE(interior.width() * interior.height(), 0.75 * screen.width() * screen.height());
    EXPECT_GE(QFontInfo(vx->font()).pixelSize(), 0.025 * screen.height());
    const graphs::KeyLayout key = vx->keyLayout();
    EXPECT_TRUE(QRectF(QPointF(0, 0), QSizeF(interior)).contains(key.box));
    QStringList lines;
    for (const graphs::KeyLayout::Line& l : key.lines)
        lines << l.text;
    EXPECT_EQ(lines, QStringList({"в вакууме", "в среде (Fc~v)", "в среде (Fc~v^2)"}));

    // F5 runs; the strip follows the labels, the red model's flight time once it has landed.
    run.setGroupsPerTick(0);
    QSignalSpy runs(&run, &ui::ThrowController::aboutToRun);
    QTest::keyClick(shown, Qt::Key_F5);
    EXPECT_EQ(runs.count(), 1);
    ASSERT_TRUE(finish());
    program.presentation().strip()->refresh();
    const QStringList strip = program.presentation().strip()->texts();
    ASSERT_EQ(strip.size(), 4);
    EXPECT_TRUE(strip[0].startsWith("h = 0.5") && strip[0].contains(", Vo = 3"))
        << strip[0].toStdString();
    EXPECT_TRUE(strip[3].startsWith("в среде (Fc~v^2):  " + text(Quantity::Tmax2).trimmed()))
        << strip[3].toStdString();
    EXPECT_FALSE(strip[0].contains("Cd")); // named only when it is not 0.5
    program.session().editCd(0.45);
    program.presentation().strip()->refresh();
    EXPECT_TRUE(program.presentation().strip()->texts()[0].endsWith(", Cd = 0.45"))
        << program.presentation().strip()->texts()[0].toStdString();

    QTest::keyClick(shown, Qt::Key_Escape);
    EXPECT_FALSE(program.presentation().screenWindow());
    EXPECT_EQ(trajectory->parentWidget(), window.clientArea());
    EXPECT_EQ(trajectory->geometry(), before);
    EXPECT_EQ(trajectory->font(), font);
    EXPECT_TRUE(trajectory->keyPart(graphs::KeyPart::models).empty());
    EXPECT_FALSE(ui::toolAction(window, ui::ToolCommand::present)->isChecked());
}
