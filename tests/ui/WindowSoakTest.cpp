// Two thousand seeded user actions of every kind, with the invariants checked after each.
#include "ProgramFixture.h"
#include "graphs/PaneTransform.h"
#include "model/InputFields.h"
#include "model/NumberFormat.h"
#include "support/LoopLatency.h"
#include "ui/study/StudyWindow.h"
#include "ui/tools/ToolMenu.h"
#include "ui/window/ControlPlaces.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>

#include <cmath>
#include <functional>
#include <map>
#include <string>

namespace {

using namespace testing_ui;

// Texts a class of students might put into a field: numbers in every form the fields read,
// zeros that only appear after rounding, the limits of the double range, and rubbish.
// clang-format off
const QStringList pastes = QStringLiteral(
    "|0|-0|0.0001|0.00004|0.00000004|1e308|-1e308|1e-320|9e999|1D3| 7 8 0 0|0,5|12abc|abc|89.99|"
    "-89.99|90|-90|1000|999.95|1001.4|7800|1.5|0.05|2|10|45|.|-|+.5e-2|1e|3e2e1|"
    "99999999999999999999999999999999|1e-5|0.001|1.82e-5|500|-1|NaN|inf|1e10|0.0000001|4294967296"
).split('|');
// clang-format on
const QString keys = QStringLiteral("0123456789.-+eE, a");

// The slowest action walks a flight to its bound of ten million points (slower under ASan).
// The event loop's longest gap: the window's thread leaves long work (throws of long walks,
// saves, copies, printing, studies, the preferences' file, the whole pictures of large panes)
// to the work pool and draws the flight in small steps, so it answers within kLongestGapMs
// whatever the action, in a flight or not.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kActionLimitMs = 60000, kTotalLimitMs = 900000, kLongestGapMs = 1000;
#else
constexpr int kActionLimitMs = 10000, kTotalLimitMs = 60000, kLongestGapMs = 100;
#endif
const char* const kinds[] = {"type",       "paste",   "clear",  "scale bar",     "graph", "run",
                             "resize",     "wait",    "preset", "speed",         "pause", "scale",
                             "comparison", "readout", "save",   "copy or print", "study", "close"};

// The first broken invariant, or nothing.
std::string fault(ui::Program& program, const QDir& folder) {
    // Every input is inside its limits and equals what its field shows once committed.
    const model::Inputs& in = program.controller().inputs();
    if (!(in.h0 > 0 && in.v0 > 0 && in.alphaDeg > -90 && in.alphaDeg < 90 && in.d > 0 &&
          in.rho > in.rho0 && in.rho0 > 0 && in.eta > 0))
        return "inputs outside their limits";
    ui::MainWindow& window = program.window();
    for (const model::Field f : model::allFields) {
        const std::string text = window.field(f)->text().toStdString();
        if (!program.fields().pending(f) && model::readNumber(text) != model::inputOf(in, f))
            return ui::placeOf(f).field + (" shows \"" + text + "\"");
    }
    // Each result label shows its bare prefix or a value: a number with its unit, or a dash.
    for (const model::QuantityRow& q : model::quantityRows()) {
        const QString text = window.result(q.id)->text();
        const QString prefix = QString::fromUtf8(q.prefix), unit = QString::fromUtf8(q.unit);
        if (text == QString::fromStdString(model::placeholderText(q.id)) || text.endsWith("->00"))
            continue;
        const QString value = text.mid(prefix.size());
        const bool number = value.endsWith(unit) && value.size() > unit.size() &&
                            model::isWholeNumber(value.chopped(unit.size()).toStdString());
        if (!text.startsWith(prefix) || !(number || value == QStringLiteral("—")))
            return ui::placeOf(q.id).label + (" reads \"" + text.toStdString() + "\"");
    }
    // Every pane's coordinate system maps its own corners onto the corners of the pane.
    for (const Graph g : ui::allGraphs) {
        const graphs::PaneTransform& t = window.pane(g)->transform();
        const bool maps = std::abs(t.column(t.left(), 100)) < 1e-6 &&
                          std::abs(t.column(t.right(), 100) - 100) < 1e-6 &&
                          std::abs(t.row(t.top(), 100)) < 1e-6 &&
                          std::abs(t.row(t.bottom(), 100) - 100) < 1e-6;
        if (!maps)
            return "a pane whose coordinate system does not map its corners";
    }
    // Every file is whole (of its kind, first byte to last); no scratch file of a save is left
    // once the saves in the background have ended.
    if (program.tools().busy())
        return {};
    for (const QFileInfo& f : folder.entryInfoList(QDir::Files | QDir::Hidden)) {
        QFile file(f.filePath());
        if (!file.open(QIODevice::ReadOnly))
            return "unreadable " + f.fileName().toStdString();
        const QByteArray bytes = file.readAll();
        const QString kind = f.suffix();
        const bool whole =
            (kind == "png" && bytes.startsWith("\x89PNG") && bytes.contains("IEND")) ||
            (kind == "svg" && bytes.trimmed().endsWith("</svg>")) ||
            (kind == "csv" && bytes.startsWith("curve,x,y\n") && bytes.endsWith('\n')) ||
            (kind == "pdf" && bytes.startsWith("%PDF") && bytes.trimmed().endsWith("%%EOF"));
        if (!whole)
            return "half-written or stray " + f.fileName().toStdString();
    }
    return {};
}

} // namespace

using WindowSoak = ProgramFixture;

TEST_F(WindowSoak, TwoThousandRandomActionsOverEveryTool) {
    QApplication::setQuitOnLastWindowClosed(false);
    // The panes draw for themselves, unrecorded; the animation ticks every millisecond.
    run.setSurfaces(window.pane(Graph::trajectory), window.pane(Graph::vx), window.pane(Graph::vy));
    run.setTickInterval(1);
    QSignalSpy runs(&run, &ui::ThrowController::aboutToRun);
    QTemporaryDir files;
    const QDir folder(files.path());
    ASSERT_TRUE(folder.mkdir("taken.png")); // a name a folder holds: saving there must fail

    std::uint64_t seed = 20261207;
    auto below = [&seed](int n) { return testing_ui::below(seed, n); };
    auto anyOf = [&below](const QList<QAction*>& actions) {
        QList<QAction*> items;
        for (QAction* a : actions)
            if (!a->isSeparator() && !a->menu())
                items << a;
        return items[below(int(items.size()))];
    };
    auto tool = [this](ui::ToolCommand c) { ui::toolAction(window, c)->trigger(); };
    int messages = 0, clicksInFlight = 0, saves = 0, studies = 0;
    ui::InputField* input = nullptr;
    const std::function<void()> actions[] = {
        [&] { // type a few keys somewhere in the text or over it, ending with Enter, Tab or Esc
            input->setFocus();
            if (below(3) == 0)
                input->selectAll();
            else
                input->setCursorPosition(below(static_cast<int>(input->text().size()) + 1));
            for (int n = 1 + below(5); n > 0; --n)
                QTest::keyClick(input, keys[below(static_cast<int>(keys.size()))].toLatin1());
            const Qt::Key ends[] = {Qt::Key_Return, Qt::Key_Tab, Qt::Key_Escape, Qt::Key_unknown};
            if (const Qt::Key end = ends[below(4)]; end != Qt::Key_unknown)
                QTest::keyClick(input, end);
        },
        [&] { // paste over the whole text or at the cursor
            QGuiApplication::clipboard()->setText(pastes[below(pastes.size())]);
            input->setFocus();
            if (below(4) != 0)
                input->selectAll();
            input->paste();
        },
        [&] { // clear, by the keyboard or at once
            input->setFocus();
            input->selectAll();
            if (below(2) == 0)
                QTest::keyClick(input, Qt::Key_Backspace);
            else
                input->clear();
        },
        [&] { // a scale bar, often to its ends
            QScrollBar* bar = below(2) == 0 ? window.hScroll() : window.vScroll();
            const int where = below(4);
            bar->setValue(where == 0 ? 0 : where == 1 ? 200 : below(201));
        },
        [&] { // a graph option
            QRadioButton* option = window.option(Graph(below(3)));
            if (option->isVisible())
                QTest::mouseClick(option, Qt::LeftButton);
        },
        [&] { // ПУСК, often while a flight is still in the air
            clicksInFlight += run.busy() ? 1 : 0;
            QTest::mouseClick(window.runButton(), Qt::LeftButton);
        },
        [&] { // resize, down to nothing and up to 4K
            static const QSize sizes[] = {{0, 0}, {3840, 2160}, {720, 560}, {1, 1}, {100, 3000}};
            const int which = below(7);
            window.resize(which < 5 ? sizes[which] : QSize(below(3841), below(2161)));
        },
        [&] { QTest::qWait(below(30)); }, // wait a little; the flight goes on
        [&] {                             // a material or a medium from the presets
            QMenu* menu =
                below(2) ? program.presets().materialsMenu() : program.presets().mediaMenu();
            anyOf(menu->actions())->trigger();
        },
        [&] { anyOf(program.view().speedMenu()->actions())->trigger(); },
        [&] { program.view().pauseAction()->trigger(); },
        [&] { anyOf(program.view().scaleMenu()->actions())->trigger(); },
        [&] { // comparison on or off, or cleared
            tool(below(3) ? ui::ToolCommand::compare : ui::ToolCommand::clearComparison);
        },
        [&] { // the readout follows the pointer over a pane, and leaves it
            graphs::GraphPane* pane = window.pane(Graph(below(3)));
            if (!pane->isVisible())
                return;
            for (int n = 1 + below(4); n > 0; --n)
                QTest::mouseMove(pane, QPoint(below(pane->width() + 1), below(pane->height() + 1)));
            if (below(2))
                QTest::mouseMove(window.runButton());
        },
        [&] { // save a picture, the data or the report, sometimes where it cannot be written
            using enum ui::ToolCommand;
            const std::pair<const char*, ui::ToolCommand> saving[] = {
                {"graph.png", saveGraph}, {"graph.svg", saveGraph},
                {"data.csv", saveData},   {"report.pdf", saveReport},
                {"taken.png", saveGraph}, {"missing/graph.png", saveGraph}};
            const int which = below(6);
            dialogs.answer = {folder.filePath(saving[which].first), which == 1 ? 1 : 0};
            tool(saving[which].second);
            ++saves;
        },
        [&] { // copy, or print to a PDF printer
            const ui::ToolCommand commands[] = {
                ui::ToolCommand::copyGraph, ui::ToolCommand::copyResults, ui::ToolCommand::print};
            dialogs.printTo = folder.filePath("printed.pdf");
            tool(commands[below(3)]);
        },
        [&] { // a study of a few points, left to end or cancelled mid-way, then closed
            ui::StudyWindow* study = ui::StudyWindow::open(run.inputs(), &window);
            study->countBox()->setValue(2 + below(30));
            study->start();
            QTest::qWait(below(40));
            if (below(2))
                study->cancel();
            study->close();
            ++studies;
        },
        [&] { // close the window: No keeps it, Yes closes it (and it is opened again)
            boxes.answer = below(2) == 0;
            if (!window.close())
                return;
            window.show();
            [[maybe_unused]] bool shown = QTest::qWaitForWindowExposed(&window);
        },
    };
    // ПУСК and waiting come more often than the rest; the heavy tools less often.
    const int often[] = {0, 0, 1, 2, 3, 4, 5, 5, 6, 7, 7, 8, 9, 10, 11, 12, 13, 13, 14, 15, 16, 17};

    QElapsedTimer total;
    total.start();
    ui::LoopLatency latency; // the event loop answers throughout
    latency.start();
    qint64 longestGap = 0;
    std::string longestGapAt;
    // By kind: the longest gap with nothing in the background, and with a flight in the air or
    // a save, copy or report page being finished, before or after the action.
    std::map<int, std::pair<qint64, qint64>> longestOfKind;
    for (int i = 0; i < 2000; ++i) {
        QElapsedTimer clock;
        clock.start();
        latency.start();
        input = window.field(model::Field(below(7)));
        const int kind = often[below(int(std::size(often)))];
        auto quiet = [&] { return !run.busy() && !program.tools().busy(); };
        const bool calm = quiet();
        actions[kind]();
        QCoreApplication::processEvents();
        // Read before the checks below, whose reading of the files is the test's, not the window's.
        const qint64 gap = latency.longestGapMs();
        const std::string at = " after action " + std::to_string(i) + ", " + kinds[kind] +
                               (calm && quiet() ? "" : " (in flight or tools busy)");
        ASSERT_EQ(fault(program, folder), "") << at;
        ASSERT_LT(clock.elapsed(), kActionLimitMs) << at;
        qint64& longest = calm && quiet() ? longestOfKind[kind].first : longestOfKind[kind].second;
        longest = std::max(longest, gap);
        if (gap > longestGap)
            longestGap = gap, longestGapAt = at;
        for (const auto& box : boxes.boxes) // every message box was answered and recorded
            ASSERT_FALSE(box.text.isEmpty()) << "an empty message box" << at;
        messages += static_cast<int>(boxes.boxes.size());
        boxes.boxes.clear();
    }
    std::printf("longest gap of the event loop by action, ms (calm; in flight or tools busy):\n");
    for (const auto& [kind, gaps] : longestOfKind)
        std::printf("  %-15s %5lld %5lld\n", kinds[kind], gaps.first, gaps.second);
    std::printf("longest gap of the event loop: %lld ms%s\n", longestGap, longestGapAt.c_str());
    EXPECT_LE(longestGap, kLongestGapMs) << "the window did not answer for so long" << longestGapAt;
    // The last flight lands (at once: it may be a long one), and the window is whole afterwards.
    window.resize(720, 560);
    run.setPaused(false);
    run.setGroupsPerTick(0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !run.busy() && !program.tools().busy(); }, 30000));
    EXPECT_EQ(fault(program, folder), "");
    EXPECT_LT(total.elapsed(), kTotalLimitMs);
    // The sequence did reach the paths it is meant to stress.
    EXPECT_GT(messages, 50);
    EXPECT_GT(clicksInFlight, 20);
    EXPECT_GT(runs.count(), 100);
    EXPECT_GT(saves, 50);
    EXPECT_GT(studies, 30);
    QApplication::setQuitOnLastWindowClosed(true);
}
