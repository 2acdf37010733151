#include "ui/tools/ToolCommands.h"

#include "graphs/GraphPane.h"
#include "model/curves/CurvesCsv.h"
#include "ui/platform/Language.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/platform/WorkPool.h"
#include "ui/run/ThrowController.h"
#include "ui/tools/PictureCaption.h"
#include "ui/tools/PictureExport.h"
#include "ui/tools/ReportPage.h"
#include "ui/tools/ResultsTable.h"
#include "ui/tools/ToolMenu.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRadioButton>
#include <QStandardPaths>

#include <algorithm>
#include <memory>
#include <sstream>
#include <utility>

namespace ui {

namespace {

// The first part of the default file names: ballflight-trajectory.png, ballflight-vx.csv …
QString baseName(Graph g) {
    switch (g) {
    case Graph::vx:
        return QStringLiteral("ballflight-vx");
    case Graph::vy:
        return QStringLiteral("ballflight-vy");
    default:
        return QStringLiteral("ballflight-trajectory");
    }
}

unsigned curveGroup(Graph g) {
    switch (g) {
    case Graph::vx:
        return model::vxCurves;
    case Graph::vy:
        return model::vyCurves;
    default:
        return model::trajectoryCurves;
    }
}

// The types' names in the language of the moment.
FileType png() {
    return {Texts::tr("Рисунок PNG (*.png)"), QStringLiteral("png")};
}
FileType svg() {
    return {Texts::tr("Векторный рисунок SVG (*.svg)"), QStringLiteral("svg")};
}
FileType csv() {
    return {Texts::tr("Таблица CSV (*.csv)"), QStringLiteral("csv")};
}
FileType pdf() {
    return {Texts::tr("Документ PDF (*.pdf)"), QStringLiteral("pdf")};
}

// A suffix typed by the user decides the type; without one of the offered suffixes the file
// gets the suffix of the type selected in the dialog.
void settleType(SaveChoice& choice, const QList<FileType>& types) {
    const QString suffix = QFileInfo(choice.path).suffix();
    for (int n = 0; n < types.size(); ++n) {
        if (suffix.compare(types[n].suffix, Qt::CaseInsensitive) == 0) {
            choice.type = n;
            return;
        }
    }
    choice.type = std::clamp(choice.type, 0, static_cast<int>(types.size()) - 1);
    choice.path += QLatin1Char('.') + types[choice.type].suffix;
}

// The user's folder for files of this kind, or the home folder where it does not exist.
QString firstFolder(const QList<FileType>& types) {
    const bool picture = std::any_of(types.begin(), types.end(), [](const FileType& t) {
        return t.suffix == png().suffix || t.suffix == svg().suffix;
    });
    const QString folder = QStandardPaths::writableLocation(
        picture ? QStandardPaths::PicturesLocation : QStandardPaths::DocumentsLocation);
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

} // namespace

ToolCommands::ToolCommands(MainWindow& window, const ThrowController& controller,
                           MessageBoxes& boxes, ExportDialogs& dialogs, QObject* parent)
    : QObject(parent), window_(window), controller_(controller), boxes_(boxes), dialogs_(dialogs),
      saves_(boxes, &window) {
    connect(&controller_, &ThrowController::throwReplaced, this, [this] { ++throwsReplaced_; });
    auto on = [this](ToolCommand c, void (ToolCommands::*run)()) {
        connect(addToolAction(window_, c, this), &QAction::triggered, this, run);
    };
    on(ToolCommand::saveGraph, &ToolCommands::saveGraph);
    on(ToolCommand::copyGraph, &ToolCommands::copyGraph);
    on(ToolCommand::saveData, &ToolCommands::saveData);
    on(ToolCommand::copyResults, &ToolCommands::copyResults);
    on(ToolCommand::print, &ToolCommands::print);
    on(ToolCommand::saveReport, &ToolCommands::saveReport);
}

Graph ToolCommands::shownGraph() const {
    for (const Graph g : allGraphs)
        if (window_.option(g)->isChecked())
            return g;
    return Graph::trajectory;
}

std::optional<SaveChoice> ToolCommands::askFile(const QString& title, const QString& name,
                                                const QList<FileType>& types,
                                                const SaveOption* option) {
    const QString folder = lastFolder_.isEmpty() ? firstFolder(types) : lastFolder_;
    std::optional<SaveChoice> choice =
        dialogs_.chooseSaveFile(title, QDir(folder).filePath(name), types, option);
    if (!choice || choice->path.isEmpty())
        return std::nullopt;
    settleType(*choice, types);
    const QString chosen = QFileInfo(choice->path).absolutePath();
    if (chosen != lastFolder_) {
        lastFolder_ = chosen;
        emit lastFolderChanged(chosen);
    }
    return choice;
}

void ToolCommands::write(const QString& path, const QByteArray& bytes, const QString& title) {
    saves_.save(path, title, bytes);
}

bool ToolCommands::shownPaneIsEmpty(const QString& title) {
    if (window_.pane(shownGraph())->itemCount() > 0)
        return false;
    boxes_.inform(Texts::tr("На графике ещё ничего нет: графики скоростей строятся после "
                            "нажатия «ПУСК»."),
                  title);
    return true;
}

void ToolCommands::saveGraph() {
    const QString title = Texts::tr("Сохранить график");
    if (shownPaneIsEmpty(title))
        return;
    const Graph g = shownGraph();
    const SaveOption captions{Texts::tr("с подписями"), pictureCaptions_};
    const auto choice =
        askFile(title, baseName(g) + QStringLiteral(".png"), {png(), svg()}, &captions);
    if (!choice)
        return;
    if (choice->optionChecked != pictureCaptions_) {
        pictureCaptions_ = choice->optionChecked;
        emit pictureCaptionsChanged(pictureCaptions_);
    }
    // The drawing as it is now; its picture is painted and written in the background.
    saves_.save(choice->path, title,
                [drawing = window_.pane(g)->drawing(), caption = captionNow(),
                 svgTitle = graphCaption(window_, g), png = choice->type == 0](const auto&) {
                    const PictureCaption* c = caption ? &*caption : nullptr;
                    return png ? pngBytes(graphImage(drawing, c)) : graphSvg(drawing, svgTitle, c);
                });
}

std::optional<PictureCaption> ToolCommands::captionNow() const {
    const model::Throw* t = controller_.currentThrow();
    if (!pictureCaptions_ || !t)
        return std::nullopt;
    return PictureCaption::of(t->inputs());
}

void ToolCommands::copyGraph() {
    if (shownPaneIsEmpty(Texts::tr("Копировать график")))
        return;
    const Graph g = shownGraph();
    // Painted on the pool, from the drawing as it is now; on the clipboard when ready.
    using Pictures = std::pair<QImage, QByteArray>;
    auto* made = new QFutureWatcher<Pictures>(this);
    ++copying_;
    connect(made, &QFutureWatcher<Pictures>::finished, this, [this, made, asked = ++copies_] {
        --copying_;
        made->deleteLater();
        if (asked != copies_)
            return; // a later copy goes on the clipboard
        auto [image, svg] = made->result();
        auto* data = new QMimeData;
        data->setImageData(image);
        data->setData(QStringLiteral("image/svg+xml"), svg);
        QGuiApplication::clipboard()->setMimeData(data);
    });
    made->setFuture(runOnWorkPool([drawing = window_.pane(g)->drawing(), caption = captionNow(),
                                   title = graphCaption(window_, g)] {
        yieldToTheWindow();
        const PictureCaption* c = caption ? &*caption : nullptr;
        return Pictures(graphImage(drawing, c), graphSvg(drawing, title, c));
    }));
}

void ToolCommands::saveData() {
    const QString title = Texts::tr("Сохранить данные");
    const model::Throw* t = controller_.currentThrow();
    const Graph g = shownGraph();
    // A copy of the curves: the throw may change while the rows are written.
    std::vector<model::CsvCurve> curves;
    if (t)
        curves = model::csvCurvesOf(*t, curveGroup(g));
    if (!model::hasCsvRows(curves)) {
        boxes_.inform(Texts::tr("На графике ещё нет кривых: графики скоростей строятся "
                                "после нажатия «ПУСК»."),
                      title);
        return;
    }
    const auto choice = askFile(title, baseName(g) + QStringLiteral(".csv"), {csv()});
    if (!choice)
        return;
    saves_.save(choice->path, title,
                [curves = std::move(curves)](const BackgroundSaves::Progress& progress) {
                    std::ostringstream rows;
                    model::writeCurvesCsv(curves, rows, progress);
                    return QByteArray::fromStdString(std::move(rows).str());
                });
}

void ToolCommands::copyResults() {
    const model::Throw* t = controller_.currentThrow();
    if (!t)
        return;
    // The exact flights behind the Reynolds numbers take a while: the table is made on the pool
    // and placed on the clipboard when ready.
    auto* made = new QFutureWatcher<QString>(this);
    ++copying_;
    connect(made, &QFutureWatcher<QString>::finished, this, [this, made, asked = ++copies_] {
        --copying_;
        made->deleteLater();
        if (asked == copies_) // not over a later copy made sooner
            QGuiApplication::clipboard()->setText(made->result());
    });
    made->setFuture(runOnWorkPool([results = ThrowResults::of(*t)] {
        yieldToTheWindow();
        return resultsTable(results);
    }));
}

void ToolCommands::withReportPage(const std::function<void(const ReportPage&)>& use) {
    const model::Throw* t = controller_.currentThrow();
    const char separator = controller_.decimalSeparator();
    const QDateTime when = QDateTime::currentDateTime();
    auto* made = new QFutureWatcher<QStringList>(this);
    ++copying_;
    connect(made, &QFutureWatcher<QStringList>::finished, this,
            [this, made, use, separator, when, asked = throwsReplaced_] {
                --copying_;
                made->deleteLater();
                const model::Throw* now = controller_.currentThrow();
                if (!now)
                    return;
                // A throw replaced meanwhile is reported as it is now: its lines are made
                // again on the pool (their exact flights would hold the window).
                if (asked != throwsReplaced_)
                    withReportPage(use);
                else
                    use(reportPageOf(window_, *now, separator, when, made->result()));
            });
    made->setFuture(runOnWorkPool([in = t->inputs(), separator] {
        yieldToTheWindow();
        return reynoldsLines(in, separator);
    }));
}

void ToolCommands::print() {
    if (!controller_.currentThrow())
        return;
    const int dpi = window_.pane(Graph::trajectory)->logicalDpiX();
    auto printer = std::make_shared<QPrinter>();
    printer->setResolution(dpi);
    printer->setPageLayout(reportPageLayout());
    printer->setDocName(QStringLiteral("ballflight"));
    if (!dialogs_.choosePrinter(*printer))
        return;
    printer->setResolution(dpi);
    // The page is painted onto the printer on the pool; a printer that cannot start is told.
    withReportPage([this, printer](const ReportPage& page) {
        auto* printed = new QFutureWatcher<bool>(this);
        ++copying_;
        connect(printed, &QFutureWatcher<bool>::finished, this, [this, printed] {
            --copying_;
            printed->deleteLater();
            if (!printed->result())
                boxes_.inform(Texts::tr("Не удалось начать печать: принтер недоступен."),
                              Texts::tr("Печать"));
        });
        printed->setFuture(runOnWorkPool([printer, page] {
            yieldToTheWindow();
            QPainter painter;
            if (!painter.begin(printer.get()))
                return false;
            paintReportPage(painter, page);
            painter.end();
            return true;
        }));
    });
}

void ToolCommands::saveReport() {
    const QString title = Texts::tr("Сохранить отчёт");
    if (!controller_.currentThrow())
        return;
    const auto choice = askFile(title, QStringLiteral("ballflight-report.pdf"), {pdf()});
    if (!choice)
        return;
    // The PDF is made from the page in the background, with the saving.
    withReportPage([this, title, path = choice->path,
                    dpi = window_.pane(Graph::trajectory)->logicalDpiX(),
                    docTitle = window_.windowTitle()](const ReportPage& page) {
        saves_.save(path, title, [page, dpi, docTitle](const auto&) {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            {
                QPdfWriter writer(&buffer);
                writer.setResolution(dpi);
                writer.setPageLayout(reportPageLayout());
                writer.setTitle(docTitle);
                writer.setCreator(QStringLiteral("ballflight"));
                QPainter painter(&writer);
                paintReportPage(painter, page);
            }
            return bytes;
        });
    });
}

} // namespace ui
