#include "ui/MainWindow.h"
#include "graphs/GraphPane.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

using ui::MainWindow;

namespace {

QColor background(const QWidget* w) {
    return w->palette().color(QPalette::Window);
}
QColor textColour(const QWidget* w) {
    return w->palette().color(w->foregroundRole());
}

} // namespace

TEST(MainWindow, TitleAndClientArea) {
    MainWindow window;
    EXPECT_EQ(window.objectName(), "Form1");
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Траектория движения шара, брошенного с "
                                                   "высоты под углом к горизонту в вязкой среде"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.clientArea()->size(), QSize(720, 560));
    EXPECT_EQ(background(window.clientArea()), QColor(224, 224, 224));
}

TEST(MainWindow, CreationTextsAndTooltips) {
    MainWindow window;
    // Before the first layout every field and result label shows its own name.
    for (int n = 1; n <= 7; ++n)
        EXPECT_EQ(window.field(n)->text(), QStringLiteral("Text%1").arg(n));
    EXPECT_EQ(window.label("Label29")->text(), "Label29");
    EXPECT_EQ(window.label("Label43")->text(), "Label43");

    EXPECT_EQ(window.field(2)->toolTip(), QStringLiteral("начальная скорость "));
    EXPECT_EQ(window.field(4)->toolTip(),
              QStringLiteral("диаметр шара. На экране не отображается!"));
    EXPECT_EQ(window.label("Label5")->toolTip(), QStringLiteral("число бросков"));
    EXPECT_EQ(window.label("Label7")->toolTip(), QStringLiteral("диаметр шара"));
    EXPECT_TRUE(window.label("Label1")->toolTip().isEmpty());
    EXPECT_EQ(window.label("Label20")->toolTip(),
              QStringLiteral("угол, при котором достигается максимальная дальность полета в "
                             "вакууме"));
    EXPECT_EQ(window.label("Label45")->toolTip(), QStringLiteral("величина R"));
    EXPECT_EQ(window.cmdOK()->toolTip(), QStringLiteral("для квадратичной зависимости"));
    EXPECT_EQ(window.command1()->toolTip(), QStringLiteral("для линейной зависимости"));

    // Visible captions with the Greek letters; row 7 is ρ, space, small Latin o, space, "=".
    EXPECT_EQ(window.label("Label5")->text(), QStringLiteral("α  ="));
    EXPECT_EQ(window.label("Label11")->text(), QStringLiteral("ρ o ="));
    EXPECT_EQ(window.label("Label13")->text(), QStringLiteral("η ="));
    EXPECT_EQ(window.label("Label13_2")->text(), QStringLiteral("η"));
    EXPECT_EQ(window.label("Label14")->text(), QStringLiteral(" Па с"));
    EXPECT_EQ(window.label("Label28")->text(), QStringLiteral("__ в среде (Fc~v^2)"));
    EXPECT_EQ(window.cmdOK()->text(), QStringLiteral("ПУСК"));
    EXPECT_EQ(window.command1()->text(), QStringLiteral("расчёт 1"));
    EXPECT_EQ(window.frame1()->title(), QStringLiteral("Графики"));
    EXPECT_EQ(window.option(2)->text(), QStringLiteral("проекции Vx"));
}

TEST(MainWindow, ColoursFollowTheModelOfEachColumn) {
    MainWindow window;
    const QColor grey(224, 224, 224), cyan(192, 255, 255), blue(0, 0, 255), red(255, 0, 0);
    const QColor defaultText = window.label("Label1")->palette().color(QPalette::WindowText);

    EXPECT_EQ(window.field(3)->palette().color(QPalette::Base), QColor(255, 255, 192));
    for (const char* name : {"Label1", "Label36", "Label15", "Label5_2", "Label12"})
        EXPECT_EQ(background(window.label(name)), grey) << name;
    EXPECT_EQ(background(window.frame1()), grey);

    // Exactly the numerically computed results are coloured.
    for (const char* name : {"Label26", "Label27", "Label39", "Label40", "Label21"})
        EXPECT_EQ(textColour(window.label(name)), blue) << name;
    for (const char* name :
         {"Label29", "Label35", "Label30", "Label31", "Label32", "Label41", "Label42", "Label28"})
        EXPECT_EQ(textColour(window.label(name)), red) << name;
    for (const char* name : {"Label20", "Label25", "Label44", "Label45", "Label43", "Label15"})
        EXPECT_EQ(textColour(window.label(name)), defaultText) << name;

    for (const char* name : {"Label16", "Label24", "Label42", "Label43"}) {
        const QLabel* l = window.label(name);
        EXPECT_EQ(background(l), cyan) << name;
        EXPECT_EQ(l->frameShape(), QFrame::Box) << name;
        EXPECT_EQ(l->lineWidth(), 1) << name;
        EXPECT_EQ(l->palette().color(QPalette::WindowText), defaultText) << name; // border
        EXPECT_TRUE(l->alignment() & Qt::AlignLeft) << name;
    }
    EXPECT_TRUE(window.label("Label21")->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(window.label("Label21")->frameShape(), QFrame::NoFrame);

    EXPECT_EQ(window.pane(1)->foregroundColour(), QColor(0, 0, 0));
    EXPECT_EQ(window.pane(2)->foregroundColour(), window.palette().color(QPalette::WindowText));
    EXPECT_NE(window.pane(1)->findChild<QWidget*>("Shape1"), nullptr);
}

TEST(MainWindow, Fonts) {
    MainWindow window;
    auto check = [](const QWidget* w, double points, int weight) {
        const QFont f = w->font();
        EXPECT_EQ(f.family(), "Times New Roman") << w->objectName().toStdString();
        EXPECT_DOUBLE_EQ(f.pointSizeF(), points) << w->objectName().toStdString();
        EXPECT_EQ(f.weight(), weight) << w->objectName().toStdString();
    };
    check(window.label("Label1"), 12, 400);
    check(window.field(5), 12, 400);
    check(window.label("Label42"), 12, 400);
    check(window.label("Label36"), 12, 700);
    check(window.label("Label15"), 12, 400);
    check(window.cmdOK(), 12, 700);
    check(window.command1(), 12, 700);
    check(window.frame1(), 9.75, 400);
    check(window.option(3), 9.75, 400);
    check(window.label("Label9_2"), 14.25, 400);
    check(window.pane(2), 11.25, 400);
}

TEST(MainWindow, ScaleBarsAndOptionsAsCreated) {
    MainWindow window;
    for (QScrollBar* bar : {window.hScroll(), window.vScroll()}) {
        EXPECT_EQ(bar->minimum(), 0);
        EXPECT_EQ(bar->maximum(), 200);
        EXPECT_EQ(bar->singleStep(), 10);
        EXPECT_EQ(bar->pageStep(), 10);
        EXPECT_EQ(bar->value(), 10);
    }
    EXPECT_EQ(window.hScroll()->orientation(), Qt::Horizontal);
    EXPECT_EQ(window.vScroll()->orientation(), Qt::Vertical);
    for (int n = 1; n <= 3; ++n) {
        EXPECT_FALSE(window.option(n)->isChecked());
        EXPECT_EQ(window.option(n)->parentWidget(), window.frame1());
    }
    EXPECT_EQ(window.option(1)->geometry(), QRect(0, 20, 88, 13));
    EXPECT_EQ(window.option(3)->geometry(), QRect(1, 60, 93, 15));
}

TEST(MainWindow, TabOrderAndInitialFocus) {
    MainWindow window;
    const QStringList expected{"CmdOK",   "Text2",    "Text1",    "Text3",   "Text4",
                               "Text5",   "Text6",    "Text7",    "Option1", "Option2",
                               "Option3", "HScroll1", "VScroll1", "Command1"};
    QStringList chain;
    QWidget* w = window.cmdOK();
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w != window.cmdOK());
    EXPECT_EQ(chain, expected);

    window.layoutControls();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), window.cmdOK());
    // Labels never take the focus.
    EXPECT_EQ(window.label("Label1")->focusPolicy(), Qt::NoFocus);
}
