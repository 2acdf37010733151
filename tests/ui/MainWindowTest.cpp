#include "ui/window/MainWindow.h"
#include "graphs/GraphPane.h"
#include "ui/tools/ToolMenu.h"
#include "ui/window/InputField.h"
#include "ui/window/LayoutControls.h"
#include "ui/window/ResultLabel.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

using ui::MainWindow;

// (The title and the client area of 720 × 560 under the menu bar: the real-window tests.)
TEST(MainWindow, LookTabOrderAndMenus) {
    MainWindow w;
    EXPECT_EQ(w.clientArea()->palette().color(QPalette::Window), QColor(224, 224, 224));

    // Results sit in cyan boxes, linear drag in blue, quadratic drag in red.
    const QLabel* quadratic = w.result(model::Quantity::VyEnd2);
    EXPECT_EQ(quadratic->palette().color(QPalette::Window), QColor(192, 255, 255));
    EXPECT_EQ(quadratic->frameShape(), QFrame::Box);
    EXPECT_EQ(quadratic->palette().color(quadratic->foregroundRole()), QColor(255, 0, 0));
    const QLabel* linear = w.result(model::Quantity::Tmax1);
    EXPECT_EQ(linear->palette().color(linear->foregroundRole()), QColor(0, 0, 255));
    for (const auto& [widget, weight] :
         {std::pair<QWidget*, int>{w.runButton(), 700}, {w.field(model::Field::rho), 400}}) {
        EXPECT_EQ(widget->font().family(), "Times New Roman");
        EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), 12);
        EXPECT_EQ(widget->font().weight(), weight);
    }

    // Labels never take the focus.
    QStringList chain;
    QWidget* widget = w.runButton();
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            chain << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != w.runButton());
    EXPECT_EQ(chain.join(' '), "CmdOK Text2 Text1 Text3 Text4 Text5 Text6 Text7 Option1 Option2 "
                               "Option3 HScroll1 VScroll1 Command1");

    // «Файл» and «Помощь» show images; every graph pane offers «Инструменты» in its context menu;
    // each menu has its own Alt letter. (The items in order: the real-window tests.)
    QSet<QChar> letters;
    for (const QAction* title : w.menuBar()->actions()) {
        letters.insert(title->text().at(title->text().indexOf('&') + 1).toLower());
        for (const QAction* a : title->menu()->actions())
            EXPECT_EQ(a->icon().isNull(), a->isSeparator() || title->menu() == w.toolsMenu())
                << a->text().toStdString();
    }
    EXPECT_EQ(letters.size(), 3);
    // The tools' commands go to the top in menu order, whoever places them first, parted by
    // group, above what others added to the menu; the panes offer just them.
    QAction* below = w.toolsMenu()->addAction(QStringLiteral("below"));
    QAction* present = ui::addToolAction(w, ui::ToolCommand::present, &w);
    QAction* save = ui::addToolAction(w, ui::ToolCommand::saveGraph, &w);
    QAction* print = ui::addToolAction(w, ui::ToolCommand::print, &w);
    EXPECT_EQ(print->shortcut(), QKeySequence("Ctrl+P"));
    EXPECT_EQ(ui::toolAction(w, ui::ToolCommand::print), print);
    QStringList order;
    for (const QAction* a : w.toolsMenu()->actions())
        order.append(a->isSeparator()            ? QStringLiteral("|")
                     : a->objectName().isEmpty() ? a->text()
                                                 : a->objectName());
    EXPECT_EQ(order.join(' '), "mnuToolsSaveGraph | mnuToolsPrint | mnuToolsPresent below");
    for (const ui::Graph g : ui::allGraphs) {
        EXPECT_EQ(w.pane(g)->contextMenuPolicy(), Qt::ActionsContextMenu);
        EXPECT_EQ(w.pane(g)->actions(), w.toolsMenu()->actions().mid(0, 5));
    }
    EXPECT_EQ(w.toolsMenu()->actions().last(), below);
    EXPECT_TRUE(present->isCheckable());
    EXPECT_TRUE(save->isShortcutVisibleInContextMenu());

    // The focus starts on ПУСК.
    w.layoutControls();
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_EQ(QApplication::focusWidget(), w.runButton());
}

namespace ui {
void PrintTo(const ControlRect& r, std::ostream* os) {
    *os << "{" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << "}";
}
} // namespace ui

using ui::ControlRect;
using ui::layout;

TEST(LayoutControls, InitialClientSizeGivesTheTableGrowingTheGraphArea) {
    const auto r = layout(720, 560);
    const std::pair<const char*, ControlRect> odd[] = {
        {"VScroll1", {4, 4, 18, 234}},    {"HScroll1", {22, 238, 694, 18}},
        {"Picture1", {22, 4, 694, 234}},  {"Picture3", {22, 4, 694, 234}},
        {"Label36", {8, 260, 144, 26}},   {"Label5_2", {8, 345, 14, 26}}, // overlays: 5 px up
        {"Label9_2", {8, 405, 12, 26}},   {"Label13_2", {8, 465, 10, 26}},
        {"Label43", {8, 530, 144, 26}},   {"CmdOK", {616, 350, 72, 26}},
        {"Command1", {668, 324, 108, 26}}};
    for (const auto& [name, rect] : odd)
        EXPECT_EQ(r.at(name), rect) << name;

    // Input rows k = 0…6: caption Label(2k+1), field Text(k+1), unit Label(2k+2) 43.2 wide.
    for (int k = 0; k < 7; ++k) {
        const double top = 290 + 30 * k;
        const auto at = [&r](const char* name, int n) { return r.at(QString(name).arg(n)); };
        EXPECT_EQ(at("Label%1", 2 * k + 1), (ControlRect{8, top, 36, 26})) << k;
        EXPECT_EQ(at("Text%1", k + 1), (ControlRect{44, top, 72, 26})) << k;
        const ControlRect unit = at("Label%1", 2 * k + 2);
        EXPECT_EQ(unit, (ControlRect{116, top, unit.width, 26})) << k;
        EXPECT_NEAR(unit.width, 43.2, 1e-12);
    }
    // Results in three columns, row k at 260 + 30k.
    const char* const results[][3] = {
        {"Label15", "Label21", "Label28"}, {"Label20", "Label22", "Label45"},
        {nullptr, "Label23", "Label44"},   {"Label16", "Label24", "Label29"},
        {"Label33", "Label34", "Label35"}, {"Label19", "Label25", "Label30"},
        {"Label17", "Label26", "Label31"}, {"Label18", "Label27", "Label32"},
        {"Label37", "Label39", "Label41"}, {"Label38", "Label40", "Label42"}};
    for (int k = 0; k < 10; ++k)
        for (int col = 0; col < 3; ++col)
            if (const char* name = results[k][col]) {
                EXPECT_EQ(r.at(name), (ControlRect{160.0 + 152 * col, 260.0 + 30 * k, 144, 26}))
                    << name;
            }
    EXPECT_EQ(ui::toPixels(r.at("Frame1")), QRect(616, 410, 97, 78));
    EXPECT_NEAR(r.at("Frame1").width, 97.2, 1e-12);
    // Half a pixel goes away from zero.
    EXPECT_EQ(ui::toPixels(ControlRect{0.5, 2.5, 10.5, 1.49}), QRect(1, 3, 11, 1));
    EXPECT_EQ(ui::toPixels(ControlRect{-0.5, -2.4, 3, 3}), QRect(-1, -2, 3, 3));
    // Every visible control and nothing else (graph area, panel, rows, overlays, headers, results).
    EXPECT_EQ(r.size(), 8u + 21u + 4u + 4u + 27u);

    // Growing only enlarges the graph area.
    const auto big = layout(1000, 800);
    EXPECT_EQ(big.at("HScroll1"), (ControlRect{22, 478, 974, 18}));
    EXPECT_EQ(big.at("Picture1"), (ControlRect{22, 4, 974, 474}));
    // The panel keeps its size and columns and moves down with the bottom edge.
    for (const char* name :
         {"Label36", "Text4", "Label6", "Label9_2", "Label42", "CmdOK", "Frame1"}) {
        ControlRect moved = r.at(name);
        moved.top += 240;
        EXPECT_EQ(big.at(name), moved) << name;
    }

    // Below 326 × 26 the graph area would get a negative height or width.
    const auto tiny = layout(10, 100);
    for (const auto& [name, rect] : tiny) {
        EXPECT_GE(rect.width, 0) << name.toStdString();
        EXPECT_GE(rect.height, 0) << name.toStdString();
    }
    EXPECT_EQ(tiny.at("Picture1").width + tiny.at("Picture1").height, 0);
    EXPECT_DOUBLE_EQ(tiny.at("HScroll1").top, 4); // right under the empty graph area
}

TEST(Resources, EveryPictureLoadsAtItsSizeAndIsNotBlank) {
    // The window icon, the nine menu images and the authors portrait, at their shown sizes.
    std::vector<std::pair<QString, QSize>> pictures{{"engraving", {21, 32}},
                                                    {"authors_portrait", {150, 180}}};
    for (const char* name : {"app_icon", "book", "table", "power", "booklet_globe", "gear",
                             "portrait", "question", "seal"})
        pictures.push_back({name, {32, 32}});
    for (const auto& [name, size] : pictures) {
        SCOPED_TRACE(name.toStdString());
        const QString path = QStringLiteral(":/images/%1.svg").arg(name);
        const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), size);
        EXPECT_EQ(QIcon(path).pixmap(size).size(), size); // as menus ask for it
        QImage flat(size, image.format());
        flat.fill(image.pixel(0, 0));
        EXPECT_NE(image, flat); // not blank
        if (name == "table") {  // black and white only
            EXPECT_EQ(image.convertToFormat(QImage::Format_Mono).convertToFormat(image.format()),
                      image);
        }
    }
}
