// Run on three screens side by side: 1024 × 768, 1600 × 1000 and 2560 × 1600 (see screens.json).
#include "ProgramFixture.h"
#include "ui/present/PresentationStrip.h"
#include "ui/study/StudyWindow.h"
#include "ui/tools/ToolMenu.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFontInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

#include <algorithm>
#include <map>
#include <vector>

using namespace testing_ui;

namespace {

QRect area(const char* screen) {
    for (const QScreen* s : QGuiApplication::screens())
        if (s->name() == QLatin1String(screen))
            return s->availableGeometry();
    ADD_FAILURE() << "no screen " << screen;
    return {};
}

void moveTo(QWidget& window, const char* screen) {
    window.move(area(screen).topLeft() + QPoint(10, 10));
    QCoreApplication::processEvents();
}

// Every control of the window lies on the area, and the trajectory pane keeps at least the
// share of the client height it has at 100 % (234 of 560 px).
void expectOnScreen(const ui::MainWindow& w, const QRect& area) {
    EXPECT_TRUE(area.contains(w.frameGeometry())) << w.frameGeometry().height();
    for (const QWidget* c : w.clientArea()->findChildren<QWidget*>())
        if (c->isVisible()) {
            EXPECT_TRUE(area.contains(QRect(c->mapToGlobal(QPoint()), c->size())))
                << c->objectName().toStdString();
        }
    EXPECT_GE(w.pane(Graph::trajectory)->height() * 560, 234 * w.clientArea()->height() - 560);
}

} // namespace

// At a projector scale every control's place and font grow with the factor, the first size
// too, and the window cannot become so small that a control is cut off.
TEST(ScreensScale, DoublesEveryPlaceAndFontAndKeepsEveryControlVisible) {
    ui::MainWindow one, two;
    moveTo(two, "huge");
    two.setInterfaceScale(2);
    one.layoutControls();
    two.layoutControls();
    EXPECT_EQ(two.clientArea()->size(), QSize(1440, 1120));
    const auto placed = [](const ui::MainWindow& w) {
        return w.clientArea()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    };
    for (QWidget* a : placed(one)) {
        const QWidget* b = two.clientArea()->findChild<QWidget*>(a->objectName());
        ASSERT_TRUE(b) << a->objectName().toStdString();
        if (a->objectName().startsWith("Label") || a->objectName().startsWith("Text") ||
            a->objectName() == "CmdOK" || a->objectName() == "Frame1") {
            SCOPED_TRACE(a->objectName().toStdString());
            EXPECT_EQ(b->geometry().topLeft(), 2 * a->geometry().topLeft());
            EXPECT_NEAR(b->width(), 2 * a->width(), 1);
            EXPECT_DOUBLE_EQ(b->font().pointSizeF(), 2 * a->font().pointSizeF());
        }
    }
    two.show();
    two.resize(10, 10);
    QCoreApplication::processEvents();
    two.layoutControls();
    const QRect client = two.clientArea()->rect();
    EXPECT_EQ(client.size(), two.minimumClientSize());
    for (QWidget* w : placed(two))
        if (w->isVisible()) {
            EXPECT_TRUE(client.contains(w->geometry())) << w->objectName().toStdString();
        }
}

using Screens = ProgramFixture;

// Each screen offers the scales at which the whole window fits on it, and at each of them every
// control lies on the screen; the others are disabled and say why. A scale asked for that does
// not fit gives the largest that does, and moving to a larger screen gives it back. No scale
// change, maximised or not, takes the landed results off the labels.
TEST_F(Screens, EveryOfferedScaleKeepsEveryControlOnTheScreen) {
    runToLanding();
    std::map<Quantity, QString> landed;
    for (const model::QuantityRow& q : model::quantityRows())
        if (q.stage == model::Stage::flightTop || q.stage == model::Stage::flightLanding)
            landed[q.id] = text(q.id);
    const auto labelsKept = [&] {
        for (const auto& [q, was] : landed)
            if (text(q) != was)
                return false;
        return true;
    };
    ASSERT_FALSE(landed.at(Quantity::Xmax2).contains("не"));
    QMenu* scales = program.view().scaleMenu();

    for (const auto& [screen, fitting] :
         {std::pair<const char*, std::vector<double>>{"small", {1, 1.25}},
          {"large", {1, 1.25, 1.5}}}) {
        SCOPED_TRACE(screen);
        moveTo(window, screen);
        std::vector<double> offered;
        for (QAction* a : scales->actions()) {
            if (a->data().isNull())
                continue;
            emit scales->aboutToShow();
            EXPECT_EQ(a->isEnabled(), !a->toolTip().contains("не помещается"))
                << a->text().toStdString();
            if (!a->isEnabled())
                continue;
            a->trigger();
            QCoreApplication::processEvents();
            offered.push_back(window.interfaceScale());
            SCOPED_TRACE(a->text().toStdString());
            expectOnScreen(window, area(screen));
            EXPECT_TRUE(labelsKept());
        }
        EXPECT_EQ(offered, fitting);

        ui::Preferences big = program.preferences();
        big.interfaceScale = 2;
        program.setPreferences(big);
        QCoreApplication::processEvents();
        EXPECT_EQ(window.interfaceScale(), fitting.back());
        expectOnScreen(window, area(screen));
    }
    moveTo(window, "huge");
    EXPECT_EQ(window.interfaceScale(), 2);
    moveTo(window, "small");
    EXPECT_EQ(window.interfaceScale(), 1.25);

    window.showMaximized();
    QCoreApplication::processEvents();
    QTest::keyClick(&window, Qt::Key_Minus, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.interfaceScale(), 1);
    EXPECT_TRUE(labelsKept());
    window.showNormal();
}

// In the presentation the scale keys grow its type and strip as they grow the window; leaving
// gives the panes back at the window's new scale.
TEST_F(Screens, ScaleKeysGrowThePresentation) {
    moveTo(window, "large");
    graphs::GraphPane* trajectory = window.pane(Graph::trajectory);
    const double points = trajectory->font().pointSizeF();
    ui::toolAction(window, ui::ToolCommand::present)->trigger();
    QWidget* shown = program.presentation().screenWindow();
    ASSERT_TRUE(shown);
    shown->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), shown);
    const int strip = program.presentation().strip()->height();
    QTest::keyClick(shown, Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(window.interfaceScale(), 1.25);
    EXPECT_EQ(QFontInfo(trajectory->font()).pixelSize(),
              ui::Presentation::typePixels(window.screen()->geometry().height(), 1.25));
    EXPECT_GT(program.presentation().strip()->height(), strip);
    QTRY_COMPARE(QApplication::activeWindow(), shown); // still in front, with its keys
    QTest::keyClick(shown, Qt::Key_Escape);
    EXPECT_EQ(trajectory->parentWidget(), window.clientArea());
    EXPECT_DOUBLE_EQ(trajectory->font().pointSizeF(), 1.25 * points);
}

// Study windows, dialogs and whatever else the program opens lie on the screen; each new study
// window is offset from the last.
TEST_F(Screens, OtherWindowsLieOnTheScreen) {
    moveTo(window, "small");
    std::vector<ui::StudyWindow*> studies;
    for (int n = 0; n < 3; ++n) {
        ui::toolAction(window, ui::ToolCommand::study)->trigger();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* s = qobject_cast<ui::StudyWindow*>(w);
                s && std::find(studies.begin(), studies.end(), s) == studies.end())
                studies.push_back(s);
        ASSERT_EQ(studies.size(), n + 1u);
        EXPECT_TRUE(area("small").contains(studies.back()->frameGeometry()));
        if (n > 0) {
            EXPECT_NE(studies[n]->pos(), studies[n - 1]->pos());
        }
    }
    QDialog big(&window);
    big.resize(3000, 2000);
    big.show();
    EXPECT_TRUE(area("small").contains(big.frameGeometry()));
    for (ui::StudyWindow* s : studies)
        s->close();
}
