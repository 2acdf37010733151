#include "ProgramFixture.h"

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
};

// The checks themselves are the model's (InputFieldsTest); here the window announces each
// refusal with the tone and its box, shows the repaired value and keeps its inputs with it.
TEST_F(Fields, RefusalsAreAnnouncedAndRepaired) {
    const Box fallen{"Уже упало!!!", "Ошибка"};
    // Clearing the field by typing is itself a change to an empty text.
    field(Field::h0)->selectAll();
    QTest::keyClick(field(Field::h0), Qt::Key_Backspace);
    EXPECT_EQ(boxes.boxes, QList<Box>{fallen});
    EXPECT_EQ(tone.lastN, 25);
    EXPECT_EQ(field(Field::h0)->text(), "0.500");

    const Box sinks{"Всплывание не моделируется!", "Ошибка"};
    const Box floats{"Всплывание не моделируется", "Ошибка"};
    const Box vacuum{"Для вакуума всё и так известно!", "Ошибка"};
    EXPECT_EQ(enter(Field::rho, "900"), QList<Box>{sinks});
    EXPECT_EQ(field(Field::rho)->text(), "2000.0");
    // The replacement 1.23 shows as 1.2, which a ball of density 1 cannot sink in: the nested
    // run refuses it again and halves the ball's density, rounded in turn.
    enter(Field::rho0, "0.5");
    enter(Field::rho, "1");
    EXPECT_EQ(enter(Field::rho0, "0"), QList({vacuum, floats}));
    EXPECT_EQ(field(Field::rho0)->text(), "0.5");
    EXPECT_EQ(run.inputs().rho0, 0.5);
}

TEST_F(Fields, TypingKeepsTheCursorAndRecomputes) {
    const int before = run.shortRecomputes();
    field(Field::h0)->setFocus();
    field(Field::h0)->selectAll();
    QTest::keyClicks(field(Field::h0), "12.5");
    EXPECT_EQ(field(Field::h0)->text(), "12.500");
    EXPECT_EQ(field(Field::h0)->cursorPosition(), 4);
    EXPECT_EQ(run.inputs().h0, 12.5);
    EXPECT_TRUE(boxes.boxes.isEmpty());
    EXPECT_EQ(run.shortRecomputes(), before + 4); // one per keystroke
    // The labels follow the new height: vacuum top = 1.5²/2/9.814 + 12.5.
    EXPECT_EQ(text(Quantity::Ymax), "Ymax= 12.615 м");
}
