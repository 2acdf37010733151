#include "ProgramFixture.h"
#include "ui/tools/Presets.h"

#include <QAction>
#include <QMenu>
#include <QScrollBar>

using namespace testing_ui;

namespace {

class Undo : public ProgramFixture {
protected:
    QAction* undoAction() { return program.undo().undoAction(); }
    QAction* redoAction() { return program.undo().redoAction(); }
    void undo() { undoAction()->trigger(); }
    void redo() { redoAction()->trigger(); }
    int steps() { return program.session().history().count(); }
};

} // namespace

// A committed edit is one step however many keys it took; an undo brings back the text and the
// value and computes the throw again as a paste would, without a tone or a box; «Отменить» and
// «Вернуть» close «Инструменты» after a separator.
TEST_F(Undo, EditsOfTheFieldsComeBackOneCommittedEditAtATime) {
    const QList<QAction*> tools = window.toolsMenu()->actions();
    ASSERT_GE(tools.size(), 3);
    EXPECT_TRUE(tools[tools.size() - 3]->isSeparator());
    EXPECT_EQ(tools[tools.size() - 2], undoAction());
    EXPECT_EQ(undoAction()->text(), "Отменить");
    EXPECT_EQ(redoAction()->text(), "Вернуть");
    EXPECT_TRUE(redoAction()->shortcuts().contains(QKeySequence("Ctrl+Shift+Z")));
    EXPECT_FALSE(undoAction()->isEnabled());

    type(Field::d, "0.05"); // «0» on the way is unfinished, «0.05» goes in: still one step
    QTest::keyClick(field(Field::d), Qt::Key_Tab);
    paste(Field::v0, "4");
    EXPECT_EQ(steps(), 2);
    runToLanding();
    boxes.boxes.clear();
    const int beeps = tone.blocking;

    undo();
    EXPECT_EQ(field(Field::v0)->text(), "3.000");
    EXPECT_EQ(run.currentThrow()->inputs().v0, 3);
    EXPECT_EQ(text(Quantity::Tmax2), "Tmax2= "); // a short recompute
    undo();
    EXPECT_EQ(field(Field::d)->text(), "0.4000");
    EXPECT_EQ(run.inputs().d, 0.4);
    EXPECT_FALSE(undoAction()->isEnabled());
    redo();
    EXPECT_EQ(field(Field::d)->text(), "0.0500");
    EXPECT_EQ(run.currentThrow()->inputs().d, 0.05);
    EXPECT_TRUE(boxes.boxes.isEmpty());
    EXPECT_EQ(tone.blocking, beeps);

    // A new edit drops what could be redone; one that changes nothing is no step.
    paste(Field::h0, "0.5");
    EXPECT_TRUE(redoAction()->isEnabled());
    paste(Field::h0, "2");
    EXPECT_FALSE(redoAction()->isEnabled());
}

// Ctrl+Z in a field being typed into undoes its typing first; with nothing of its own left, the
// lesson's last step.
TEST_F(Undo, CtrlZInAFieldUndoesItsTypingFirst) {
    paste(Field::h0, "2");
    type(Field::v0, "45");
    EXPECT_EQ(run.inputs().v0, 45);
    auto keys = [this](Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(field(Field::v0), Qt::Key_Z, modifiers);
    };
    for (int i = 0; i < 5 && field(Field::v0)->isUndoAvailable(); ++i) {
        keys(Qt::ControlModifier);
        EXPECT_EQ(field(Field::h0)->text(), "2.000");
    }
    EXPECT_EQ(field(Field::v0)->text(), "3.000");
    EXPECT_EQ(run.inputs().v0, 3);
    keys(Qt::ControlModifier); // nothing of its own left: the paste into h
    EXPECT_EQ(field(Field::h0)->text(), "0.500");
    EXPECT_EQ(run.inputs().h0, 0.5);
    keys(Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(field(Field::h0)->text(), "2.000");
}

// A preset is one step for its two fields; Cd, the scale bars, the graph chosen, clearing the
// comparison and removing the measured points each come back; another lesson starts afresh.
TEST_F(Undo, PresetsScalesGraphsComparisonAndMeasurements) {
    const auto& media = ui::Presets::builtIn().media();
    program.presets().choose(*std::find_if(media.begin(), media.end(), [](const ui::Preset& p) {
        return p.name.startsWith("глицерин");
    }));
    program.session().editCd(0.47);
    EXPECT_EQ(run.currentThrow()->inputs().cd, 0.47);
    window.hScroll()->setValue(150);
    QTest::mouseClick(window.option(Graph::vy), Qt::LeftButton, {}, QPoint(6, 7));
    EXPECT_EQ(steps(), 4);
    undo();
    EXPECT_TRUE(window.option(Graph::trajectory)->isChecked());
    undo();
    EXPECT_EQ(window.hScroll()->value(), 100);
    EXPECT_EQ(run.currentThrow()->trajectoryRanges().right, 2);
    undo();
    EXPECT_EQ(run.currentThrow()->inputs().cd, 0.5);
    undo();
    EXPECT_EQ(field(Field::rho0)->text(), "1000.0");
    EXPECT_EQ(field(Field::eta)->text(), "0.0010060");

    program.comparison().setComparing(true);
    runToLanding();
    paste(Field::v0, "5");
    runToLanding();
    paste(Field::v0, "6");
    ASSERT_EQ(program.comparison().kept().size(), 2u);
    program.comparison().clear();
    EXPECT_TRUE(program.comparison().kept().empty());
    undo();
    ASSERT_EQ(program.comparison().kept().size(), 2u); // at once: their curves were kept
    EXPECT_EQ(program.comparison().kept()[1]->inputs.v0, 5);

    program.measured().set({{{0, 0, 0.5}, {0.1, 0.25, 0.6}}, {}, 0, "m.csv"});
    program.measure().remove();
    EXPECT_FALSE(program.measured().has());
    undo();
    ASSERT_TRUE(program.measured().has());
    EXPECT_EQ(program.measured().measurements().points.size(), 2u);

    program.lessons().newLesson();
    EXPECT_FALSE(undoAction()->isEnabled());
    EXPECT_EQ(steps(), 0);
}
