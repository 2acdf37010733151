#include "RunFixture.h"

#include <QLabel>

using namespace testing_ui;
using Box = ui::RecordingMessageBoxes::Box;

namespace {

Box box(const char* text, const char* title) {
    return {QString::fromUtf8(text), QString::fromUtf8(title), false};
}

} // namespace

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

TEST_F(Fields, HeightAndSpeedChecks) {
    const Box fallen = box("Уже упало!!!", "Ошибка");

    // Clearing the field by typing is itself a change to an empty text.
    field(1)->selectAll();
    QTest::keyClick(field(1), Qt::Key_Backspace);
    EXPECT_EQ(boxes.boxes, QList<Box>{fallen});
    EXPECT_EQ(tone.lastN, 25);
    EXPECT_EQ(field(1)->text(), "0.500");
    EXPECT_EQ(window.state().in.h0, 0.5);

    EXPECT_EQ(enter(1, "-1"),
              QList<Box>{box("тело под Землей?! такой расчёт не предусмотрен!", "Ошибка")});
    EXPECT_EQ(field(1)->text(), "0.500");
    EXPECT_EQ(enter(1, "0,5"), QList<Box>{fallen}); // the comma ends the number
    // A positive value that the pattern rounds to zero is refused on the nested run.
    EXPECT_EQ(enter(1, "0.0001"), QList<Box>{fallen});
    EXPECT_TRUE(enter(1, "0.5557").isEmpty());
    EXPECT_EQ(field(1)->text(), "0.556");
    EXPECT_EQ(window.state().in.h0, 0.556);
    EXPECT_TRUE(enter(1, "12abc").isEmpty());
    EXPECT_EQ(field(1)->text(), "12.000");

    EXPECT_EQ(enter(2, "0"), QList<Box>{box("Для падения есть отдельная программа!", "Совет")});
    EXPECT_EQ(field(2)->text(), "3.000");
    EXPECT_EQ(enter(2, "-2"), QList<Box>{box("Это величина скорости! Vo>0", "Ошибка")});
    EXPECT_EQ(field(2)->text(), "3.000");
}

TEST_F(Fields, AngleLimits) {
    const Box limit = box("Угол в диапазоне -90<a<90. А Для вертикального движения есть "
                          "отдельная программа!",
                          "Предупреждение");
    for (const char* refused : {"90", "-90", "120"}) {
        EXPECT_EQ(enter(3, refused), QList<Box>{limit}) << refused;
        EXPECT_EQ(field(3)->text(), "30.00");
    }
    for (const char* accepted : {"89.99", "-89.99"}) {
        EXPECT_TRUE(enter(3, accepted).isEmpty()) << accepted;
        EXPECT_EQ(field(3)->text(), accepted);
    }
    EXPECT_EQ(window.state().in.alphaDeg, -89.99);
}

TEST_F(Fields, DensityCrossChecksWithNestedRounding) {
    const Box sinks = box("Всплывание не моделируется!", "Ошибка");
    EXPECT_EQ(enter(5, "900"), QList<Box>{sinks});
    EXPECT_EQ(field(5)->text(), "2000.0");
    EXPECT_EQ(enter(5, "1000"), QList<Box>{sinks}); // equality is refused too
    EXPECT_EQ(field(5)->text(), "2000.0");
    EXPECT_TRUE(enter(5, "7800").isEmpty());

    const Box floats = box("Всплывание не моделируется", "Ошибка");
    const Box vacuum = box("Для вакуума всё и так известно!", "Ошибка");
    EXPECT_EQ(enter(6, "7800"), QList<Box>{floats});
    EXPECT_EQ(field(6)->text(), "3900.0");
    EXPECT_EQ(enter(6, "0"), QList<Box>{vacuum});
    EXPECT_EQ(field(6)->text(), "1.2");
    EXPECT_EQ(window.state().in.rho0, 1.2);

    // The replacement 1.23 shows as 1.2, which a ball of density 1 cannot sink in: the nested
    // run refuses it again and halves the ball's density, rounded in turn.
    EXPECT_EQ(enter(6, "0.5").size(), 0);
    EXPECT_TRUE(enter(5, "1").isEmpty());
    EXPECT_EQ(enter(6, "0"), (QList<Box>{vacuum, floats}));
    EXPECT_EQ(field(6)->text(), "0.5");
    EXPECT_EQ(window.state().in.rho0, 0.5);

    // Typing the first digit of a new density over the selection is refused at once.
    EXPECT_TRUE(enter(5, "7800").isEmpty());
    EXPECT_TRUE(enter(6, "1000").isEmpty());
    boxes.boxes.clear();
    field(5)->selectAll();
    QTest::keyClicks(field(5), "5");
    EXPECT_EQ(boxes.boxes, QList<Box>{sinks});
    EXPECT_EQ(field(5)->text(), "2000.0");

    EXPECT_EQ(enter(7, "0"), QList<Box>{vacuum});
    EXPECT_EQ(field(7)->text(), "0.0000182");
    EXPECT_EQ(enter(4, "0.00004"), QList<Box>{box("Это не материальная точка!", "Ошибка")});
    EXPECT_EQ(field(4)->text(), "0.0010");
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
