#include "RunFixture.h"

#include <QLabel>

using namespace testing_ui;
using Box = ui::RecordingMessageBoxes::Box;

class Fields : public RunFixture {
protected:
    // Pastes text over the field's whole text and returns the boxes it brought.
    QList<Box> enter(int n, const QString& text) {
        boxes.boxes.clear();
        tone.blocking = 0;
        paste(n, text);
        EXPECT_EQ(tone.blocking, boxes.boxes.size()) << "one tone before every box";
        return boxes.boxes;
    }
};

TEST_F(Fields, RefusalsRepairsAndDensityCrossChecks) {
    const Box fallen{"Уже упало!!!", "Ошибка"};
    // Clearing the field by typing is itself a change to an empty text.
    field(1)->selectAll();
    QTest::keyClick(field(1), Qt::Key_Backspace);
    EXPECT_EQ(boxes.boxes, QList<Box>{fallen});
    EXPECT_EQ(tone.lastN, 25);
    EXPECT_EQ(field(1)->text(), "0.500");

    const Box under{"тело под Землей?! такой расчёт не предусмотрен!", "Ошибка"};
    const Box limit{"Угол в диапазоне -90<a<90. А Для вертикального движения есть "
                    "отдельная программа!",
                    "Предупреждение"};
    const Box sinks{"Всплывание не моделируется!", "Ошибка"};
    const Box floats{"Всплывание не моделируется", "Ошибка"};
    const Box vacuum{"Для вакуума всё и так известно!", "Ошибка"};
    struct Step {
        int field;
        const char* input;
        QList<Box> boxes;
        const char* shown; // nullptr: not checked
        double model::Inputs::*value = nullptr;
        double expected = 0;
    };
    const Step steps[] = {
        {1, "-1", {under}, "0.500", &model::Inputs::h0, 0.5},
        {1, "0,5", {fallen}, nullptr},    // the comma ends the number
        {1, "0.0001", {fallen}, nullptr}, // rounds to zero: refused on the nested run
        {1, "0.5557", {}, "0.556", &model::Inputs::h0, 0.556},
        {1, "12abc", {}, "12.000"},
        {2, "0", {Box{"Для падения есть отдельная программа!", "Совет"}}, "3.000"},
        {2, "-2", {Box{"Это величина скорости! Vo>0", "Ошибка"}}, "3.000"},
        {3, "90", {limit}, "30.00"},
        {3, "-90", {limit}, "30.00"},
        {3, "120", {limit}, "30.00"},
        {3, "89.99", {}, "89.99"},
        {3, "-89.99", {}, "-89.99", &model::Inputs::alphaDeg, -89.99},
        {5, "900", {sinks}, "2000.0"},
        {5, "1000", {sinks}, "2000.0"}, // equality is refused too
        {5, "7800", {}, nullptr},
        {6, "7800", {floats}, "3900.0"},
        {6, "0", {vacuum}, "1.2", &model::Inputs::rho0, 1.2},
        // The replacement 1.23 shows as 1.2, which a ball of density 1 cannot sink in: the
        // nested run refuses it again and halves the ball's density, rounded in turn.
        {6, "0.5", {}, nullptr},
        {5, "1", {}, nullptr},
        {6, "0", {vacuum, floats}, "0.5", &model::Inputs::rho0, 0.5},
        {5, "7800", {}, nullptr},
        {6, "1000", {}, nullptr},
        {7, "0", {vacuum}, "0.0000182"},
        {4, "0.00004", {Box{"Это не материальная точка!", "Ошибка"}}, "0.0010"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << "Text" << s.field << " <- " << s.input);
        EXPECT_EQ(enter(s.field, s.input), s.boxes);
        if (s.shown) {
            EXPECT_EQ(field(s.field)->text(), s.shown);
        }
        if (s.value) {
            EXPECT_EQ(window.state().in.*s.value, s.expected);
        }
    }

    // Typing the first digit of a new density over the selection is refused at once.
    boxes.boxes.clear();
    field(5)->selectAll();
    QTest::keyClicks(field(5), "5");
    EXPECT_EQ(boxes.boxes, QList<Box>{sinks});
    EXPECT_EQ(field(5)->text(), "2000.0");
}

TEST_F(Fields, TypingKeepsTheCursorAndRecomputes) {
    const int before = run->shortRecomputes();
    field(1)->setFocus();
    field(1)->selectAll();
    QTest::keyClicks(field(1), "12.5");
    EXPECT_EQ(field(1)->text(), "12.500");
    EXPECT_EQ(field(1)->cursorPosition(), 4);
    EXPECT_EQ(window.state().in.h0, 12.5);
    EXPECT_TRUE(boxes.boxes.isEmpty());
    EXPECT_EQ(run->shortRecomputes(), before + 4); // one per keystroke
    // The labels follow the new height: vacuum top = 1.5²/2/9.814 + 12.5.
    EXPECT_EQ(window.label("Label19")->text(), "Ymax= 12.615 м");
}
