#include "ProgramFixture.h"

#include "graphs/GraphPane.h"
#include "model/exact/ExactFlight.h"
#include "model/physics/Constants.h"
#include "support/LoopLatency.h"
#include "ui/measure/FitDialog.h"
#include "ui/measure/ImportDialog.h"
#include "ui/measure/MeasurementsPanel.h"
#include "ui/platform/Language.h"
#include "ui/tools/Readout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace testing_ui {

namespace {

// A video analysis of a vacuum throw from the start height, in centimetres: the object's name,
// a header row, then t, x, y every step seconds.
std::string vacuumTable(double v0, double alphaDeg, double h0, int points = 40,
                        double step = 0.01) {
    std::ostringstream out;
    out.precision(10);
    out << "mass A\nt\tx (cm)\ty (cm)\n";
    const double a = alphaDeg * model::pi / 180;
    for (int i = 0; i < points; ++i) {
        const double t = step * i;
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
    // Imports a table as a user who takes what the dialog guessed: the dialog opens at once,
    // its preview and count come from the pool, then «Открыть». False when no points came.
    bool import(const std::string& table, const QString& source) {
        ui::MeasureCommands& measure = program.measure();
        QSignalSpy ended(&measure, &ui::MeasureCommands::importEnded);
        measure.startImport(table, source);
        const QPointer<ui::ImportDialog> dialog = measure.importDialog();
        if (!dialog || !QTest::qWaitFor([&] { return !ended.isEmpty() || !dialog->counting(); }))
            return false;
        if (ended.isEmpty()) {
            QPushButton* open =
                dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            if (open->isEnabled())
                QTest::mouseClick(open, Qt::LeftButton);
            else
                dialog->reject();
        }
        return !ended.isEmpty() && ended.first().first().toBool();
    }
    int crosses(int pane) const {
        return count(sinceClear(calls(pane)), Op::DrawLine, ui::measuredColour);
    }
};

} // namespace

TEST_F(MeasuredDataTest, PointsLieBesideTheModelsThroughRunsUntilRemoved) {
    ui::MeasuredData& data = program.measured();
    // Points reaching 6 m out, beyond the default throw's pane: the pane grows to hold them.
    ASSERT_TRUE(import(vacuumTable(20, 30, 0.5), "throw.txt"));
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
    EXPECT_FALSE(import("t x y\nnothing here\n", "bad.txt"));
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
    ASSERT_TRUE(import(vacuumTable(20, 30, 0.5), "fast.txt"));
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
    ASSERT_TRUE(import(vacuumTable(4, 40, 0.5, 20000), "long.txt"));
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

    ASSERT_TRUE(import(vacuumTable(4, 40, 0.5), "vacuum.txt"));
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
    ASSERT_TRUE(import(quadraticTable(0.35), "cd.txt"));
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
    ASSERT_TRUE(import(vacuumTable(5, 40, 0.5), "other.txt"));
    EXPECT_FALSE(fit->result());
    EXPECT_FALSE(fit->findChild<QPushButton*>("FitApply")->isEnabled());
}

} // namespace testing_ui

namespace testing_ui {

// A bead's fall written downwards: the dialog says it is a vertical motion whose column points
// down, and the user can turn both; the counts come from the pool, «Открыть» waits for them.
TEST_F(MeasuredDataTest, TheImportDialogGuessesAVerticalMotionAndLetsTheUserTurnIt) {
    std::string fall = "Time(sec)\tPosition(mm)\n";
    for (int i = 0; i < 30; ++i)
        fall += std::to_string(0.1 * i) + "\t" + std::to_string(12 + 2.67 * i) + "\n";
    ui::ImportDialog dialog(fall, model::measure::previewTable(fall), QStringLiteral("fall.tsv"),
                            &window);
    auto* motion = dialog.findChild<QComboBox*>(QStringLiteral("ImportMotion"));
    auto* axis = dialog.findChild<QComboBox*>(QStringLiteral("ImportAxis"));
    auto* count = dialog.findChild<QLabel*>(QStringLiteral("ImportCount"));
    auto* open = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    ASSERT_TRUE(motion && axis);
    const auto counted = [&] { return !dialog.counting(); };
    EXPECT_FALSE(open->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor(counted));
    EXPECT_TRUE(open->isEnabled());
    EXPECT_EQ(motion->currentIndex(), int(model::measure::Motion::vertical));
    EXPECT_EQ(axis->currentIndex(), 1); // down
    EXPECT_TRUE(dialog.settings().axisDown && dialog.settings().groundAtLowest);
    EXPECT_TRUE(count->text().contains(QLatin1String("30")));
    axis->setCurrentIndex(0);
    EXPECT_FALSE(dialog.settings().axisDown);
    motion->setCurrentIndex(int(model::measure::Motion::path));
    EXPECT_FALSE(axis->isEnabled());
    const auto path = dialog.settings();
    EXPECT_EQ(path.motion, model::measure::Motion::path);
    EXPECT_EQ(path.columnT, path.columnY);
    // Back to a vertical motion: the way is guessed again on the pool.
    motion->setCurrentIndex(int(model::measure::Motion::vertical));
    ASSERT_TRUE(QTest::qWaitFor(counted));
    EXPECT_EQ(axis->currentIndex(), 1);
    EXPECT_TRUE(count->text().contains(QLatin1String("30"))) << count->text().toStdString();
}

// A project file of two tracks: the first comes by default, the other when chosen, its rows in
// the preview and its points counted; it is the table confirmed.
TEST_F(MeasuredDataTest, TheImportDialogReadsTheChosenTrackOfAProjectFile) {
    const auto track = [](const char* name, int frames) {
        std::string t = std::string("<object class=\"PointMass\"><property name=\"name\">") + name +
                        "</property><property name=\"framedata\" type=\"array\">";
        for (int f = 0; f < frames; ++f)
            t += "<property name=\"[" + std::to_string(f) +
                 "]\" type=\"object\"><object class=\"FrameData\"><property name=\"x\" "
                 "type=\"double\">" +
                 std::to_string(10 * f) + "</property><property name=\"y\" type=\"double\">" +
                 std::to_string(100 - f) + "</property></object></property>";
        return t + "</property></object>";
    };
    QTemporaryDir dir;
    const QString file = dir.filePath("two.trk");
    {
        std::ofstream out(QFile::encodeName(file).toStdString());
        out << "<?xml version=\"1.0\"?>\n<object class=\"TrackerPanel\"><object "
               "class=\"VideoClip\"><property name=\"frameduration\" type=\"double\">40"
               "</property></object>"
            << track("mass A", 3) << track("ball", 7) << "</object>";
    }
    model::measure::FileText read =
        model::measure::readTableFile(QFile::encodeName(file).toStdString());
    ASSERT_TRUE(read.error.empty()) << read.error;
    ui::TrackChoice tracks{std::make_shared<const std::string>(read.xml), read.tracks};
    ui::ImportDialog dialog(read.text, model::measure::previewTable(read.text),
                            QStringLiteral("two.trk"), &window, tracks);
    auto* chosen = dialog.findChild<QComboBox*>(QStringLiteral("ImportTrack"));
    auto* count = dialog.findChild<QLabel*>(QStringLiteral("ImportCount"));
    auto* preview = dialog.findChild<QTableWidget*>(QStringLiteral("ImportPreview"));
    ASSERT_TRUE(chosen && count && preview);
    const auto counted = [&] { return !dialog.counting(); };
    ASSERT_TRUE(QTest::qWaitFor(counted));
    EXPECT_EQ(chosen->currentText(), "mass A");
    EXPECT_TRUE(count->text().startsWith("Будет прочитано точек: 3,"))
        << count->text().toStdString();
    chosen->setCurrentIndex(1);
    ASSERT_TRUE(QTest::qWaitFor(counted));
    EXPECT_TRUE(count->text().startsWith("Будет прочитано точек: 7,"))
        << count->text().toStdString();
    EXPECT_EQ(preview->rowCount(), 7);
    const model::measure::ImportResult r =
        model::measure::importTable(*dialog.table(), dialog.settings(), "two.trk");
    ASSERT_TRUE(r.measurements) << r.error;
    EXPECT_EQ(r.measurements->points.size(), 7u);
    // A project file of one track offers no choice.
    ui::ImportDialog plain(read.text, model::measure::previewTable(read.text),
                           QStringLiteral("one.trk"), &window);
    EXPECT_EQ(plain.findChild<QComboBox*>(QStringLiteral("ImportTrack")), nullptr);
}

// Points timed after a model's landing are named by their numbers beneath the residuals.
TEST_F(MeasuredDataTest, ThePanelNamesThePointsAfterEachModelsLanding) {
    ASSERT_TRUE(import(vacuumTable(3, 45, 0.5, 100), "long.txt"));
    ui::MeasurementsPanel* panel = program.measure().panel();
    ASSERT_TRUE(QTest::qWaitFor([panel] { return !panel->computing(); }));
    // The window's vacuum throw lands at its flight time; the points run on to 0.99 s.
    const model::Inputs in = run.inputs();
    const double vy = in.v0 * std::sin(in.alphaDeg * model::pi / 180);
    const double landing = (vy + std::sqrt(vy * vy + 2 * model::g * in.h0)) / model::g;
    const int after = 100 - (int(std::floor(landing / 0.01)) + 1);
    ASSERT_GT(after, 1);
    const QString expected =
        QStringLiteral("вакуум — после приземления: %1 (№ %2–100)").arg(after).arg(101 - after);
    EXPECT_TRUE(panel->outsideText().contains(expected)) << panel->outsideText().toStdString();
    EXPECT_TRUE(panel->outsideText().startsWith("Точки вне полёта модели"));
    // A table within every flight names none.
    ASSERT_TRUE(import(vacuumTable(3, 45, 0.5, 5), "short.txt"));
    ASSERT_TRUE(QTest::qWaitFor([panel] { return !panel->computing(); }));
    EXPECT_TRUE(panel->outsideText().isEmpty());
}

// A vertical motion's points lie in one column at x = 0: over the trajectory the readout names
// the point at the pointer's height, over a velocity pane the one at the pointer's time.
TEST_F(MeasuredDataTest, TheReadoutNamesAVerticalMotionsPointByItsHeight) {
    std::string fall = "t\ty\n";
    for (int i = 0; i < 10; ++i)
        fall += std::to_string(0.05 * i) + "\t" + std::to_string(2 - 0.012 * i * i) + "\n";
    ASSERT_TRUE(import(fall, "fall.txt"));
    ASSERT_TRUE(program.measured().measurements().vertical());
    const auto& points = program.measured().measurements().points;
    const QString height = ui::Readout::textOf(
        program.readout().tableAt(ui::Graph::trajectory, {0.1, points[6].y + 0.001}));
    EXPECT_NE(height.indexOf("точка 7:"), -1) << height.toStdString();
    const QString time =
        ui::Readout::textOf(program.readout().tableAt(ui::Graph::vy, {points[3].t, 0}));
    EXPECT_NE(time.indexOf("точка 4:"), -1) << time.toStdString();
}

// A table of 100 000 rows chosen in «Открыть…»: the dialog opens at once, shows the table's
// preview and count from the work pool, and the points follow «Открыть»; the event loop
// answers while the table is read. Showing the points (their velocities, the panes drawn
// again) is the window's own work, with a looser bound that a second reading of the table
// on the window's thread would still break under load.
TEST_F(MeasuredDataTest, ALongTableIsOpenedWhileTheWindowAnswers) {
#if defined(__SANITIZE_ADDRESS__)
    constexpr qint64 readingGapMs = 1000, showingGapMs = 3000;
#else
    constexpr qint64 readingGapMs = 100, showingGapMs = 300;
#endif
    QTemporaryDir dir;
    const QString file = dir.filePath("long.txt");
    std::ofstream(QFile::encodeName(file).toStdString())
        << vacuumTable(4, 40, 0.5, int(model::measure::maxPoints), 1e-5);
    dialogs.openAnswer = file;
    ui::MeasureCommands& measure = program.measure();
    QSignalSpy ended(&measure, &ui::MeasureCommands::importEnded);
    ui::LoopLatency latency;
    QElapsedTimer clock;
    latency.start();
    clock.start();
    measure.action(ui::MeasureCommands::Command::open)->trigger();
    const auto previewed = [&] {
        return measure.importDialog() && !measure.importDialog()->counting();
    };
    ASSERT_TRUE(QTest::qWaitFor(previewed, 60000));
    const qint64 previewMs = clock.elapsed(), readingGap = latency.longestGapMs();
    latency.start();
    auto* open =
        measure.importDialog()->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    ASSERT_TRUE(open->isEnabled());
    QTest::mouseClick(open, Qt::LeftButton);
    ASSERT_EQ(ended.size(), 1);
    EXPECT_TRUE(ended.first().first().toBool());
    ASSERT_TRUE(program.measured().has());
    EXPECT_EQ(program.measured().measurements().points.size(), model::measure::maxPoints);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !measure.panel()->computing(); }, 60000));
    const qint64 showingGap = latency.longestGapMs();
    std::printf("100 000 rows: preview and count shown after %lld ms, points and their distances "
                "after %lld ms, longest gap of the event loop %lld ms while reading, %lld ms "
                "while showing\n",
                previewMs, qint64(clock.elapsed()), readingGap, showingGap);
    EXPECT_LT(readingGap, readingGapMs);
    EXPECT_LT(showingGap, showingGapMs);
}

} // namespace testing_ui
