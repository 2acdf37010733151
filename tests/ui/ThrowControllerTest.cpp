#include "ProgramFixture.h"
#include "support/LoopLatency.h"
#include "support/RecordingThrowView.h"
#include "ui/run/SessionObject.h"

#include <QAction>
#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>

#include <algorithm>

using namespace testing_ui;

namespace {

const QColor black(0, 0, 0), blue(0, 0, 255), red(255, 0, 0);

// The result labels from `from` to `to` (by default the red column), in the window, the view the
// controller writes to, or the model.
template <class Source>
QString labels(const Source& s, Quantity from = Quantity::Tp2, Quantity to = Quantity::VyEnd2) {
    QString line;
    for (int q = int(from); q <= int(to); ++q)
        if constexpr (std::is_same_v<Source, model::Throw>)
            line += QString::fromStdString(s.text(Quantity(q))) + ';';
        else if constexpr (std::is_same_v<Source, ui::RecordingThrowView>)
            line += QString::fromStdString(s.label(Quantity(q))) + ';';
        else
            line += s.result(Quantity(q))->text() + ';';
    return line;
}
const QString bareColumn = "Tp2= ;Хp2= ;Ymax2= ;Tmax2= ;Xmax2= ;Vx2(y=0)= ;Vy2(y=0)= ;";

// The controller and the session alone, without a window: it draws on recording surfaces and
// writes its labels into a recording view; the animation ticks as fast as the loop runs.
class Run : public ::testing::Test {
protected:
    void SetUp() override {
        run.setDecimalSeparator('.');
        run.setTickInterval(0);
        run.load();
        run.shortRecompute(); // as the window's first showing brings it
    }

    const std::vector<SurfaceCall>& calls(int pane) const { return drawn[pane - 1].calls(); }
    void forgetDrawing() {
        for (auto& d : drawn)
            d.forget();
    }
    QString text(Quantity q) const { return QString::fromStdString(view.label(q)); }
    // A text that arrives whole in a field, as a paste or a committed typing does.
    void paste(Field f, const char* text) {
        run.settleField(f, text, session.session().field(f), [](const auto&) {});
    }
    void bars(int x, int y) { session.session().setScaleBars(x, y); }
    bool finish(int timeoutMs = 20000, int ticks = INT_MAX) {
        QElapsedTimer clock;
        clock.start();
        while (run.busy() && run.flight().ticks() < ticks && clock.elapsed() < timeoutMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        return !run.busy();
    }

    ui::SessionObject session;
    ui::RecordingThrowView view;
    graphs::RecordingSurface drawn[3];
    ui::RecordingMessageBoxes boxes;
    ui::SilentTone tone;
    ui::ThrowController run{session, view, {&drawn[0], &drawn[1], &drawn[2]}, boxes, tone};
};

} // namespace

using Controller = ProgramFixture;

// At start and after every input the trajectory pane is drawn anew, vacuum and linear drag after
// the axes and the ball marker; the velocity panes and the red column wait for ПУСК.
TEST_F(Controller, StartStateAndTheTrajectoryPaneDrawnInOrder) {
    QStringList fields;
    for (const Field f : model::allFields)
        fields << field(f)->text();
    EXPECT_EQ(fields.join(' '), "0.500 3.000 30.00 0.4000 7800.0 1000.0 0.0010060");
    EXPECT_EQ(window.hScroll()->value() + window.vScroll()->value(), 200);
    const model::Throw& t = *run.currentThrow();
    EXPECT_EQ(labels(window, Quantity::a_max, Quantity::VyEnd1),
              labels(t, Quantity::a_max, Quantity::VyEnd1));
    EXPECT_EQ(labels(window), bareColumn);
    EXPECT_TRUE(calls(2).empty() && calls(3).empty() && boxes.boxes.isEmpty());
    EXPECT_EQ(tone.blocking + tone.started, 0);
    const std::vector<SurfaceCall> atStart = calls(1);

    // Command1, were it visible, acts like a change of size: the layout only.
    forgetDrawing();
    window.relayoutButton()->show();
    QTest::mouseClick(window.relayoutButton(), Qt::LeftButton);
    EXPECT_FALSE(window.relayoutButton()->isVisible());
    EXPECT_TRUE(calls(1).empty());

    paste(Field::h0, "0.5");
    const model::ClosedForm& cf = run.currentThrow()->closed(); // a new throw, alike
    std::vector<SurfaceCall> expected;
    const auto curve = [&](double xp, double ymax, const QColor& colour, const auto& points) {
        expected.insert(expected.end(),
                        {SurfaceCall::setPenWidth(1), SurfaceCall::line(xp, 0, xp, ymax, colour),
                         SurfaceCall::setPenWidth(3), SurfaceCall::point(0, 0.5f, colour)});
        for (const model::PanePoint& p : points)
            expected.push_back(SurfaceCall::lineTo(p.x, p.y, colour));
    };
    curve(cf.Xp, cf.Ymax, black, run.currentThrow()->vacuum().points);
    curve(cf.Xp1, cf.Ymax1, blue, run.currentThrow()->linearPath());
    for (const auto* c : {&atStart, &calls(1)}) {
        const std::vector<SurfaceCall> drawn = sinceClear(*c);
        ASSERT_TRUE(drawn.size() < c->size() && !drawn.empty()); // cleared, then drawn
        EXPECT_EQ(drawn[0], SurfaceCall::setScale(0, 1, 2, 0));
        const auto marker = std::find(drawn.begin(), drawn.end(), SurfaceCall::marker(0, 0.5));
        ASSERT_NE(marker, drawn.end());
        EXPECT_EQ(std::vector(marker + 1, drawn.end()), expected);
    }
}

TEST_F(Controller, FullRunWithAnotherGraphChosenInFlightThenAResizeAndAScaleBar) {
    QSignalSpy finished(&run, &ui::ThrowController::runFinished);
    forgetDrawing();
    clickRun();
    flyUntilTick(30);
    ASSERT_TRUE(run.busy());
    // Another graph only switches panes: nothing is cleared, the flight goes on drawing.
    const std::size_t beforeSwitch = calls(1).size();
    QTest::mouseClick(window.option(Graph::vx), Qt::LeftButton, {}, QPoint(6, 7));
    EXPECT_TRUE(window.pane(Graph::vx)->isVisible());
    EXPECT_FALSE(window.pane(Graph::trajectory)->isVisible());
    EXPECT_FALSE(window.hScroll()->isVisible() || window.vScroll()->isVisible());
    ASSERT_TRUE(finish());
    EXPECT_EQ(finished.count(), 1);
    EXPECT_TRUE(window.pane(Graph::vx)->isVisible()); // the run does not take the choice back
    EXPECT_EQ(tone.started, 1); // the landing tone (its length: the real-window sound test)

    // Red start dot, top marker after the top, 110 pieces, each after the ball marker moved there.
    const auto& c = calls(1);
    EXPECT_EQ(count({c.begin() + beforeSwitch, c.end()}, Op::Clear), 0);
    EXPECT_EQ(count(c, Op::DrawLineTo, red), 110);
    EXPECT_EQ(count(c, Op::PlaceMarker), 1 + 110);
    const auto dot = std::find(c.begin(), c.end(), SurfaceCall::point(0, 0.5f, red));
    ASSERT_NE(dot, c.end());
    auto apex = c.end();
    for (auto i = dot; i != c.end(); ++i) {
        if (i->op == Op::DrawLineTo) {
            ASSERT_EQ(i[-1].op, Op::PlaceMarker);
            EXPECT_FLOAT_EQ(float(i[-1].args[0]), float(i->args[0]));
        }
        if (i->op == Op::DrawLine && i->colour == red)
            apex = i;
    }
    ASSERT_NE(apex, c.end());
    EXPECT_EQ(apex[1], SurfaceCall::setPenWidth(3));
    EXPECT_NEAR(apex->args[0], 0.431380, 1e-5);
    EXPECT_EQ(count({dot, apex}, Op::DrawLineTo), 33); // top at step 337

    // Velocity panes: cleared, scaled, axes, then the curves.
    for (const auto& [n, scale] : {std::pair{2, SurfaceCall::setScale(0, 3, 1, 0)},
                                   {3, SurfaceCall::setScale(0, 2, 1, -4)}}) {
        ASSERT_GE(calls(n).size(), 2u);
        EXPECT_EQ(calls(n)[0], SurfaceCall::clear());
        EXPECT_EQ(calls(n)[1], scale);
        EXPECT_EQ(count(calls(n), Op::DrawLineTo, red), 1109) << n;
        EXPECT_GE(count(calls(n), Op::DrawLineTo, blue), 1000) << n;
    }

    // A resize after the run keeps every result and drawing and brings the trajectory graph back.
    const QString landed = labels(window);
    EXPECT_EQ(landed, labels(*run.currentThrow()));
    forgetDrawing();
    window.resize(window.width() + 80, window.height() + 40);
    QCoreApplication::processEvents();
    EXPECT_EQ(labels(window), landed);
    EXPECT_TRUE(window.option(Graph::trajectory)->isChecked());
    EXPECT_TRUE(window.pane(Graph::trajectory)->isVisible() && window.hScroll()->isVisible());
    for (int n : {1, 2, 3})
        EXPECT_TRUE(calls(n).empty()) << n;

    // A scale bar redraws the same throw at the new scale, the red curve and its top included;
    // an arrow click steps 10.
    window.hScroll()->setValue(140);
    window.hScroll()->triggerAction(QScrollBar::SliderSingleStepAdd);
    EXPECT_EQ(run.scaleX(), 150 * 0.01);
    const std::vector<SurfaceCall> rescaled = sinceClear(calls(1));
    EXPECT_EQ(rescaled[0], SurfaceCall::setScale(0, 1, 3, 0));
    EXPECT_EQ(count(rescaled, Op::DrawLineTo, red), 110);
    EXPECT_EQ(count(rescaled, Op::DrawLine, red), 1);
    EXPECT_EQ(labels(window), landed);
    EXPECT_TRUE(calls(2).empty());
}

TEST_F(Run, RegionalCommaAndScaleBarsAtZero) {
    run.setDecimalSeparator(',');
    run.shortRecompute();
    EXPECT_EQ(text(Quantity::m), "m= 2,614E+02 кг");
    EXPECT_EQ(text(Quantity::Tp), "Tp= 0.153 c");

    // A factor of 0 would leave the pane without width or height: 0.1 stands in.
    forgetDrawing();
    bars(0, 100);
    bars(0, 0);
    EXPECT_EQ(calls(1).back().op, Op::DrawLineTo);
    EXPECT_EQ(run.currentThrow()->trajectoryRanges().right, 0.2);
    EXPECT_FLOAT_EQ(float(run.currentThrow()->trajectoryRanges().top), 0.1f);
    bars(200, 0);
    EXPECT_EQ(run.currentThrow()->trajectoryRanges().right, 4.0);

    // The vertical factor in single precision (0.7 as the nearest float).
    const int before = run.shortRecomputes();
    bars(200, 70);
    EXPECT_EQ(run.scaleY(), static_cast<float>(70 * 0.01));
    bars(70, 70);
    bars(80, 70);
    EXPECT_EQ(run.scaleX(), 80 * 0.01);
    EXPECT_EQ(run.shortRecomputes(), before + 3);
}

TEST_F(Run, FlightGoesOnThroughScaleChangesAndLandsBeforeAnEdit) {
    run.fullRun();
    finish(10000, 20);
    ASSERT_TRUE(run.busy());
    forgetDrawing();
    bars(100, 150);
    EXPECT_EQ(calls(1)[0], SurfaceCall::clear());
    EXPECT_EQ(count(calls(1), Op::DrawLineTo, red), run.flight().piecesDrawn());
    ASSERT_TRUE(run.busy());
    ASSERT_TRUE(finish());
    EXPECT_EQ(count(calls(1), Op::DrawLineTo, red), 110); // the redrawn pieces and the rest
    EXPECT_EQ(text(Quantity::Tmax2), "Tmax2= 0.562 c");

    // An edit while the landing tone sounds completes the landing first.
    tone.landingMs = 60000;
    QSignalSpy finished(&run, &ui::ThrowController::runFinished);
    run.fullRun();
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

TEST_F(Run, AFieldEditOrASecondRunAbandonsTheFlight) {
    QSignalSpy finished(&run, &ui::ThrowController::runFinished);
    run.fullRun();
    finish(10000, 40); // past the top: its labels are written
    ASSERT_TRUE(run.busy());
    EXPECT_EQ(text(Quantity::Tp2), "Tp2= 0.171 c");

    EXPECT_TRUE(session.session().type(Field::h0, "1").accepted);
    EXPECT_FALSE(run.busy()); // the typed height is already a sound value
    EXPECT_EQ(labels(view), bareColumn);
    EXPECT_EQ(count(sinceClear(calls(1)), Op::DrawLineTo, red), 0);
    finish(300);
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(calls(2).empty());

    // A second ПУСК during the next flight starts over; the run shows what h0 = 1 gives.
    model::Throw expected(run.inputs());
    expected.runToEnd();
    run.fullRun();
    finish(10000, 50);
    ASSERT_TRUE(run.busy());
    run.fullRun();
    ASSERT_TRUE(finish());
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(tone.started, 1);
    EXPECT_EQ(view.trajectoryChosen, 3);
    EXPECT_EQ(labels(view), labels(expected));
    EXPECT_EQ(count(sinceClear(calls(1)), Op::DrawLineTo, red),
              int(expected.flightPieces().size()));
    EXPECT_EQ(count(calls(2), Op::Clear), 1);
}

// A throw of a long walk is computed off the window's thread (here: every throw). Until it is
// ready the panes and labels keep the throw before it; a later edit wins over an earlier one,
// a scale changed meanwhile applies to it, and ПУСК flies it once it is ready.
TEST_F(Run, LongThrowsAreComputedAsideAndTheLatestEditWins) {
    run.setBackgroundWalk(0);
    const model::Throw* before = run.currentThrow();
    const QString shown = labels(view, Quantity::a_max, Quantity::VyEnd1);
    forgetDrawing();
    paste(Field::h0, "1");
    EXPECT_TRUE(run.throwPending());
    paste(Field::h0, "3");
    bars(40, 60);
    EXPECT_EQ(run.currentThrow(), before);
    EXPECT_EQ(labels(view, Quantity::a_max, Quantity::VyEnd1), shown);
    EXPECT_EQ(count(calls(1), Op::Clear), 1); // the scale bars redrew the throw on show
    ASSERT_TRUE(QTest::qWaitFor([&] { return !run.throwPending(); }, 20000));
    model::Throw expected(run.inputs(), session::Run::settingsFor(run.scaleX(), run.scaleY()));
    EXPECT_EQ(labels(view, Quantity::a_max, Quantity::VyEnd1),
              labels(expected, Quantity::a_max, Quantity::VyEnd1));
    EXPECT_EQ(run.currentThrow()->trajectoryRanges().right, expected.trajectoryRanges().right);
    expected.thinLinearPath(1.0 / 65536);
    EXPECT_EQ(count(sinceClear(calls(1)), Op::DrawLineTo, blue),
              int(expected.drawnLinearPath().size()));

    // ПУСК waits for the throw, then flies it; an edit meanwhile abandons it as a flight.
    paste(Field::h0, "2");
    run.fullRun();
    paste(Field::h0, "1");
    EXPECT_FALSE(run.busy());
    run.fullRun();
    EXPECT_TRUE(run.busy());
    EXPECT_TRUE(run.throwPending());
    ASSERT_TRUE(finish());
    model::Throw flown(run.inputs(), session::Run::settingsFor(run.scaleX(), run.scaleY()));
    flown.runToEnd();
    EXPECT_EQ(labels(view), labels(flown));
    EXPECT_EQ(tone.started, 1);
    EXPECT_EQ(view.trajectoryChosen, 1);
    EXPECT_TRUE(run.velocitiesShown());
}

// An edit that walks seven million points leaves the window answering meanwhile.
TEST_F(Controller, AnEditOfALongWalkLeavesTheWindowAnswering) {
    run.setSurfaces(window.pane(Graph::trajectory), window.pane(Graph::vx), window.pane(Graph::vy));
    const std::pair<Field, const char*> longWalk[] = {
        {Field::h0, "2"},    {Field::v0, "10"},     {Field::alphaDeg, "45"}, {Field::d, "0.05"},
        {Field::eta, "1.5"}, {Field::rho0, "1000"}, {Field::rho, "1000.4"}};
    for (const auto& [f, text] : longWalk)
        paste(f, text);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !run.throwPending(); }, 30000));
    ui::LoopLatency latency;
    latency.start();
    paste(Field::rho, "1000.2");
    EXPECT_TRUE(run.throwPending());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !run.throwPending(); }, 30000));
    std::printf("longest gap of the event loop, an edit of %lld points: %lld ms\n",
                static_cast<long long>(run.currentThrow()->linear().points),
                latency.longestGapMs());
    EXPECT_GT(run.currentThrow()->linear().points, 5000000);
    EXPECT_EQ(run.currentThrow()->inputs().rho, 1000.2);
    EXPECT_LT(latency.longestGapMs(), 300);
    // The pane draws the curve thinned, to the same landing.
    const model::Throw& t = *run.currentThrow();
    EXPECT_LT(t.drawnLinearPath().size(), 100000u);
    EXPECT_EQ(t.drawnLinearPath().back().x, t.linearPath().back().x);
    EXPECT_EQ(t.drawnLinearPath().back().y, t.linearPath().back().y);
}

// Closing asks first, by the window's close box and by "Выход" alike; No keeps everything, the
// flight in progress included; Yes ends it.
TEST_F(Controller, ClosingAsksFirst) {
    QApplication::setQuitOnLastWindowClosed(false);
    clickRun();
    flyUntilTick(20);
    const QString before = labels(window, Quantity::a_max, Quantity::VyEnd2);
    const ui::RecordingMessageBoxes::Box question{"Вы абсолютно уверены?", "На Выход", true};
    boxes.answer = false;
    window.menuActions().exitAction->trigger();
    EXPECT_FALSE(window.close());
    EXPECT_EQ(boxes.boxes, QList({question, question}));
    EXPECT_TRUE(window.isVisible() && run.busy());
    EXPECT_EQ(labels(window, Quantity::a_max, Quantity::VyEnd2), before);
    boxes.answer = true;
    window.menuActions().exitAction->trigger();
    EXPECT_FALSE(window.isVisible() || run.busy());
    QApplication::setQuitOnLastWindowClosed(true);
}

// An animated run paints only each tick's new pieces onto the pane's picture, which then looks
// as the whole drawing rendered afresh (also at a device pixel ratio of 2: see CMakeLists).
using PanePictureWindow = ProgramFixture;

TEST_F(PanePictureWindow, AnimatedRunPaintsOnlyTheNewPiecesAndLooksAsAWholeRender) {
    const char* viscous[] = {"2", "10", "45", "0.05", "1200", "1000", "1.5"};
    for (const bool isViscous : {false, true}) {
        for (const Field f : model::allFields)
            paste(f, isViscous ? viscous[int(f)] : field(f)->text());
        graphs::GraphPane& pane = *window.pane(Graph::trajectory);
        clickRun();
        flyUntilTick(3);
        const int renders = pane.pictureRenders();
        ASSERT_TRUE(finish(60000));
        EXPECT_GT(run.flight().ticks(), 100);
        EXPECT_EQ(pane.pictureRenders(), renders) << isViscous << ": a tick rendered everything";
        pane.marker()->hide();
        const QRect interior = pane.contentsRect();
        EXPECT_EQ(pane.grab(interior).toImage().convertToFormat(QImage::Format_RGB32),
                  pane.toImage(interior.size(), pane.devicePixelRatioF())
                      .convertToFormat(QImage::Format_RGB32))
            << isViscous;
        pane.marker()->show();
    }
}
