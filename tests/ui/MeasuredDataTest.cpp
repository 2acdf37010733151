#include "ProgramFixture.h"

#include "graphs/GraphPane.h"
#include "model/exact/ExactFlight.h"
#include "model/physics/Constants.h"
#include "ui/measure/FitDialog.h"
#include "ui/measure/MeasurementsPanel.h"
#include "ui/platform/Language.h"
#include "ui/tools/Readout.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>

#include <cmath>
#include <sstream>

namespace testing_ui {

namespace {

// A video analysis of a vacuum throw from the start height, in centimetres: the object's name,
// a header row, then t, x, y.
std::string vacuumTable(double v0, double alphaDeg, double h0, int points = 40) {
    std::ostringstream out;
    out.precision(10);
    out << "mass A\nt\tx (cm)\ty (cm)\n";
    const double a = alphaDeg * model::pi / 180;
    for (int i = 0; i < points; ++i) {
        const double t = 0.01 * i;
        out << t << '\t' << 100 * v0 * std::cos(a) * t << '\t'
            << 100 * (h0 + v0 * std::sin(a) * t - model::g * t * t / 2) << '\n';
    }
    return out.str();
}

// The quadratic-drag flight of the default ball with another Cd, 40 points in 0.4 s, in metres.
std::string quadraticTable(double cd) {
    model::Inputs in;
    in.cd = cd;
    std::vector<double> times;
    for (int i = 0; i < 40; ++i)
        times.push_back(0.01 * i);
    std::ostringstream out;
    out.precision(12);
    out << "t\tx\ty\n";
    for (const auto& s : model::exact::ExactFlight(in, model::ModelKind::quadratic).at(times))
        out << s.t << '\t' << s.x << '\t' << s.y << '\n';
    return out.str();
}

class MeasuredDataTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        program.measure().setConfirm([](const std::string&, const model::measure::TablePreview& p,
                                        const QString&) { return std::optional(p.detected); });
    }
    int crosses(int pane) const {
        return count(sinceClear(calls(pane)), Op::DrawLine, ui::measuredColour);
    }
};

} // namespace

TEST_F(MeasuredDataTest, PointsLieBesideTheModelsThroughRunsUntilRemoved) {
    ui::MeasuredData& data = program.measured();
    // Points reaching 6 m out, beyond the default throw's pane: the pane grows to hold them.
    ASSERT_TRUE(program.measure().importText(vacuumTable(20, 30, 0.5), "throw.txt"));
    ASSERT_TRUE(data.has());
    EXPECT_EQ(data.measurements().points.size(), 40u);
    EXPECT_EQ(crosses(1), 80); // two strokes a cross
    auto right = [&] {
        const auto c = sinceClear(calls(1));
        auto scale = std::find_if(c.begin(), c.end(), [](auto& s) { return s.op == Op::SetScale; });
        return scale == c.end() ? 0.0 : scale->args[2];
    };
    EXPECT_GE(right(), 20 * std::cos(30 * model::pi / 180) * 0.39);
    EXPECT_TRUE(program.measure().panel()->isVisible());
    // The readout names the point nearest the pointer's abscissa (x = 0.52 m is the fourth).
    const QString readout =
        ui::Readout::textOf(program.readout().tableAt(ui::Graph::trajectory, {0.5, 0.3}));
    EXPECT_NE(readout.indexOf("точка 4:  0.520  0.796"), -1) << readout.toStdString();

    runToLanding();
    EXPECT_EQ(crosses(1), 80);
    EXPECT_EQ(crosses(2), 80);
    EXPECT_EQ(crosses(3), 80);

    // A table without numbers is refused in a box and leaves the points as they were.
    EXPECT_FALSE(program.measure().importText("t x y\nnothing here\n", "bad.txt"));
    EXPECT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(data.measurements().points.size(), 40u);

    program.measure().action(ui::MeasureCommands::Command::remove)->trigger();
    EXPECT_FALSE(data.has());
    EXPECT_EQ(crosses(1), 0);
    EXPECT_FALSE(program.measure().panel()->isVisible());
    EXPECT_FALSE(program.measure().action(ui::MeasureCommands::Command::fit)->isEnabled());
}

// A change of language draws the velocity panes again as they were: the landed throw's curves,
// kept after a new input until the next landing, at the ranges that hold the measured points
// (they came back at the landed throw's own ranges).
TEST_F(MeasuredDataTest, LanguageSwitchKeepsTheVelocityPanesAsShown) {
    ASSERT_TRUE(program.measure().importText(vacuumTable(20, 30, 0.5), "fast.txt"));
    runToLanding();
    const auto scaleOf = [&] {
        for (const SurfaceCall& c : sinceClear(calls(2)))
            if (c.op == Op::SetScale)
                return c.args;
        return std::array<double, 4>{};
    };
    const auto landed = scaleOf();
    paste(Field::v0, "4");
    ASSERT_NE(run.earlierVelocities(), nullptr);
    for (const auto language : {translations::Language::english, translations::Language::russian})
        ASSERT_TRUE(ui::LanguageSwitch::instance().choose(language));
    EXPECT_EQ(scaleOf(), landed);
    EXPECT_GT(count(sinceClear(calls(2)), Op::DrawLineTo, QColor(255, 0, 0)), 0);
}

TEST_F(MeasuredDataTest, FitFindsTheThrowAndApplyWritesItIntoTheFields) {
    // «Отмена» stops a long fit (20 000 points) and changes nothing.
    ASSERT_TRUE(program.measure().importText(vacuumTable(4, 40, 0.5, 20000), "long.txt"));
    program.measure().fit();
    ui::FitDialog* fit = program.measure().fitDialog();
    ASSERT_NE(fit, nullptr);
    QSignalSpy done(fit, &ui::FitDialog::finished);
    fit->start();
    fit->findChild<QPushButton*>("FitCancel")->click();
    ASSERT_TRUE(done.wait(60000));
    EXPECT_TRUE(fit->result()->cancelled);
    EXPECT_FALSE(fit->findChild<QPushButton*>("FitApply")->isEnabled());
    EXPECT_EQ(field(Field::v0)->text(), "3.000");
    // Closing the dialog cancels a fit too: nobody would see its end.
    fit->start();
    fit->close();
    ASSERT_TRUE(done.wait(60000));
    EXPECT_TRUE(fit->result()->cancelled);

    ASSERT_TRUE(program.measure().importText(vacuumTable(4, 40, 0.5), "vacuum.txt"));
    fit->start();
    ASSERT_TRUE(done.wait(60000));
    const auto& result = *fit->result();
    ASSERT_EQ(result.best, model::ModelKind::vacuum);
    EXPECT_LT(result.models[0].rms, 1e-6);
    // Beside the ±, the correlation of the two inputs; the fitted steel ball in water: Re at the
    // launch (column after the iterations) and regime; the chosen row's residuals plotted.
    EXPECT_EQ(fit->table()->horizontalHeaderItem(3)->text(), "Корреляции");
    EXPECT_TRUE(fit->table()->item(0, 3)->text().startsWith("Vo–α "))
        << fit->table()->item(0, 3)->text().toStdString();
    EXPECT_TRUE(fit->table()->item(2, 6)->text().endsWith("завышает сопротивление в разы"));
    EXPECT_GT(fit->residualPlot()->itemCount(), result.models[0].residuals.size());

    fit->apply(0);
    EXPECT_EQ(field(Field::v0)->text(), "4.000");
    EXPECT_EQ(field(Field::alphaDeg)->text(), "40.00");
    EXPECT_NEAR(run.inputs().v0, 4, 1e-9);
    // The vacuum model now lies on the points (the distances are shown once computed).
    const auto computed = [this] { return !program.measure().panel()->computing(); };
    ASSERT_TRUE(QTest::qWaitFor(computed));
    EXPECT_NE(program.measure().panel()->residualText(0).indexOf("0.0000 м"), -1);

    // A change of language writes the status, the table and the panel again; the row chosen stays.
    auto* status = fit->findChild<QLabel*>("FitStatus");
    const QString finished = status->text();
    for (const auto language : {translations::Language::english, translations::Language::russian}) {
        status->setText("?");
        fit->table()->item(0, 0)->setText("?");
        ASSERT_TRUE(ui::LanguageSwitch::instance().choose(language));
        EXPECT_NE(status->text(), "?");
        EXPECT_NE(fit->table()->item(0, 0)->text(), "?");
        EXPECT_EQ(fit->table()->currentRow(), 0);
    }
    EXPECT_EQ(status->text(), finished);
    EXPECT_EQ(fit->table()->item(0, 0)->text(), "вакуум ★ лучшая");
    ASSERT_TRUE(QTest::qWaitFor(computed));
    EXPECT_NE(program.measure().panel()->residualText(0).indexOf("0.0000 м"), -1);

    // Cd among the free inputs: the quadratic drag alone fits it, «Применить» writes it too.
    ASSERT_TRUE(program.measure().importText(quadraticTable(0.35), "cd.txt"));
    fit->cdBox()->setChecked(true);
    fit->start();
    ASSERT_TRUE(done.wait(60000));
    ASSERT_TRUE(fit->result()->models[2].converged) << fit->result()->models[2].problem;
    EXPECT_EQ(fit->table()->horizontalHeaderItem(3)->text(), "Cd");
    EXPECT_EQ(fit->table()->item(0, 3)->text(), "не влияет");
    EXPECT_NEAR(fit->table()->item(2, 3)->text().section(" ± ", 0, 0).toDouble(), 0.35, 1e-4);
    fit->apply(2);
    EXPECT_EQ(run.inputs().cd, 0.35);
    EXPECT_EQ(field(Field::v0)->text(), "3.000");
    program.session().history().undo(); // one step with the fields
    EXPECT_EQ(run.inputs().cd, 0.5);

    // New points: the fit of the old ones can no longer be applied.
    ASSERT_TRUE(program.measure().importText(vacuumTable(5, 40, 0.5), "other.txt"));
    EXPECT_FALSE(fit->result());
    EXPECT_FALSE(fit->findChild<QPushButton*>("FitApply")->isEnabled());
}

} // namespace testing_ui
