#include "ui/MainWindow.h"
#include "graphs/GraphPane.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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
QString textOf(const QWidget* w) {
    if (auto* l = qobject_cast<const QLabel*>(w))
        return l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        return b->text();
    return qobject_cast<const QGroupBox*>(w)->title();
}

} // namespace

TEST(MainWindow, TitleAndClientArea) {
    MainWindow window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Траектория движения шара, брошенного с "
                                                   "высоты под углом к горизонту в вязкой среде"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.clientArea()->size(), QSize(720, 560));
    EXPECT_EQ(background(window.clientArea()), QColor(224, 224, 224));
}

TEST(MainWindow, TextsTooltipsColoursAndFonts) {
    MainWindow w;
    // Greek captions (row 7 is ρ, space, small Latin o, space, "="); nullptr: not checked.
    const std::tuple<QWidget*, const char*, const char*> texts[] = {
        {w.field(2), nullptr, "начальная скорость "}, // with its trailing space
        {w.field(4), nullptr, "диаметр шара. На экране не отображается!"},
        {w.label("Label5"), "α  =", "число бросков"},
        {w.label("Label20"), nullptr,
         "угол, при котором достигается максимальная дальность полета в вакууме"},
        {w.label("Label1"), nullptr, ""},
        {w.cmdOK(), "ПУСК", "для квадратичной зависимости"},
        {w.command1(), "расчёт 1", "для линейной зависимости"},
        {w.label("Label11"), "ρ o =", nullptr},
        {w.label("Label13_2"), "η", nullptr},
        {w.label("Label14"), " Па с", nullptr},
        {w.label("Label28"), "__ в среде (Fc~v^2)", nullptr},
        {w.frame1(), "Графики", nullptr},
        {w.option(2), "проекции Vx", nullptr}};
    for (const auto& [widget, text, tip] : texts) {
        SCOPED_TRACE(widget->objectName().toStdString());
        if (text)
            EXPECT_EQ(textOf(widget), QString::fromUtf8(text));
        if (tip)
            EXPECT_EQ(widget->toolTip(), QString::fromUtf8(tip));
    }

    // Exactly the numerically computed results are coloured.
    const QColor defaultText = w.label("Label1")->palette().color(QPalette::WindowText);
    const std::pair<QColor, std::vector<const char*>> colours[] = {
        {QColor(0, 0, 255), {"Label26", "Label27", "Label39", "Label40", "Label21"}},
        {QColor(255, 0, 0),
         {"Label29", "Label35", "Label30", "Label31", "Label32", "Label41", "Label42", "Label28"}},
        {defaultText, {"Label20", "Label25", "Label44", "Label45", "Label43", "Label15"}}};
    for (const auto& [colour, names] : colours)
        for (const char* name : names)
            EXPECT_EQ(textColour(w.label(name)), colour) << name;
    EXPECT_EQ(w.field(3)->palette().color(QPalette::Base), QColor(255, 255, 192));
    EXPECT_EQ(background(w.label("Label36")), QColor(224, 224, 224));
    for (const char* name : {"Label16", "Label42", "Label43"}) {
        EXPECT_EQ(background(w.label(name)), QColor(192, 255, 255)) << name;
        EXPECT_EQ(w.label(name)->frameShape(), QFrame::Box) << name;
    }
    EXPECT_EQ(w.pane(1)->foregroundColour(), QColor(0, 0, 0));

    const std::tuple<QWidget*, double, int> fonts[] = {
        {w.label("Label1"), 12, 400}, {w.field(5), 12, 400},    {w.label("Label36"), 12, 700},
        {w.cmdOK(), 12, 700},         {w.option(3), 9.75, 400}, {w.label("Label9_2"), 14.25, 400},
        {w.pane(2), 11.25, 400}};
    for (const auto& [widget, points, weight] : fonts) {
        SCOPED_TRACE(widget->objectName().toStdString());
        EXPECT_EQ(widget->font().family(), "Times New Roman");
        EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), points);
        EXPECT_EQ(widget->font().weight(), weight);
    }
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
    EXPECT_EQ(chain, expected); // labels never take the focus

    window.layoutControls();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), window.cmdOK());
}
