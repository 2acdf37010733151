#include "ProgramFixture.h"

#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>

#include <algorithm>
#include <cmath>

using namespace testing_ui;
using Op = SurfaceCall::Op;

namespace {

const QColor black(0, 0, 0), blue(0, 0, 255), red(255, 0, 0);

// The quadratic-drag column as one line.
QString quadraticColumn(const ui::MainWindow& window) {
    QString line;
    for (int q = int(Quantity::Tp2); q <= int(Quantity::VyEnd2); ++q)
        line += window.result(Quantity(q))->text() + ';';
    return line;
}

const QString bareColumn = "Tp2= ;Хp2= ;Ymax2= ;Tmax2= ;Xmax2= ;Vx2(y=0)= ;Vy2(y=0)= ;";

} // namespace

using Controller = ProgramFixture;

TEST_F(Controller, StartState) {
    const char* const texts[] = {"0.500",  "3.000",  "30.00",    "0.4000",
                                 "7800.0", "1000.0", "0.0010060"};
    for (const Field f : model::allFields)
        EXPECT_EQ(field(f)->text(), texts[int(f)]);
    EXPECT_EQ(window.hScroll()->value(), 100);
    EXPECT_EQ(window.vScroll()->value(), 100);

    EXPECT_EQ(text(Quantity::a_max), "a_max=  34.669 град");
    EXPECT_EQ(text(Quantity::m), "m= 2.614E+02 кг");
    EXPECT_EQ(text(Quantity::Vp2), "Vp2= 8.437 м/с");
    EXPECT_EQ(text(Quantity::VyEnd1), "Vy1(y=0)= -3.293 м/c");
    EXPECT_EQ(quadraticColumn(window), bareColumn);

    // The trajectory pane holds vacuum and linear drag only; the velocity panes nothing.
    EXPECT_GE(run.shortRecomputes(), 1);
    EXPECT_EQ(count(calls(1), Op::DrawLineTo, black), 660);
    EXPECT_EQ(count(calls(1), Op::DrawLineTo, blue), 1106);
    EXPECT_EQ(count(calls(1), Op::DrawLineTo, red), 0);
    EXPECT_TRUE(calls(2).empty());
    EXPECT_TRUE(calls(3).empty());
    EXPECT_TRUE(boxes.boxes.isEmpty());
    EXPECT_EQ(tone.blocking + tone.started, 0);
}

TEST_F(Controller, ShortRecomputeDrawsTheTrajectoryPaneInOrder) {
    // Command1, were it visible, acts like a change of size: the layout only.
    forgetDrawing();
    window.command1()->show();
    QTest::mouseClick(window.command1(), Qt::LeftButton);
    EXPECT_FALSE(window.command1()->isVisible());
    EXPECT_TRUE(calls(1).empty());

    // An input recomputes the trajectory pane.
    paste(Field::h0, "0.5");
    // Clear, scale, axes ending with the ball marker at the start, then vacuum and linear drag:
    // the top line, then the curve from a thick start dot.
    const model::Throw& t = *run.currentThrow();
    const model::ClosedForm& cf = t.closed();
    std::vector<SurfaceCall> expected;
    const auto curve = [&](double xp, double ymax, const QColor& colour, const auto& points) {
        expected.insert(expected.end(),
                        {SurfaceCall::setPenWidth(1), SurfaceCall::line(xp, 0, xp, ymax, colour),
                         SurfaceCall::setPenWidth(3), SurfaceCall::point(0, 0.5f, colour)});
        for (const model::PanePoint& p : points)
            expected.push_back(SurfaceCall::lineTo(p.x, p.y, colour));
    };
    curve(cf.Xp, cf.Ymax, black, t.vacuum().points);
    curve(cf.Xp1, cf.Ymax1, blue, t.linearPath());

    const auto& c = calls(1);
    ASSERT_GE(c.size(), 2u);
    EXPECT_EQ(c[0], SurfaceCall::clear());
    EXPECT_EQ(c[1], SurfaceCall::setScale(0, 1, 2, 0));
    // The axes end by centring the ball marker.
    const auto marker = [](const SurfaceCall& s) { return s.op == Op::PlaceMarker; };
    const std::size_t first = std::find_if(c.begin(), c.end(), marker) - c.begin() + 1;
    EXPECT_EQ(c[first - 1], SurfaceCall::marker(0, 0.5));
    ASSERT_EQ(c.size() - first, expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k)
        ASSERT_EQ(c[first + k], expected[k]) << k;
}

TEST_F(Controller, FullRunWithTheDefaultsThenAResize) {
    QSignalSpy finished(&run, &ui::ThrowController::runFinished);
    forgetDrawing();
    clickRun();
    ASSERT_TRUE(finish());
    EXPECT_EQ(finished.count(), 1);

    EXPECT_EQ(quadraticColumn(window),
              "Tp2= 0.171 c;Xp2= 0.431 м;Ymax2= 0.627 м;Tmax2= 0.562 c;"
              "Xmax2=  1.335 м;Vx2(y=0)=  2.144 м/c;Vy2(y=0)= -3.113 м/c;");
    EXPECT_EQ(tone.started, 1);
    EXPECT_EQ(tone.lastN, 50);
    EXPECT_TRUE(boxes.boxes.isEmpty());

    // Trajectory pane: red start dot, the top marker at the step after the top, 110 pieces, each
    // after the ball marker has moved to its end.
    const auto& c = calls(1);
    EXPECT_EQ(count(c, Op::DrawLineTo, red), 110);
    EXPECT_EQ(count(c, Op::PlaceMarker), 1 + 110);
    std::size_t dot = 0;
    while (dot < c.size() && !(c[dot].op == Op::DrawPointColour && c[dot].colour == red))
        ++dot;
    ASSERT_LT(dot, c.size());
    EXPECT_EQ(c[dot], SurfaceCall::point(0, 0.5f, red));
    std::size_t apex = 0;
    for (std::size_t i = dot; i < c.size(); ++i) {
        if (c[i].op == Op::DrawLineTo) {
            ASSERT_EQ(c[i - 1].op, Op::PlaceMarker);
            EXPECT_FLOAT_EQ(float(c[i - 1].args[0]), float(c[i].args[0]));
        }
        if (c[i].op == Op::DrawLine && c[i].colour == red)
            apex = i;
    }
    ASSERT_GT(apex, dot);
    EXPECT_EQ(c[apex + 1], SurfaceCall::setPenWidth(3));
    EXPECT_NEAR(c[apex].args[0], 0.431380, 1e-5);
    EXPECT_EQ(count({c.begin() + dot, c.begin() + apex}, Op::DrawLineTo), 33); // top at step 337

    // Velocity panes: cleared, scaled, axes, then the six curves.
    for (int n : {2, 3}) {
        const auto& v = calls(n);
        ASSERT_GE(v.size(), 2u);
        EXPECT_EQ(v[0], SurfaceCall::clear());
        EXPECT_EQ(count(v, Op::DrawLineTo, red), 1109) << n;
        EXPECT_GE(count(v, Op::DrawLineTo, blue), 1000) << n;
    }
    EXPECT_EQ(calls(2)[1], SurfaceCall::setScale(0, 3, 1, 0));
    EXPECT_EQ(calls(3)[1], SurfaceCall::setScale(0, 2, 1, -4));
    const model::ClosedForm& cf = run.currentThrow()->closed();
    const double vx0 = 3 * std::cos(cf.alpha);
    EXPECT_NE(std::find(calls(2).begin(), calls(2).end(),
                        SurfaceCall::line(0, float(vx0), float(cf.Tmax), float(vx0), black)),
              calls(2).end());
    const SurfaceCall lastVy = calls(3).back();
    EXPECT_NEAR(lastVy.args[0], 0.561995, 1e-5);
    EXPECT_NEAR(lastVy.args[1], -3.113040, 1e-5);
    EXPECT_GT(window.pane(Graph::vy)->itemCount(), 0u); // the real panes got it too

    // A resize after the run keeps every result and drawing; the trajectory graph comes back
    // to the front.
    const QString landed = quadraticColumn(window);
    window.option(Graph::vx)->click();
    forgetDrawing();
    window.resize(window.width() + 80, window.height() + 40);
    QCoreApplication::processEvents();
    EXPECT_EQ(quadraticColumn(window), landed);
    EXPECT_TRUE(window.option(Graph::trajectory)->isChecked());
    EXPECT_TRUE(window.pane(Graph::trajectory)->isVisible() && window.hScroll()->isVisible());
    for (int n : {1, 2, 3})
        EXPECT_TRUE(calls(n).empty()) << n;

    // A scale bar redraws the same throw at the new scale, the red curve and its top included.
    window.hScroll()->setValue(150);
    EXPECT_EQ(calls(1)[1], SurfaceCall::setScale(0, 1, 3, 0));
    EXPECT_EQ(count(calls(1), Op::DrawLineTo, red), 110);
    EXPECT_EQ(count(calls(1), Op::DrawLine, red), 1);
    EXPECT_EQ(quadraticColumn(window), landed);
    EXPECT_TRUE(calls(2).empty());
}

TEST_F(Controller, RegionalCommaAndScaleBarsAtZero) {
    run.setDecimalSeparator(',');
    run.shortRecompute();
    EXPECT_EQ(text(Quantity::m), "m= 2,614E+02 кг");
    EXPECT_EQ(text(Quantity::tau), "tau= 6,892E+04 c");
    EXPECT_EQ(text(Quantity::Tp), "Tp= 0.153 c");

    // A factor of 0 would leave the pane without width or height: 0.1 stands in.
    forgetDrawing();
    window.hScroll()->setValue(0);
    window.vScroll()->setValue(0);
    for (const SurfaceCall& c : calls(1))
        if (c.op == Op::SetScale) {
            EXPECT_NE(c.args[0], c.args[2]);
            EXPECT_NE(c.args[1], c.args[3]);
        }
    EXPECT_EQ(calls(1).back().op, Op::DrawLineTo);
    EXPECT_EQ(run.currentThrow()->trajectoryRanges().right, 0.2);
    EXPECT_FLOAT_EQ(float(run.currentThrow()->trajectoryRanges().top), 0.1f);
    window.hScroll()->setValue(200);
    EXPECT_EQ(run.currentThrow()->trajectoryRanges().right, 4.0);

    // Single precision for the vertical factor: 0.7 stored as the nearest float. An arrow click
    // moves a bar by one step of 10.
    const int before = run.shortRecomputes();
    window.vScroll()->setValue(70);
    EXPECT_EQ(run.scaleY(), static_cast<float>(70 * 0.01));
    window.hScroll()->setValue(70);
    window.hScroll()->triggerAction(QScrollBar::SliderSingleStepAdd);
    EXPECT_EQ(run.scaleX(), 80 * 0.01);
    EXPECT_EQ(run.shortRecomputes(), before + 3);
}

TEST_F(Controller, FlightGoesOnThroughScaleChangesAndLandsBeforeAnEdit) {
    clickRun();
    flyUntilTick(20);
    ASSERT_TRUE(run.busy());
    forgetDrawing();
    window.vScroll()->setValue(150);
    EXPECT_EQ(calls(1)[0], SurfaceCall::clear());
    EXPECT_EQ(count(calls(1), Op::DrawLineTo, red), run.flight().piecesDrawn());
    ASSERT_TRUE(run.busy());
    ASSERT_TRUE(finish());
    EXPECT_EQ(count(calls(1), Op::DrawLineTo, red), 110); // the redrawn pieces and the rest
    EXPECT_EQ(text(Quantity::Tmax2), "Tmax2= 0.562 c");

    // An edit while the landing tone sounds completes the landing first.
    tone.landingMs = 60000;
    QSignalSpy finished(&run, &ui::ThrowController::runFinished);
    clickRun();
    while (run.flight().running())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    ASSERT_TRUE(run.busy()); // the tone sounds
    EXPECT_EQ(text(Quantity::Tmax2), "Tmax2= ");
    forgetDrawing();
    paste(Field::h0, "1");
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(count(calls(2), Op::DrawLineTo, red), 1109); // the velocity panes of the landing
    EXPECT_FALSE(run.busy());
    EXPECT_EQ(text(Quantity::Tmax2), "Tmax2= "); // then the new input starts afresh
}
