#include "ProgramFixture.h"

#include "model/CurvesCsv.h"
#include "ui/platform/SaveFile.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <sys/resource.h>

#include <csignal>
#include <sstream>

using namespace testing_ui;

namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The text of a PDF file in the order it was written.
QString pdfText(const QString& path) {
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), path, QStringLiteral("-")});
    tool.waitForFinished(30000);
    return QString::fromUtf8(tool.readAllStandardOutput());
}

} // namespace

class Tools : public ProgramFixture {
protected:
    void trigger(ui::ToolCommand c) { window.toolAction(c)->trigger(); }
    // The save dialogs choose this file in the temporary folder.
    QString answer(const QString& name, int type = 0) {
        dialogs.answer = {folder.filePath(name), type};
        return dialogs.answer.path;
    }
    QTemporaryDir folder;
};

TEST_F(Tools, SaveGraphAsPngOrSvgByTheChosenTypeAndCopyIt) {
    const QSize pane = window.pane(Graph::trajectory)->contentsRect().size();
    trigger(ui::ToolCommand::saveGraph);
    ASSERT_EQ(dialogs.requests.size(), 1); // cancelled: nothing written, the folder unchanged
    EXPECT_EQ(dialogs.requests[0].title, "Сохранить график");
    EXPECT_TRUE(dialogs.requests[0].suggestedPath.endsWith("/ballflight-trajectory.png"));
    ASSERT_EQ(dialogs.requests[0].types.size(), 2);

    const QString png = answer("picture");
    trigger(ui::ToolCommand::saveGraph);
    const QImage image(png + ".png"); // the selected type's suffix is added
    EXPECT_EQ(image.size(), pane * 2);
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32); // the linear-drag curve
    const auto* pixels = reinterpret_cast<const QRgb*>(rgb.constBits());
    EXPECT_GT(std::count(pixels, pixels + rgb.width() * rgb.height(), qRgb(0, 0, 255)), 1000);

    // A typed suffix decides over the selected type; the next dialog opens in this folder.
    const QString svg = answer("vector.svg", 0);
    trigger(ui::ToolCommand::saveGraph);
    QXmlStreamReader xml(contents(svg));
    int vectors = 0, images = 0;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement) {
            vectors += xml.name() == u"path" || xml.name() == u"polyline";
            images += xml.name() == u"image";
        }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(vectors, 10);
    EXPECT_EQ(images, 0);
    trigger(ui::ToolCommand::saveGraph);
    EXPECT_EQ(dialogs.requests.last().suggestedPath, folder.filePath("ballflight-trajectory.png"));

    trigger(ui::ToolCommand::copyGraph);
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), pane * 2);
    EXPECT_TRUE(boxes.boxes.isEmpty());

    // The velocity graphs are empty before the first run: the user is told, nothing is asked.
    window.option(Graph::vx)->click();
    const auto asked = dialogs.requests.size();
    for (const auto c :
         {ui::ToolCommand::saveGraph, ui::ToolCommand::copyGraph, ui::ToolCommand::saveData})
        trigger(c);
    EXPECT_EQ(dialogs.requests.size(), asked);
    EXPECT_EQ(boxes.boxes.size(), 3);
}

// The results as spreadsheet columns, before and after a landing; the data of the graph shown.
TEST_F(Tools, CopyResultsAndSaveDataOfTheShownGraph) {
    auto rows = [] { return QGuiApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts); };
    trigger(ui::ToolCommand::copyResults);
    QStringList lines = rows();
    ASSERT_EQ(lines.size(), 35); // the header, 7 inputs, 27 results
    for (const QString& line : lines)
        EXPECT_EQ(line.count('\t'), 3) << line.toStdString();
    EXPECT_EQ(lines[0], "Величина\tЗначение\tЕдиница\tОписание");
    // Every digit of a number, its unit and its formula.
    EXPECT_EQ(lines[9], "Время подъёма в вакууме\t0.15284287736351887\tc\tTp = Vo·sinα/g");
    EXPECT_EQ(lines[34].section('\t', 1, 1), ""); // Vy2(y=0) before the run

    runToLanding();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(field(Field::h0), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    lines = rows();
    ASSERT_EQ(lines.size(), 35);
    EXPECT_EQ(lines[34].section('\t', 1, 1).toDouble(),
              *run.currentThrow()->value(Quantity::VyEnd2));

    window.option(Graph::vy)->click();
    const QString path = answer("data.csv");
    trigger(ui::ToolCommand::saveData);
    EXPECT_TRUE(dialogs.requests.last().suggestedPath.endsWith("/ballflight-vy.csv"));
    std::ostringstream expected;
    model::writeCurvesCsv(*run.currentThrow(), expected, model::vyCurves);
    EXPECT_EQ(contents(path).toStdString(), expected.str());
    EXPECT_TRUE(contents(path).startsWith("curve,x,y\nvy_vacuum,0,1.5\n"));
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
        const QString raw = pdfText(pdf), text = raw.simplified();
        EXPECT_EQ(raw.count(QChar('\f')), 1); // one page
        for (const model::QuantityRow& q : model::quantityRows())
            EXPECT_TRUE(text.contains(this->text(q.id).simplified())) << q.key;
        for (const char* t : {"шара, брошенного с", "h = 0.500 м", "η = 0.0010060 Па с",
                              "__ в среде (Fc~v^2)", "Траектории", "Проекции Vy"})
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

    // A disk that takes no more than a few bytes (a file size limit stands in for a full disk):
    // the reason is told, and no file of any size is left.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const rlimit tight{100, old.rlim_max};
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &tight);
    const QString reason =
        ui::saveFileAtomically(folder.filePath("big.csv"), QByteArray(5000, 'x'));
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_TRUE(reason.startsWith("не удалось записать данные на диск")) << reason.toStdString();
    EXPECT_FALSE(QFileInfo::exists(folder.filePath("big.csv")));
}
