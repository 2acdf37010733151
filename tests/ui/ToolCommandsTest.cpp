#include "ProgramFixture.h"
#include "model/curves/CurvesCsv.h"
#include "support/LoopLatency.h"
#include "ui/platform/BackgroundSaves.h"
#include "ui/platform/DocumentViewer.h"
#include "ui/platform/Language.h"
#include "ui/platform/SaveFile.h"
#include "ui/tools/DragCoefficient.h"
#include "ui/tools/KeptThrowDrawing.h"
#include "ui/tools/PictureCaption.h"

#include <QFontMetricsF>

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>
#include <clocale>
#include <cmath>
#include <csignal>
#include <map>
#include <memory>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace testing_ui;

namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What a tool such as pdftotext writes to its standard output.
QString output(const QString& program, const QStringList& args) {
    QProcess tool;
    tool.start(program, args);
    tool.waitForFinished(30000);
    return QString::fromUtf8(tool.readAllStandardOutput());
}

// y of a polyline at x, by a plain walk from its start point.
double walkedValue(model::PanePoint a, const std::vector<model::PanePoint>& points, double x) {
    for (const model::PanePoint& b : points) {
        if ((a.x <= x && x <= b.x) && b.x > a.x)
            return a.y + (x - a.x) / (b.x - a.x) * (b.y - a.y);
        a = b;
    }
    return NAN;
}

// Russian numbers, with a decimal comma, built into folder (so the test needs no installed
// locale); false when that cannot be done.
bool useCommaLocale(const QString& folder) {
    const QStringList args{"-i", "ru_RU", "-f", "UTF-8", folder + "/ru_RU.UTF-8"};
    if (QProcess::execute("localedef", args) != 0)
        return false;
    qputenv("LOCPATH", QFile::encodeName(folder));
    return setlocale(LC_NUMERIC, "ru_RU.UTF-8") && localeconv()->decimal_point == std::string(",");
}

// The entries of a pane's key for the kept throws, each on one line.
QStringList legend(const graphs::GraphPane& pane) {
    QStringList out;
    for (const graphs::KeyEntry& e : pane.keyPart(graphs::KeyPart::throws))
        out << e.label + ' ' + e.pieces.join(", ");
    return out;
}

int shaded(const std::vector<SurfaceCall>& calls) {
    int n = 0;
    for (std::size_t m = 0; m < 3; ++m)
        n += count(sinceClear(calls), Op::DrawLineTo, ui::keptShade(m));
    return n;
}

} // namespace

class Tools : public ProgramFixture {
protected:
    // Runs a command and waits for what it does in the background.
    void trigger(ui::ToolCommand c) {
        ui::toolAction(window, c)->trigger();
        settle();
    }
    void settle() {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !program.tools().busy(); }, 30000));
    }
    // The save dialogs choose this file in the temporary folder.
    QString answer(const QString& name, int type = 0) {
        dialogs.answer = {folder.filePath(name), type};
        return dialogs.answer.path;
    }
    // Moves the pointer over the pane to the point (x, y) of its user coordinates.
    void pointAt(Graph g, double x, double y) {
        if (!window.pane(g)->isVisible())
            window.option(g)->click();
        graphs::GraphPane* pane = window.pane(g);
        const QRect interior = pane->contentsRect();
        const QPointF at =
            QPointF(interior.topLeft()) + pane->transform().toPixel(x, y, QSizeF(interior.size()));
        QMouseEvent move(QEvent::MouseMove, at, pane->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(pane, &move);
    }
    QStringList lines(Graph g) const {
        return window.pane(g)->accessibleDescription().split('\n', Qt::SkipEmptyParts);
    }
    // The readout's fourth line: the values of the three models.
    void expectValues(Graph g, const std::array<double, 3>& want, double tolerance) {
        const QStringList cells = lines(g).value(3).split(' ', Qt::SkipEmptyParts);
        ASSERT_EQ(cells.size(), 3);
        for (int m = 0; m < 3; ++m)
            EXPECT_NEAR(cells[m].toDouble(), want[m], tolerance) << m;
    }
    void compare(bool on) {
        const QSignalBlocker quiet(&program.comparison()); // the test's choice is not remembered
        program.comparison().setComparing(on);
    }
    QTemporaryDir folder;
};

// Pictures carry the key of the models and the inputs beneath the graph unless «с подписями» is
// unchecked, which is remembered; the first dialog opens in the user's pictures, never in the
// working directory.
TEST_F(Tools, SaveGraphAsPngOrSvgByTheChosenTypeAndCopyIt) {
    const QSize pane = window.pane(Graph::trajectory)->contentsRect().size();
    trigger(ui::ToolCommand::saveGraph);
    ASSERT_EQ(dialogs.suggested.size(), 1); // cancelled: nothing written
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    EXPECT_EQ(dialogs.suggested[0], QDir(QFileInfo(pictures).isDir() ? pictures : QDir::homePath())
                                        .filePath("ballflight-trajectory.png"));
    EXPECT_FALSE(dialogs.suggested[0].startsWith(QDir::currentPath() + '/'));
    ASSERT_TRUE(dialogs.offered);
    EXPECT_EQ(dialogs.offered->text, "с подписями");
    EXPECT_TRUE(dialogs.offered->checked);

    const QString png = answer("picture");
    trigger(ui::ToolCommand::saveGraph);
    const QImage image(png + ".png"); // the selected type's suffix is added
    EXPECT_EQ(image.width(), pane.width() * 2);
    ASSERT_GT(image.height(), pane.height() * 2);
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32); // the linear-drag curve
    auto blue = [&rgb](int fromRow, int toRow) {
        const auto* pixels = reinterpret_cast<const QRgb*>(rgb.constScanLine(fromRow));
        return std::count(pixels, pixels + rgb.width() * (toRow - fromRow), qRgb(0, 0, 255));
    };
    EXPECT_GT(blue(0, pane.height() * 2), 1000);
    EXPECT_GT(blue(pane.height() * 2, rgb.height()), 20); // its sample in the key

    // A typed suffix decides over the selected type; the next dialog opens in this folder.
    const QString svg = answer("vector.svg", 0);
    trigger(ui::ToolCommand::saveGraph);
    const QString vectors = QString::fromUtf8(contents(svg)); // drawn as lines, not as a picture
    EXPECT_GT(vectors.count("<path") + vectors.count("<polyline"), 10);
    EXPECT_FALSE(vectors.contains("<image"));
    // The texts as written, a piece per font: «h = 0.500 », «м,».
    QString texts;
    static const QRegularExpression piece(">([^<]*)</text>");
    for (const QRegularExpressionMatch& m : piece.globalMatch(vectors))
        texts += m.captured(1);
    for (const char* text :
         {"в вакууме", "в среде (Fc~v)", "в среде (Fc~v^2)", "h = 0.500 м,", "η = 0.0010060 Па·с"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(text))) << text;
    dialogs.optionAnswer = false;
    trigger(ui::ToolCommand::saveGraph);
    EXPECT_EQ(dialogs.suggested.last(), folder.filePath("ballflight-trajectory.png"));
    EXPECT_FALSE(contents(svg).contains(">в вакууме<"));

    trigger(ui::ToolCommand::copyGraph);
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), pane * 2);
    EXPECT_TRUE(boxes.boxes.isEmpty());
    ui::Program again{boxes, tone, opener, dialogs, settings.filePath("ballflight.conf")};
    EXPECT_FALSE(again.tools().pictureCaptions());

    // The velocity graphs are empty before the first run: the user is told, nothing is asked.
    window.option(Graph::vx)->click();
    const auto asked = dialogs.suggested.size();
    for (const auto c :
         {ui::ToolCommand::saveGraph, ui::ToolCommand::copyGraph, ui::ToolCommand::saveData})
        trigger(c);
    EXPECT_EQ(dialogs.suggested.size(), asked);
    EXPECT_EQ(boxes.boxes.size(), 3);
}

// The results as spreadsheet columns, before and after a landing; the data of the graph shown.
TEST_F(Tools, CopyResultsAndSaveDataOfTheShownGraph) {
    auto rows = [] { return QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts); };
    trigger(ui::ToolCommand::copyResults);
    QStringList lines = rows();
    ASSERT_EQ(lines.size(), 38); // the header, 7 inputs, 27 results, 3 Reynolds numbers
    for (const QString& line : lines)
        EXPECT_EQ(line.count('\t'), 3) << line.toStdString();
    EXPECT_EQ(lines[35].section('\t', 1, 1).toDouble(), 1000.0 * 3 * 0.4 / 0.001006);
    EXPECT_TRUE(lines[35].endsWith(QString::fromUtf8("завышает сопротивление в разы")))
        << lines[35].toStdString();
    EXPECT_EQ(lines[9].section('\t', 1, 2), "0.15284287736351887\tc"); // Tp with every digit
    EXPECT_EQ(lines[34].section('\t', 1, 1), "");                      // Vy2(y=0) before the run

    runToLanding();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(field(Field::h0), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    settle();
    lines = rows();
    ASSERT_EQ(lines.size(), 38);
    EXPECT_EQ(lines[34].section('\t', 1, 1).toDouble(),
              *run.currentThrow()->value(Quantity::VyEnd2));
    // The drag columns' headers read the regime at the launch, in three digits.
    for (const char* header : {"Label21", "Label28"}) {
        QLabel* label = window.findChild<QLabel*>(header);
        QHelpEvent show(QEvent::ToolTip, QPoint(1, 1), label->mapToGlobal(QPoint(1, 1)));
        QCoreApplication::sendEvent(label, &show);
        EXPECT_TRUE(label->toolTip().contains(
            QString::fromUtf8("при броске: Re = 1190000 — за кризисом сопротивления: ")))
            << header;
    }

    // The numbers keep "." under a locale whose decimal separator is a comma.
    window.option(Graph::vy)->click();
    const QString path = answer("data.csv");
    std::ostringstream expected;
    model::writeCurvesCsv(*run.currentThrow(), expected, model::vyCurves);
    const std::string numbers = setlocale(LC_NUMERIC, nullptr);
    ASSERT_TRUE(useCommaLocale(folder.path()));
    trigger(ui::ToolCommand::saveData);
    setlocale(LC_NUMERIC, numbers.c_str());
    qunsetenv("LOCPATH");
    EXPECT_TRUE(dialogs.suggested.last().endsWith("/ballflight-vy.csv"));
    EXPECT_EQ(contents(path).toStdString(), expected.str());
    EXPECT_TRUE(contents(path).startsWith("curve,x,y\nvy_vacuum,0,1.5\n"));
}

// Cd is set in a dialog below the stated tools (the panes' context menus keep only those): a ball
// puts in its Cd and names its source, «Применить» makes it the lesson's as one step. The legend,
// the copied results and the captions of pictures, the report and the study name it; at 0.5 none.
TEST_F(Tools, DragCoefficientIsSetInItsDialogAndNamedBesideTheInputs) {
    QAction* item = program.dragCoefficient().action();
    const QList<QAction*> items = window.toolsMenu()->actions();
    EXPECT_GT(items.indexOf(item), items.indexOf(ui::toolAction(window, ui::ToolCommand::present)));
    EXPECT_FALSE(window.pane(Graph::trajectory)->actions().contains(item));
    compare(true);
    runToLanding();
    item->trigger();
    ui::DragCoefficientDialog* dialog = program.dragCoefficient().dialog();
    ASSERT_TRUE(dialog && dialog->isVisible());
    EXPECT_EQ(dialog->value(), 0.5);
    // The steel ball's Re lies beyond the smooth sphere's drag law: no reading there.
    EXPECT_TRUE(dialog->dragLaw()->text().contains("при броске Re = 1190000, Cd = —;"))
        << dialog->dragLaw()->text().toStdString();
    emit dialog->balls()->activated(4);
    EXPECT_EQ(dialog->value(), 0.25);
    EXPECT_TRUE(dialog->source()->text().startsWith("Bearman P. W., Harvey J. K."));
    dialog->field()->setValue(0.47); // a smooth sphere's, chosen with it
    EXPECT_EQ(dialog->balls()->currentIndex(), 1);
    dialog->field()->setValue(0.4521);
    EXPECT_EQ(dialog->balls()->currentIndex(), 0);
    dialog->accept();
    EXPECT_EQ(run.currentThrow()->inputs().cd, 0.452);
    EXPECT_EQ(legend(*window.pane(Graph::trajectory)),
              QStringList({"сейчас: Cd = 0.452", "1: Cd = 0.5"}));
    trigger(ui::ToolCommand::copyResults);
    QStringList lines = QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 39);
    EXPECT_EQ(lines[8], "Коэффициент сопротивления\t0.452\t\tCd — исходное данное (Fc~v^2)");
    EXPECT_EQ(ui::PictureCaption::of(run.inputs()).inputs.value(7), "Cd = 0.452");

    program.session().history().undo();
    EXPECT_EQ(run.currentThrow()->inputs().cd, 0.5);
    EXPECT_EQ(ui::PictureCaption::of(run.inputs()).inputs.size(), 7);
    trigger(ui::ToolCommand::copyResults);
    EXPECT_EQ(QGuiApplication::clipboard()->text().count('\n'), 38);
}

TEST_F(Tools, ReportPrintedAndSavedAsPdfHoldsEveryResult) {
    runToLanding();
    const QString saved = answer("report");
    trigger(ui::ToolCommand::saveReport);
    dialogs.printTo = folder.filePath("printed.pdf");
    trigger(ui::ToolCommand::print);
    ASSERT_TRUE(boxes.boxes.isEmpty());
    for (const QString& pdf : {saved + ".pdf", dialogs.printTo}) {
        SCOPED_TRACE(pdf.toStdString());
        ASSERT_TRUE(contents(pdf).startsWith("%PDF"));
        const QString raw = output("pdftotext", {"-raw", pdf, "-"}), text = raw.simplified();
        EXPECT_EQ(raw.count(QChar('\f')), 1); // one page
        for (const model::QuantityRow& q : model::quantityRows())
            EXPECT_TRUE(text.contains(this->text(q.id).simplified())) << q.key;
        for (const char* t :
             {"шара, брошенного с", "h = 0.500 м", "η = 0.0010060 Па с", "__ в среде (Fc~v^2)",
              "Траектории", "Проекции Vy", "при падении в среде (Fc~v): Re ="})
            EXPECT_TRUE(text.contains(QString::fromUtf8(t))) << t;
    }
}

TEST_F(Tools, AFileThatCannotBeWrittenIsReportedAndNotLeftHalfWritten) {
    const QString missing = answer("missing/graph.png");
    trigger(ui::ToolCommand::saveGraph);
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes[0].title, "Сохранить график");
    EXPECT_EQ(boxes.boxes[0].text, "Не удалось сохранить файл «" + missing + "»: папка " +
                                       folder.filePath("missing") + " не существует.");

    // The name is taken by a folder, which stays as it was; nothing else appears beside it.
    ASSERT_TRUE(QDir(folder.path()).mkdir("taken.csv"));
    answer("taken.csv");
    trigger(ui::ToolCommand::saveData);
    ASSERT_EQ(boxes.boxes.size(), 2);
    EXPECT_EQ(boxes.boxes[1].text, "Не удалось сохранить файл «" + folder.filePath("taken.csv") +
                                       "»: это имя занято папкой.");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"taken.csv"});

    // A file size limit of 100 bytes: the reason is told, also for a write larger than a
    // buffer, and no file is left.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const rlimit tight{100, old.rlim_max};
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &tight);
    QStringList reasons;
    for (const int size : {5000, 200000})
        reasons << ui::saveFileAtomically(folder.filePath("big.csv"), QByteArray(size, 'x'));
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    for (const QString& reason : reasons)
        EXPECT_TRUE(reason.startsWith("не удалось записать данные на диск ("))
            << reason.toStdString();
    EXPECT_FALSE(QFileInfo::exists(folder.filePath("big.csv")));

    // A device is written straight, also through a link, and never replaced by a file (/dev/full
    // is a full disk); a pipe, which could keep the window waiting for a reader, is refused.
    const QString toNull = folder.filePath("null.csv"), pipe = folder.filePath("pipe.csv");
    ASSERT_TRUE(QFile::link("/dev/null", toNull));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe), 0600), 0);
    EXPECT_EQ(ui::saveFileAtomically("/dev/full", "x"), "на диске не хватает места");
    EXPECT_EQ(ui::saveFileAtomically(toNull, "x"), "");
    EXPECT_EQ(ui::saveFileAtomically(pipe, "x"), "это не обычный файл");
    for (const QString& kept : {QString("/dev/full"), toNull, pipe})
        EXPECT_FALSE(QFileInfo(kept).isFile()) << kept.toStdString();
    EXPECT_TRUE(QFileInfo(toNull).isSymLink());
}

// A save is made and written on the work pool while the window answers; after a moment it
// shows its progress, and cancelled there it leaves no file, not even a scratch one; a file
// that cannot be written is told as ever.
TEST(BackgroundSaves, WriteWhileTheWindowAnswersCancelWithoutAFileAndTellFailures) {
    ui::RecordingMessageBoxes boxes;
    ui::BackgroundSaves saves(boxes);
    QTemporaryDir folder;
    std::atomic<bool> release{false};
    auto slowRows = [&release](const ui::BackgroundSaves::Progress& progress) {
        while (!release)
            if (!progress(0.5))
                return QByteArray("curve,x"); // cut short: must never reach the disk
            else
                QThread::msleep(5);
        return QByteArray("curve,x,y\n");
    };
    auto progressShown = [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QProgressDialog*>(w); d && d->isVisible())
                return d;
        return static_cast<QProgressDialog*>(nullptr);
    };
    ui::LoopLatency latency;
    latency.start();
    bool saved = false;
    saves.save(folder.filePath("slow.csv"), "Сохранить данные", slowRows, [&] { saved = true; });
    QTest::qWait(ui::BackgroundSaves::progressAfterMs / 2);
    EXPECT_EQ(progressShown(), nullptr); // a quick save shows nothing
    ASSERT_TRUE(QTest::qWaitFor([&] { return progressShown() != nullptr; }, 5000));
    EXPECT_EQ(progressShown()->value(), 500);
    release = true;
    ASSERT_TRUE(QTest::qWaitFor([&] { return saves.running() == 0; }, 5000));
    EXPECT_TRUE(saved);
    EXPECT_EQ(contents(folder.filePath("slow.csv")), "curve,x,y\n");
    EXPECT_LT(latency.longestGapMs(), 100);
    EXPECT_TRUE(QTest::qWaitFor([&] { return progressShown() == nullptr; }, 1000));

    release = false;
    saves.save(folder.filePath("cancelled.csv"), "Сохранить данные", slowRows);
    ASSERT_TRUE(QTest::qWaitFor([&] { return progressShown() != nullptr; }, 5000));
    emit progressShown()->canceled();
    ASSERT_TRUE(QTest::qWaitFor([&] { return saves.running() == 0; }, 5000));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"slow.csv"});

    const QString missing = folder.filePath("missing/data.csv");
    saves.save(missing, "Сохранить данные", QByteArray("curve,x,y\n"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return saves.running() == 0; }, 5000));
    ASSERT_EQ(boxes.boxes.size(), 1); // the cancelled save told nothing
    EXPECT_EQ(boxes.boxes[0].title, "Сохранить данные");
    EXPECT_EQ(boxes.boxes[0].text, "Не удалось сохранить файл «" + missing + "»: папка " +
                                       folder.filePath("missing") + " не существует.");
}

// A landed flight of a million steps: its data, picture and report are saved and its results
// copied while the window goes on answering (a timer asking every 10 ms).
TEST_F(Tools, ALongFlightIsSavedAndCopiedWhileTheWindowAnswers) {
    run.setSurfaces(window.pane(Graph::trajectory), window.pane(Graph::vx), window.pane(Graph::vy));
    const std::pair<Field, const char*> longFlight[] = {
        {Field::h0, "2"},       {Field::v0, "10"},     {Field::alphaDeg, "45"}, {Field::d, "0.05"},
        {Field::rho, "1001.4"}, {Field::rho0, "1000"}, {Field::eta, "1.5"}};
    for (const auto& [f, text] : longFlight)
        paste(f, text);
    runToLanding();
    ASSERT_GT(run.currentThrow()->flight().stepCount(), 1000000);
    QTest::qWait(100);
    for (const char* name : {"data.csv", "graph.png", "report.pdf", "copy"}) {
        ui::LoopLatency latency;
        latency.start();
        const QString file = answer(name);
        const QString kind = QFileInfo(file).suffix();
        trigger(kind == "csv"   ? ui::ToolCommand::saveData
                : kind == "png" ? ui::ToolCommand::saveGraph
                : kind == "pdf" ? ui::ToolCommand::saveReport
                                : ui::ToolCommand::copyResults);
        std::printf("longest gap of the event loop, %s: %lld ms\n", name, latency.longestGapMs());
        EXPECT_LT(latency.longestGapMs(), 300) << name;
        EXPECT_TRUE(kind.isEmpty() || QFileInfo(file).size() > 1000) << name;
    }
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST_F(Tools, ReadoutShowsTheCurvesAtThePointerWithoutRenderingThePictureAgain) {
    pointAt(Graph::trajectory, 0.5, 0.5); // before ПУСК the red curve has no values
    EXPECT_TRUE(lines(Graph::trajectory).value(3).trimmed().endsWith("—"));
    runToLanding();
    const model::Throw& t = *run.currentThrow();
    graphs::GraphPane* pane = window.pane(Graph::trajectory);
    const int renders = pane->pictureRenders();

    // At X = 1 m: the height of each model's drawn curve.
    pointAt(Graph::trajectory, 1.0, 0.4);
    EXPECT_EQ(lines(Graph::trajectory).mid(0, 3),
              QStringList({"Х, м  1.000", "Y, м  0.400", "вакуум  Fc~v  Fc~v^2"}));
    const model::PanePoint start{0, float(t.inputs().h0)};
    const std::array<double, 3> heights{walkedValue(start, t.vacuum().points, 1.0),
                                        walkedValue(start, t.linearPath(), 1.0),
                                        walkedValue(start, t.flightPieces(), 1.0)};
    expectValues(Graph::trajectory, heights, 0.0006);
    EXPECT_LT(heights[2], heights[1]); // the drag of water shows

    // Past the landing the red curve has ended; moving renders nothing anew; leaving ends it.
    pointAt(Graph::trajectory, t.flightPieces().back().x + 0.01, 0.1);
    EXPECT_TRUE(lines(Graph::trajectory).value(3).trimmed().endsWith("—"));
    for (int n = 0; n < 20; ++n) {
        pointAt(Graph::trajectory, 0.05 * n, 0.5);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(pane->pictureRenders(), renders);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(pane, &leave);
    EXPECT_TRUE(pane->accessibleDescription().isEmpty());

    // Vy at t = 0.300 s, on the velocity curves from their start.
    pointAt(Graph::vy, 0.3, 0);
    EXPECT_EQ(lines(Graph::vy).value(0), "t, c  0.300");
    const model::VelocityCurves& c = t.velocityCurves();
    const auto at = [](const auto& curve) { return walkedValue(curve.front(), curve, 0.3); };
    const std::array vy{at(c.vacuumVy), at(c.linearVy), at(c.quadraticVy)};
    expectValues(Graph::vy, vy, 0.0006);

    // A new input leaves these curves on the velocity panes until the next landing: still read.
    paste(Field::v0, "2");
    pointAt(Graph::vy, 0.3, 0);
    expectValues(Graph::vy, vy, 0.0017);
}

// Up to five landed throws lie beneath the current one, named by what differs, on the panes and
// in the report; the choice to compare is remembered between starts.
TEST_F(Tools, ComparisonKeepsFiveThrowsBeneathTheCurrentOneAndNamesWhatDiffers) {
    compare(true);
    runToLanding();
    const model::TrajectoryRanges first = run.currentThrow()->trajectoryRanges();
    paste(Field::v0, "1"); // the landed throw goes beneath: 1
    paste(Field::eta, "1.5");
    graphs::GraphPane& pane = *window.pane(Graph::trajectory);
    EXPECT_EQ(legend(pane), QStringList({"сейчас: Vo = 1.000 м/с, η = 1.5000000 Па·с",
                                         "1: Vo = 3.000 м/с, η = 0.0010060 Па·с"}));
    EXPECT_GT(shaded(calls(2)) * shaded(calls(3)), 0); // the velocity panes show it too
    // The slow throw falls short: the pane keeps the first throw's range.
    EXPECT_LT(run.currentThrow()->trajectoryRanges().right, first.right);
    EXPECT_EQ(sinceClear(calls(1))[0],
              SurfaceCall::setScale(first.left, first.top, first.right, first.bottom));

    for (const char* eta : {"0.002", "0.004", "0.008", "0.016", "0.032"}) {
        runToLanding();
        paste(Field::eta, eta);
    }
    // A ПУСК with the inputs of the throw shown keeps nothing new.
    runToLanding();
    runToLanding();
    // Throws 1 … 6 landed before the current one; the five latest lie beneath it, on every pane
    // told apart by η alone, each entry whole within the pane.
    EXPECT_EQ(program.comparison().kept().size(), 5u);
    const QStringList entries{"сейчас: η = 0.0320000 Па·с", "2: η = 1.5000000 Па·с",
                              "3: η = 0.0020000 Па·с",      "4: η = 0.0040000 Па·с",
                              "5: η = 0.0080000 Па·с",      "6: η = 0.0160000 Па·с"};
    EXPECT_EQ(legend(pane), entries);
    EXPECT_EQ(legend(*window.pane(Graph::vy)), entries);
    for (const QSizeF interior : {QSizeF(pane.contentsRect().size()), QSizeF(150, 150)}) {
        const graphs::KeyLayout key = pane.keyLayout(interior);
        EXPECT_TRUE(QRectF(QPointF(0, 0), interior).contains(key.box)) << interior.width();
        QString text;
        for (const graphs::KeyLayout::Line& l : key.lines) {
            text += l.text + ' ';
            EXPECT_LE(l.baseline.x() + QFontMetricsF(key.font).horizontalAdvance(l.text),
                      key.box.right());
        }
        EXPECT_EQ(text.simplified(), entries.join(' ')) << interior.width();
    }
    // Nor does a throw with the inputs of a kept one (6); the one before it is new (7).
    paste(Field::eta, "0.016");
    runToLanding();
    paste(Field::eta, "0.5");
    std::vector<int> numbers;
    for (const model::KeptThrow* k : program.comparison().kept())
        numbers.push_back(k->number);
    EXPECT_EQ(numbers, std::vector<int>({3, 4, 5, 6, 7}));
    // The report draws the kept throws on all three graphs, each dash a path in its shade.
    const QString report = answer("report.pdf");
    trigger(ui::ToolCommand::saveReport);
    std::map<QRgb, int> strokes;
    static const QRegularExpression rgb("stroke:rgb\\(([0-9.]+)%,([0-9.]+)%,([0-9.]+)%\\)");
    for (const QRegularExpressionMatch& m :
         rgb.globalMatch(output("pdftocairo", {"-svg", report, "-"}))) {
        auto level = [&](int n) { return qRound(m.captured(n).toDouble() * 2.55); };
        ++strokes[qRgb(level(1), level(2), level(3))];
    }
    for (std::size_t m = 0; m < 3; ++m)
        EXPECT_GT(strokes[ui::keptShade(m).rgb()], 30) << m;
    // The readout names the coordinates, the models, the throw and the five kept ones.
    pointAt(Graph::trajectory, 0.1, 0.1);
    EXPECT_EQ(lines(Graph::trajectory).size(), 9);

    // A scale-bar move draws them again; clearing takes them off every pane, the current throw's
    // curves staying.
    runToLanding();
    window.hScroll()->setValue(150);
    EXPECT_GT(shaded(calls(1)), 0);
    trigger(ui::ToolCommand::clearComparison);
    EXPECT_EQ(shaded(calls(1)) + shaded(calls(2)) + shaded(calls(3)), 0);
    EXPECT_GT(count(sinceClear(calls(3)), Op::DrawLineTo, QColor(255, 0, 0)), 0);
    EXPECT_FALSE(ui::toolAction(window, ui::ToolCommand::clearComparison)->isEnabled());

    // Switched off, a landed throw is not kept.
    runToLanding();
    compare(false);
    runToLanding();
    EXPECT_TRUE(program.comparison().kept().empty());
    EXPECT_EQ(shaded(calls(1)), 0);

    // The choice to compare is remembered between starts.
    ui::Program again{boxes, tone, opener, dialogs, settings.filePath("ballflight.conf")};
    EXPECT_FALSE(again.comparison().comparing());
    ui::toolAction(again.window(), ui::ToolCommand::compare)->trigger();
    ui::Program third{boxes, tone, opener, dialogs, settings.filePath("ballflight.conf")};
    EXPECT_TRUE(ui::toolAction(third.window(), ui::ToolCommand::compare)->isChecked());
}

// A switch of language writes the tools' texts again: the menus and their items, the lesson
// commands, the window's title, the comparison's key and an open document's tool bar. Each is
// spoilt first, so that what comes back after English and Russian shows it was written again.
TEST_F(Tools, ASwitchOfLanguageWritesTheToolTextsAgain) {
    compare(true);
    runToLanding();
    paste(Field::v0, "1");
    graphs::GraphPane& pane = *window.pane(Graph::trajectory);
    const QStringList key = legend(pane);
    {
        QPdfWriter writer(folder.filePath("one.pdf"));
        QPainter painter(&writer);
    }
    std::unique_ptr<ui::DocumentViewer> viewer(
        ui::DocumentViewer::open(folder.filePath("one.pdf")));
    ASSERT_TRUE(viewer && key.size() == 2);
    auto menu = [this](const char* name) { return window.findChild<QMenu*>(name); };
    const std::vector<std::pair<QObject*, const char*>> texts{
        {menu("mnuToolsSpeed"), "title"},
        {menu("mnuToolsSpeed")->actions().back(), "text"},
        {menu("mnuToolsScale")->actions().back(), "text"},
        {menu("mnuToolsMedium"), "title"},
        {menu("mnuToolsMedium")->actions().front(), "toolTip"},
        {window.findChild<QAction*>("mnuToolsPause"), "text"},
        {window.findChild<QAction*>("mnuLessonNew"), "text"},
        {&window, "windowTitle"},
        {viewer->findChild<QSpinBox*>("PageNumber"), "prefix"}};
    QStringList russian, now;
    for (const auto& [object, property] : texts) {
        russian << object->property(property).toString();
        object->setProperty(property, "spoilt");
    }
    pane.setKeyPart(graphs::KeyPart::throws, {});
    ASSERT_TRUE(ui::LanguageSwitch::instance().choose(translations::Language::english));
    ui::LanguageSwitch::instance().choose(translations::Language::russian);
    for (const auto& [object, property] : texts)
        now << object->property(property).toString();
    EXPECT_EQ(now, russian);
    EXPECT_EQ(russian.mid(1, 4),
              QStringList({"без анимации", "Мельче", "Среда",
                           "Варгафтик Н. Б. Справочник по теплофизическим "
                           "свойствам газов и жидкостей: сухой воздух, 101,3 кПа"}));
    EXPECT_EQ(legend(pane), key);
}

// What the program writes for the user to keep speaks the language of the moment too: the
// picture's captions, the copied results, the graph's data and the report.
TEST_F(Tools, ExportsInEnglishHoldNoRussian) {
    ASSERT_TRUE(ui::LanguageSwitch::instance().choose(translations::Language::english));
    runToLanding();
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    const QString svg = answer("picture.svg");
    trigger(ui::ToolCommand::saveGraph);
    const QString data = answer("data.csv");
    trigger(ui::ToolCommand::saveData);
    const QString report = answer("report");
    trigger(ui::ToolCommand::saveReport);
    trigger(ui::ToolCommand::copyResults);
    const QString pdfText = output("pdftotext", {report + ".pdf", "-"});
    const QStringList written{QString::fromUtf8(contents(svg)), QString::fromUtf8(contents(data)),
                              QGuiApplication::clipboard()->text(), pdfText};
    ui::LanguageSwitch::instance().choose(translations::Language::russian);
    EXPECT_TRUE(boxes.boxes.isEmpty());
    EXPECT_TRUE(pdfText.simplified().contains("__ in fluid (Fc~v^2)"));
    for (const QString& text : written) {
        EXPECT_FALSE(text.isEmpty());
        EXPECT_FALSE(text.contains(cyrillic))
            << text.mid(text.indexOf(cyrillic) - 60, 120).toStdString();
    }
}
