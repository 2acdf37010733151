#include "ProgramFixture.h"

#include "model/Constants.h"
#include "ui/tools/KeptThrowDrawing.h"

#include <QAction>
#include <QMouseEvent>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTemporaryDir>

#include <cmath>
#include <map>

using namespace testing_ui;
using Op = SurfaceCall::Op;

namespace {

// y of a polyline at x, by a plain walk (the start point first).
double walkedValue(model::PanePoint start, const std::vector<model::PanePoint>& points, double x) {
    model::PanePoint a = start;
    for (const model::PanePoint& b : points) {
        if ((a.x <= x && x <= b.x) && b.x > a.x)
            return a.y + (x - a.x) / (b.x - a.x) * (b.y - a.y);
        a = b;
    }
    return NAN;
}

} // namespace

class Readout : public ProgramFixture {
protected:
    void runToLanding() {
        run.setGroupsPerTick(0);
        clickRun();
        ASSERT_TRUE(finish());
        QCoreApplication::processEvents();
    }
    void showGraph(Graph g) {
        QTest::mouseClick(window.option(g), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    // Moves the pointer over the pane to the point (x, y) of its user coordinates.
    void pointAt(Graph g, double x, double y) {
        graphs::GraphPane* pane = window.pane(g);
        const QRect interior = pane->contentsRect();
        const QPointF at =
            QPointF(interior.topLeft()) + pane->transform().toPixel(x, y, QSizeF(interior.size()));
        QMouseEvent move(QEvent::MouseMove, at, pane->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(pane, &move);
    }
    // The numbers of a row of the readout's text ("—" gives NaN).
    std::vector<double> row(Graph g, int line) const {
        const QStringList lines = window.pane(g)->accessibleDescription().split('\n');
        std::vector<double> out;
        if (line >= lines.size())
            return out;
        for (const QString& cell : lines[line].split(' ', Qt::SkipEmptyParts)) {
            bool ok = false;
            const double v = cell.toDouble(&ok);
            out.push_back(ok ? v : NAN);
        }
        return out;
    }
    void compare(bool on) {
        const QSignalBlocker quiet(&program.comparison()); // the test's choice is not remembered
        program.comparison().setComparing(on);
    }
};

TEST_F(Readout, ShowsTheCurvesAtThePointerWithoutRenderingThePictureAgain) {
    pointAt(Graph::trajectory, 0.5, 0.5); // before ПУСК the red curve has no values
    EXPECT_TRUE(std::isnan(row(Graph::trajectory, 3).at(2)));
    runToLanding();
    const model::Throw& t = *run.currentThrow();
    graphs::GraphPane* pane = window.pane(Graph::trajectory);
    const int renders = pane->pictureRenders();

    pointAt(Graph::trajectory, 1.0, 0.4);
    const QStringList lines = pane->accessibleDescription().split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], "Х, м  1.000");
    EXPECT_EQ(lines[1], "Y, м  0.400");
    EXPECT_EQ(lines[2], "вакуум  Fc~v  Fc~v^2");
    // At X = 1 m: the parabola; the linear-drag path through x(t) = v0·tau·cosα·(1 − e^(−t/tau));
    // the flight's own points.
    const model::Inputs& in = t.inputs();
    const double a = t.closed().alpha, tau = t.closed().tau, Vp1 = t.closed().Vp1;
    const double vacuum =
        in.h0 + std::tan(a) - model::g / (2 * in.v0 * in.v0 * std::cos(a) * std::cos(a));
    const double t1 = -tau * std::log1p(-1 / (in.v0 * tau * std::cos(a)));
    const double linear =
        in.h0 + (in.v0 * std::sin(a) + Vp1) * tau * -std::expm1(-t1 / tau) - Vp1 * t1;
    const double quadratic = walkedValue({0, float(in.h0)}, t.flightPieces(), 1.0);
    const std::vector<double> heights = row(Graph::trajectory, 3);
    ASSERT_EQ(heights.size(), 3u);
    EXPECT_NEAR(heights[0], vacuum, 0.0006);
    EXPECT_NEAR(heights[1], linear, 0.0006);
    EXPECT_NEAR(heights[2], quadratic, 0.0006);
    EXPECT_LT(heights[2], heights[1]); // the drag of water shows

    // Past its landing the red curve has ended.
    pointAt(Graph::trajectory, t.flightPieces().back().x + 0.01, 0.1);
    EXPECT_TRUE(std::isnan(row(Graph::trajectory, 3).at(2)));
    for (int n = 0; n < 20; ++n) {
        pointAt(Graph::trajectory, 0.05 * n, 0.5);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(pane->pictureRenders(), renders);

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(pane, &leave);
    EXPECT_TRUE(pane->accessibleDescription().isEmpty());

    // Vy at t = 0.300 s: v0·sinα − g·t in vacuum, the closed form with drag, the Euler curve.
    showGraph(Graph::vy);
    pointAt(Graph::vy, 0.3, 0);
    EXPECT_EQ(window.pane(Graph::vy)->accessibleDescription().section('\n', 0, 0), "t, c  0.300");
    const std::vector<double> vy = row(Graph::vy, 3);
    ASSERT_EQ(vy.size(), 3u);
    const model::VelocityCurves& c = t.velocityCurves();
    EXPECT_NEAR(vy[0], in.v0 * std::sin(a) - model::g * 0.3, 0.0006);
    EXPECT_NEAR(vy[1], in.v0 * std::sin(a) * std::exp(-0.3 / tau) - Vp1 * -std::expm1(-0.3 / tau),
                0.0006);
    EXPECT_NEAR(vy[2], walkedValue(c.quadraticVy[0], c.quadraticVy, 0.3), 0.0006);

    // A new input leaves these curves on the velocity panes until the next landing: they are
    // still read.
    paste(Field::v0, "2");
    showGraph(Graph::vy);
    pointAt(Graph::vy, 0.3, 0);
    const std::vector<double> earlier = row(Graph::vy, 3);
    ASSERT_EQ(earlier.size(), 3u);
    for (int m = 0; m < 3; ++m)
        EXPECT_NEAR(earlier[m], vy[m], 0.0011) << m;
}

namespace {

// The calls since the pane was last cleared.
std::vector<SurfaceCall> sinceClear(const std::vector<SurfaceCall>& calls) {
    auto last = std::find_if(calls.rbegin(), calls.rend(),
                             [](const SurfaceCall& c) { return c.op == Op::Clear; });
    return {last.base(), calls.end()};
}

QStringList texts(const std::vector<SurfaceCall>& calls) {
    QStringList out;
    for (const SurfaceCall& c : calls)
        if (c.op == Op::PrintText && c.text.contains(':'))
            out << c.text;
    return out;
}

int shaded(const std::vector<SurfaceCall>& calls) {
    int n = 0;
    for (std::size_t m = 0; m < 3; ++m)
        n += count(calls, Op::DrawLineTo, ui::keptShade(m));
    return n;
}

} // namespace

using Comparison = Readout;

TEST_F(Comparison, KeepsFiveThrowsBeneathTheCurrentOneAndNamesWhatDiffers) {
    compare(true);
    runToLanding();
    const model::TrajectoryRanges first = run.currentThrow()->trajectoryRanges();
    paste(Field::v0, "1"); // the landed throw goes beneath: 1
    paste(Field::eta, "1.5");
    EXPECT_EQ(texts(sinceClear(calls(1))), QStringList{"1: Vo = 3.000 м/с, η = 0.0010060 Па·с"});
    EXPECT_GT(shaded(sinceClear(calls(2))), 0); // the velocity panes show it too
    EXPECT_GT(shaded(sinceClear(calls(3))), 0);
    // The slow throw falls short: the pane keeps the first throw's range.
    EXPECT_LT(run.currentThrow()->trajectoryRanges().right, first.right);
    EXPECT_EQ(sinceClear(calls(1))[0],
              SurfaceCall::setScale(first.left, first.top, first.right, first.bottom));

    for (int n = 0; n < 6; ++n)
        runToLanding();
    // Throws 1 … 6 landed before the current one; the five latest lie beneath it.
    EXPECT_EQ(program.comparison().kept().size(), 5u);
    EXPECT_EQ(texts(sinceClear(calls(1))),
              QStringList({"2: те же данные", "3: те же данные", "4: те же данные",
                           "5: те же данные", "6: те же данные"}));
    pointAt(Graph::trajectory, 0.1, 0.1);
    // Coordinates, the models' names, the throw and the five kept ones.
    EXPECT_EQ(window.pane(Graph::trajectory)->accessibleDescription().split('\n').size(), 9);

    // A scale-bar move draws them again; clearing takes them off every pane.
    window.hScroll()->setValue(150);
    EXPECT_GT(shaded(sinceClear(calls(1))), 0);
    window.toolAction(ui::ToolCommand::clearComparison)->trigger();
    for (int pane = 1; pane <= 3; ++pane)
        EXPECT_EQ(shaded(sinceClear(calls(pane))), 0) << pane;
    EXPECT_GT(count(sinceClear(calls(3)), Op::DrawLineTo, QColor(255, 0, 0)), 0);
    EXPECT_FALSE(window.toolAction(ui::ToolCommand::clearComparison)->isEnabled());

    // Switched off, a landed throw is not kept.
    runToLanding();
    compare(false);
    runToLanding();
    EXPECT_TRUE(program.comparison().kept().empty());
    EXPECT_EQ(shaded(sinceClear(calls(1))), 0);
}

TEST_F(Comparison, KeptThrowsArePrintedInTheReport) {
    compare(true);
    runToLanding();
    runToLanding();
    QTemporaryDir folder;
    dialogs.answer = {folder.filePath("report.pdf"), 0};
    window.toolAction(ui::ToolCommand::saveReport)->trigger();
    QProcess tool;
    tool.start("pdftocairo", {"-svg", dialogs.answer.path, "-"});
    tool.waitForFinished(30000);
    const QString svg = QString::fromUtf8(tool.readAllStandardOutput());
    // The kept throw's curves on all three graphs, each dash a path in its shade.
    std::map<QRgb, int> strokes;
    static const QRegularExpression rgb("stroke:rgb\\(([0-9.]+)%,([0-9.]+)%,([0-9.]+)%\\)");
    for (const QRegularExpressionMatch& m : rgb.globalMatch(svg)) {
        auto level = [&](int n) { return qRound(m.captured(n).toDouble() * 2.55); };
        ++strokes[qRgb(level(1), level(2), level(3))];
    }
    for (std::size_t m = 0; m < 3; ++m)
        EXPECT_GT(strokes[ui::keptShade(m).rgb()], 30) << m;
}

TEST(ComparingPreference, RememberedBetweenStarts) {
    QTemporaryDir folder;
    ui::RecordingMessageBoxes boxes;
    ui::SilentTone tone;
    ui::RecordingDocumentOpener opener;
    ui::RecordingExportDialogs dialogs;
    auto start = [&] {
        return std::make_unique<ui::Program>(boxes, tone, opener, dialogs,
                                             folder.filePath("ballflight.conf"));
    };
    EXPECT_FALSE(start()->comparison().comparing());
    start()->window().toolAction(ui::ToolCommand::compare)->trigger();
    EXPECT_TRUE(start()->window().toolAction(ui::ToolCommand::compare)->isChecked());
}
