#include "ProgramFixture.h"
#include "graphs/GraphPane.h"
#include "model/InputFields.h"
#include "model/session/LessonFile.h"
#include "ui/lesson/LessonDisk.h"
#include "ui/study/StudyWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>

using namespace testing_ui;
using model::measure::Measurements;

namespace {

class Lessons : public ProgramFixture {
protected:
    ui::LessonCommands& lessons = program.lessons();
    QString file(const char* name) const { return settings.filePath(QString::fromUtf8(name)); }
    QString lastBox() const { return boxes.boxes.isEmpty() ? QString() : boxes.boxes.last().text; }
    // The title as the window manager shows it: «[*]» becomes «*» with unsaved changes.
    QString title() const {
        QString t = window.windowTitle();
        return t.replace("[*]", window.isWindowModified() ? "*" : "");
    }
};

} // namespace

// Everything a lesson keeps comes back from its file after «Новый урок» has cleared it: inputs,
// scale bars, graph, kept throws (computed again), measured points with their import settings
// and a study window's settings. The title names the lesson and marks changes,
// and closing with changes asks whether to save them instead of the usual question.
TEST_F(Lessons, RoundTripThroughSaveAndOpen) {
    program.measured().set(
        Measurements{{{0, 0, 0.5}, {0.1, 0.25, 0.6}, {0.2, 0.5, 0.55}},
                     {2, 0, 1, model::measure::LengthUnit::cm, model::measure::TimeUnit::ms, true},
                     4,
                     "таблица.csv"});
    program.comparison().setComparing(true);
    for (const char* v : {"2", "3.5", "4"}) {
        paste(Field::v0, v);
        runToLanding();
    }
    ASSERT_EQ(program.comparison().kept().size(), 2u);
    window.hScroll()->setValue(150);
    window.option(Graph::vx)->setChecked(true);
    ui::StudyWindow* study = program.studies().open();
    study->followBox()->setChecked(false);
    study->fieldBox()->setCurrentIndex(static_cast<int>(Field::d));
    study->countBox()->setValue(7);
    study->familyBox()->setCurrentIndex(2);
    paste(Field::h0, "1.25"); // the study does not follow it

    const session::Lesson before = lessons.capture();
    dialogs.answer = {file("урок1"), 0};
    ASSERT_TRUE(lessons.saveAs());
    ASSERT_TRUE(QTest::qWaitFor([this] { return !program.tools().busy(); }));
    EXPECT_TRUE(title().endsWith(" — урок1"));
    EXPECT_FALSE(lessons.modified());

    lessons.newLesson();
    EXPECT_TRUE(program.studies().windows().isEmpty());
    EXPECT_EQ(run.inputs().v0, 3);
    EXPECT_EQ(window.hScroll()->value(), 100); // as at start
    EXPECT_TRUE(program.comparison().kept().empty());
    EXPECT_FALSE(program.measured().has());
    EXPECT_FALSE(lessons.capture() == before);

    ASSERT_TRUE(lessons.open(file("урок1.ballflight")));
    EXPECT_TRUE(lessons.capture() == before); // the kept throws too, while they are computed
    ASSERT_TRUE(QTest::qWaitFor([&] { return !program.comparison().restoring(); }, 60000));
    EXPECT_TRUE(lessons.capture() == before);
    ASSERT_EQ(program.studies().windows().size(), 1);
    EXPECT_EQ(program.studies().windows()[0]->inputs().h0, 0.5);
    EXPECT_EQ(program.comparison().kept()[1]->inputs.v0, 3.5);
    EXPECT_GT(program.comparison().kept()[1]->pointCount(), 100u);
    EXPECT_TRUE(title().endsWith(" — урок1"));
    EXPECT_TRUE(program.measured().has());

    paste(Field::eta, "0.5");
    EXPECT_TRUE(title().endsWith(" — урок1*"));
    boxes.boxes.clear();
    boxes.choice = 2; // Отмена
    EXPECT_FALSE(window.close());
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(lastBox(), "Сохранить изменения в уроке «урок1»?");
    boxes.choice = 0; // Сохранить
    EXPECT_TRUE(window.close());
    EXPECT_EQ(boxes.boxes.size(), 2); // the usual question is not asked as well
    EXPECT_FALSE(QFile::exists(lessons.recovery().path()));
    const QByteArray bytes = ui::readLessonFile(file("урок1.ballflight")).bytes;
    const auto saved = session::readLessonJson(bytes.toStdString());
    ASSERT_TRUE(saved.lesson);
    EXPECT_EQ(saved.lesson->inputs[static_cast<int>(Field::eta)],
              field(Field::eta)->text().toStdString());
}

// A file that cannot be a lesson is named with the reason in a box, and nothing of the lesson
// on show changes.
TEST_F(Lessons, BadFilesLeaveTheLessonUnchanged) {
    paste(Field::d, "0.05");
    const session::Lesson before = lessons.capture();
    const QString title = window.windowTitle();
    const QString refusal =
        QString::fromStdString(model::checkInput(Field::alphaDeg, 95, model::Inputs{})->message);
    QDir(settings.path()).mkdir("папка.ballflight");
    const std::tuple<const char*, QByteArray, QString> cases[] = {
        {"текст.ballflight", "h0 = 0.5", "не JSON"},
        {"новый.ballflight", R"({"format": 2, "inputs": {}})", "формат 2 новее"},
        {"угол.ballflight", R"({"format": 1, "inputs": {"angle": "95"}})", refusal},
        {"точки.ballflight", R"({"format": 1, "measurements": {"points": [[0, 0, 0], [0, 1, 1]]}})",
         "не упорядочены"},
        {"большой.ballflight", QByteArray(session::largestLessonFile + 1, ' '), "больше 10 МБ"},
        {"папка.ballflight", {}, "папка"},
        {"нет.ballflight", {}, "не найден"},
    };
    for (const auto& [name, bytes, reason] : cases) {
        if (!bytes.isEmpty()) {
            QFile f(file(name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        EXPECT_FALSE(lessons.open(file(name))) << name;
        EXPECT_TRUE(lastBox().contains(QDir::toNativeSeparators(file(name)))) << name;
        EXPECT_TRUE(lastBox().contains(reason)) << name << ": " << lastBox().toStdString();
        EXPECT_TRUE(lessons.capture() == before) << name;
        EXPECT_EQ(window.windowTitle(), title);
    }
    EXPECT_EQ(boxes.boxes.size(), std::size(cases));

    // Fields a later version may add are passed over; the inputs are compared as the file gives
    // them (900 is below the water on show, not below the medium given with it).
    QFile later(file("позже.ballflight"));
    ASSERT_TRUE(later.open(QIODevice::WriteOnly));
    later.write(R"({"format": 1, "pointer": {"x": 1},
                    "inputs": {"angle": "45", "rho": "900", "rho0": "800", "spin": 3}})");
    later.close();
    EXPECT_TRUE(lessons.open(later.fileName()));
    EXPECT_EQ(field(Field::alphaDeg)->text(), "45.00");
    EXPECT_EQ(run.inputs().rho, 900);
    EXPECT_EQ(boxes.boxes.size(), std::size(cases));
}

// The copy written after a change is offered at the next start and brings the lesson back; a
// refusal removes it.
TEST_F(Lessons, RecoveryCopyIsOfferedAtTheNextStart) {
    paste(Field::rho, "2700");
    type(Field::d, "0"); // on the way to «0.05»: the copy keeps the accepted 0.4
    lessons.checkForChanges();
    ASSERT_TRUE(lessons.recovery().waitForDone(5000));
    ASSERT_TRUE(QFile::exists(lessons.recovery().path()));
    { // a second program started meanwhile leaves the running one's copy alone
        ui::RecordingMessageBoxes later;
        ui::Program second(later, tone, opener, dialogs, settings.filePath("ballflight.conf"));
        second.start();
        second.lessons().endSession();
        EXPECT_TRUE(later.boxes.isEmpty());
    }
    ASSERT_TRUE(QFile::exists(lessons.recovery().path()));
    lessons.recovery().release(); // as if the program died
    for (const bool answer : {true, false}) {
        ui::RecordingMessageBoxes later;
        later.answer = answer;
        ui::Program next(later, tone, opener, dialogs, settings.filePath("ballflight.conf"));
        next.start();
        ASSERT_EQ(later.boxes.size(), 1);
        EXPECT_EQ(later.boxes[0].text, "Восстановить урок, не сохранённый при прошлом завершении?");
        EXPECT_EQ(next.window().field(Field::rho)->text(), answer ? "2700.0" : "7800.0");
        EXPECT_EQ(next.window().field(Field::d)->text(), "0.4000");
        next.lessons().recovery().waitForDone(5000);
        EXPECT_EQ(QFile::exists(lessons.recovery().path()), answer);
    }
}

// A study follows the main window's inputs; its CSV is the report tool's for the same study and
// its table copies as a spreadsheet pastes it, with three decimals in every result cell.
TEST_F(Lessons, StudyFollowsTheMainWindowAndExportsWhatTheReportToolWrites) {
    ui::StudyWindow* study = program.studies().open();
    study->countBox()->setValue(30);
    QSignalSpy ended(study, &ui::StudyWindow::studyEnded);
    QTest::mouseClick(study->runButton(), Qt::LeftButton);
    ASSERT_TRUE(ended.wait(60000));
    paste(Field::v0, "4");
    EXPECT_EQ(study->inputs().v0, 4);
    if (!study->isRunning()) { // a quick study runs again at once, a slow one waits
        EXPECT_TRUE(study->inputsLabel()->text().endsWith("— устарело"));
        QTest::mouseClick(study->runButton(), Qt::LeftButton);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !study->isRunning(); }, 60000));
    ASSERT_EQ(study->outcome()->plan.base.v0, 4);
    EXPECT_FALSE(study->inputsLabel()->text().contains("устарело"));
    EXPECT_TRUE(study->inputsLabel()->text().contains("Vo = 4.000 м/с"));

    dialogs.answer = {file("study"), 0};
    study->saveTable();
    QFile csv(file("study.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    QProcess tool;
    tool.start(BALLFLIGHT_REPORT_EXE, {"--vary", "angle", "--from", "0", "--to", "89.5", "--count",
                                       "30", "--result", "Xmax", "--v0", "4"});
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(csv.readAll(), tool.readAllStandardOutput());

    study->copyTable();
    const QStringList lines = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 31);
    EXPECT_EQ(lines[0], "α, град\tXmax, м\tXmax1, м\tXmax2, м\tПримечание");
    const QRegularExpression threeDecimals("^-?\\d+\\.\\d{3}$");
    for (int r = 1; r < lines.size(); ++r)
        for (int c = 1; c <= 3; ++c)
            EXPECT_TRUE(threeDecimals.match(lines[r].split('\t')[c]).hasMatch())
                << lines[r].toStdString();

    // The plot and the table offer the commands in their context menus.
    QTableView* table = study->table();
    for (QWidget* w : {static_cast<QWidget*>(study->pane()), static_cast<QWidget*>(table)}) {
        EXPECT_EQ(w->contextMenuPolicy(), Qt::ActionsContextMenu);
        QStringList texts;
        for (const QAction* a : w->actions())
            texts << a->text();
        EXPECT_TRUE(texts.contains("Сохранить таблицу…") && texts.contains("Печать…"))
            << texts.join(", ").toStdString();
    }

    // Ctrl+A and Ctrl+C in the table: the same text; a Shift-click range: its rows and columns.
    table->setFocus();
    QTest::keyClick(table, Qt::Key_A, Qt::ControlModifier);
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), lines.join('\n') + '\n');
    auto click = [&](int row, int column, Qt::KeyboardModifiers keys) {
        const QRect cell = table->visualRect(table->model()->index(row, column));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, keys, cell.center());
    };
    click(1, 1, Qt::NoModifier);
    click(3, 2, Qt::ShiftModifier);
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    const QStringList part = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(part.size(), 4);
    EXPECT_EQ(part[1], lines[2].section('\t', 1, 2));

    dialogs.answer = {file("study.svg"), 0};
    study->saveGraph();
    QFile svg(file("study.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("Vo = 4.000"));
}
