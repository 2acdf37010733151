#include "ProgramFixture.h"

#include <QMenuBar>

using namespace testing_ui;
using Box = ui::RecordingMessageBoxes::Box;

class Fields : public ProgramFixture {
protected:
    // Pastes text over the field's whole text and returns the boxes it brought.
    QList<Box> enter(Field f, const QString& text) {
        boxes.boxes.clear();
        tone.blocking = 0;
        paste(f, text);
        EXPECT_EQ(tone.blocking, boxes.boxes.size()) << "one tone before every box";
        return boxes.boxes;
    }
    // Types over the field's whole text with the keyboard, ending with the given key.
    void type(Field f, const char* keys, Qt::Key end = Qt::Key_unknown) {
        field(f)->setFocus();
        field(f)->selectAll();
        QTest::keyClicks(field(f), keys);
        if (end != Qt::Key_unknown)
            QTest::keyClick(field(f), end);
    }
};

// A text that arrives whole is handled at once: the checks are the model's (InputFieldsTest);
// here the window announces each refusal with the tone and its box, shows the repaired value
// and keeps its inputs with it.
TEST_F(Fields, PastedTextIsHandledAtOnce) {
    const Box sinks{"Всплывание не моделируется!", "Ошибка"};
    const Box floats{"Всплывание не моделируется", "Ошибка"};
    const Box vacuum{"Для вакуума всё и так известно!", "Ошибка"};
    EXPECT_EQ(enter(Field::h0, "0,5"), (QList<Box>{Box{"Уже упало!!!", "Ошибка"}}));
    EXPECT_EQ(enter(Field::rho, "900"), QList<Box>{sinks});
    EXPECT_EQ(field(Field::rho)->text(), "2000.0");
    // The replacement 1.23 shows as 1.2, which a ball of density 1 cannot sink in: the nested
    // run refuses it again and halves the ball's density, rounded in turn.
    enter(Field::rho0, "0.5");
    enter(Field::rho, "1");
    EXPECT_EQ(enter(Field::rho0, "0"), (QList{vacuum, floats}));
    EXPECT_EQ(field(Field::rho0)->text(), "0.5");
    EXPECT_EQ(run.inputs().rho0, 0.5);
}

// Typing is checked when the user is done: no box and no rewriting on the way, the curves
// follow every text that is already a sound value, and the whole handling on Enter or Tab.
TEST_F(Fields, TypingIsCheckedWhenTheUserIsDone) {
    const int before = run.shortRecomputes();
    type(Field::d, "0");
    EXPECT_EQ(field(Field::d)->text(), "0");
    EXPECT_TRUE(field(Field::d)->unfinished());
    EXPECT_TRUE(field(Field::d)->toolTip().contains("d > 0 м"));
    EXPECT_EQ(run.inputs().d, 0.4); // the last accepted value stays
    QTest::keyClicks(field(Field::d), ".05");
    EXPECT_FALSE(field(Field::d)->unfinished());
    EXPECT_EQ(run.inputs().d, 0.05); // taken at once: the labels follow
    EXPECT_EQ(text(Quantity::m), "m= 5.105E-01 кг");
    EXPECT_EQ(field(Field::d)->text(), "0.05");
    QTest::keyClick(field(Field::d), Qt::Key_Tab);
    EXPECT_EQ(field(Field::d)->text(), "0.0500");
    EXPECT_EQ(field(Field::d)->toolTip(), "диаметр шара. На экране не отображается!");

    type(Field::alphaDeg, "-30", Qt::Key_Return);
    EXPECT_EQ(field(Field::alphaDeg)->text(), "-30.00");
    type(Field::rho, "1200", Qt::Key_Tab);
    EXPECT_EQ(field(Field::rho)->text(), "1200.0");
    type(Field::h0, "");
    QTest::keyClick(field(Field::h0), Qt::Key_Backspace);
    EXPECT_EQ(field(Field::h0)->text(), "");
    QTest::keyClicks(field(Field::h0), "2");
    QTest::keyClick(field(Field::h0), Qt::Key_Tab);
    EXPECT_EQ(field(Field::h0)->text(), "2.000");
    EXPECT_TRUE(boxes.boxes.isEmpty());
    const model::Inputs& in = run.inputs();
    EXPECT_EQ((std::array{in.d, in.alphaDeg, in.rho, in.h0}),
              (std::array{0.05, -30.0, 1200.0, 2.0}));
    EXPECT_GT(run.shortRecomputes(), before + 4);

    // A text still refused when the user is done gets the whole handling: tone, box, repair.
    type(Field::d, "0", Qt::Key_Tab);
    EXPECT_EQ(boxes.boxes, (QList<Box>{Box{"Это не материальная точка!", "Ошибка"}}));
    EXPECT_EQ(tone.lastN, 25);
    EXPECT_EQ(field(Field::d)->text(), "0.0010");
}

// ПУСК, a menu and closing commit a field typed into; Escape brings its value back.
TEST_F(Fields, RunMenusAndEscapeCommit) {
    type(Field::h0, "1");
    clickRun();
    EXPECT_EQ(field(Field::h0)->text(), "1.000");
    EXPECT_TRUE(run.busy()); // the run came after the commit, with h = 1
    EXPECT_EQ(run.currentThrow()->inputs().h0, 1.0);
    ASSERT_TRUE(finish());

    type(Field::v0, "0");
    emit window.menuBar()->actions().front()->menu()->aboutToShow();
    EXPECT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(field(Field::v0)->text(), "3.000");

    type(Field::eta, "1.5");
    EXPECT_EQ(run.inputs().eta, 1.5);
    QTest::keyClick(field(Field::eta), Qt::Key_Escape);
    EXPECT_EQ(field(Field::eta)->text(), "0.0010060");
    EXPECT_EQ(run.inputs().eta, 0.001006);
}
