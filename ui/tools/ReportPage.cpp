#include "ui/tools/ReportPage.h"

#include "graphs/GraphPane.h"
#include "model/NumberFormat.h"
#include "model/Throw.h"
#include "model/exact/ReynoldsText.h"
#include "ui/platform/Language.h"
#include "ui/window/ControlPlaces.h"
#include "ui/window/MainWindow.h"
#include "ui/window/ResultLabel.h"

#include <QLabel>
#include <QLocale>
#include <QPaintDevice>
#include <QPainter>
#include <QRadioButton>

#include <algorithm>

namespace ui {

namespace {

QFont serif(double points, bool bold = false) {
    QFont f(QStringLiteral("Times New Roman"));
    f.setStyleHint(QFont::Serif);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QColor textColour(const QLabel* label) {
    return label->palette().color(label->foregroundRole());
}

// The caption of an input in the window ("ρ o ="), the value the throw used as the field
// writes it, and the unit.
QString inputText(const MainWindow& window, const model::FieldRow& f, double value) {
    const auto* caption = window.findChild<QLabel*>(QLatin1String(placeOf(f.id).caption));
    const QString name = caption ? caption->text().simplified() : modelText(f.caption);
    return name + QLatin1Char(' ') + QString::fromStdString(model::formatFixed(value, f.pattern)) +
           modelText(f.unitLabel);
}

// A graph filling the rectangle, or its empty frame with a note.
void paintGraph(QPainter& painter, const ReportPage::Graph& graph, const QRectF& rect) {
    if (graph.drawing && graph.drawing->list && !graph.drawing->list->isEmpty()) {
        painter.save();
        painter.translate(rect.topLeft());
        graph.drawing->paint(painter, rect.size());
        painter.restore();
    } else {
        painter.setFont(serif(10));
        painter.setPen(QColor(96, 96, 96));
        painter.drawText(rect, Qt::AlignCenter, Texts::tr("Нет графика: он строится после «ПУСК»"));
    }
    painter.setPen(QPen(QColor(96, 96, 96), 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect);
}

} // namespace

QStringList reynoldsLines(const model::Inputs& in, char decimalSeparator) {
    const model::exact::ReynoldsNumbers re = model::exact::reynoldsNumbers(in);
    auto reynoldsLine = [decimalSeparator](double r) {
        return QString::fromStdString(model::exact::reynoldsLine(r, decimalSeparator));
    };
    return {Texts::tr("Число Рейнольдса Re = ρo·v·d/η:"),
            Texts::tr("при броске: %1").arg(reynoldsLine(re.start)),
            Texts::tr("при падении в среде (Fc~v): %1").arg(reynoldsLine(re.end1)),
            Texts::tr("при падении в среде (Fc~v^2): %1").arg(reynoldsLine(re.end2))};
}

ReportPage reportPageOf(const MainWindow& window, const model::Throw& t, char decimalSeparator,
                        const QDateTime& when) {
    return reportPageOf(window, t, decimalSeparator, when,
                        reynoldsLines(t.inputs(), decimalSeparator));
}

ReportPage reportPageOf(const MainWindow& window, const model::Throw& t, char decimalSeparator,
                        const QDateTime& when, QStringList reynolds) {
    ReportPage page;
    page.title = window.windowTitle();
    const bool english = LanguageSwitch::instance().current() == translations::Language::english;
    page.date = (english ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                         : QLocale(QLocale::Russian, QLocale::Russia))
                    .toString(when, QStringLiteral("d MMMM yyyy, HH:mm"));

    std::size_t column = 0; // the catalogue lists the columns from left to right
    for (const model::ColumnRow& c : model::columnRows()) {
        ReportPage::Cell& cell = page.cells[0][column++];
        cell.text = modelText(c.text);
        if (const auto* header =
                window.findChild<QLabel*>(QLatin1String(placeOf(c.model).header))) {
            cell.colour = textColour(header);
            cell.bold = header->font().bold();
        }
    }
    for (const model::FieldRow& f : model::fieldRows())
        page.cells[placeOf(f.id).row - 1][0].text =
            inputText(window, f, model::inputOf(t.inputs(), f.id));
    for (const model::QuantityRow& q : model::quantityRows()) {
        ReportPage::Cell& cell = page.cells[placeOf(q.id).row - 1][columnOf(q.id)];
        cell.text = QString::fromStdString(t.text(q.id, decimalSeparator));
        cell.colour = textColour(window.result(q.id));
    }

    page.caption = PictureCaption::of(t.inputs());
    page.reynolds = std::move(reynolds);

    for (std::size_t n = 0; n < 3; ++n)
        page.graphs[n] = {graphCaption(window, allGraphs[n]), window.pane(allGraphs[n])->drawing()};
    return page;
}

QString graphCaption(const MainWindow& window, Graph g) {
    QString text = window.option(g)->text();
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

QPageLayout reportPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

void paintReportPage(QPainter& painter, const ReportPage& page) {
    const QPaintDevice* device = painter.device();
    const double width = device->width(), height = device->height();
    const double mm = device->logicalDpiY() / 25.4;
    double y = 0;

    painter.setPen(Qt::black);
    painter.setFont(serif(13, true));
    const QRectF titleArea(0, y, width, height);
    const QRectF title =
        painter.boundingRect(titleArea, Qt::AlignHCenter | Qt::TextWordWrap, page.title);
    painter.drawText(titleArea, Qt::AlignHCenter | Qt::TextWordWrap, page.title);
    y += title.height() + 1 * mm;
    painter.setFont(serif(10));
    const double line = painter.fontMetrics().height();
    painter.drawText(QRectF(0, y, width, line), Qt::AlignHCenter, page.date);
    y += line + 4 * mm;

    // The panel: four columns, a header row and the rows 2 … 10.
    const double rowHeight = line * 1.5, columnWidth = width / 4;
    for (int r = 0; r < ReportPage::rows; ++r) {
        for (int c = 0; c < 4; ++c) {
            const ReportPage::Cell& cell = page.cells[r][c];
            const QRectF box(c * columnWidth, y + r * rowHeight, columnWidth, rowHeight);
            painter.setPen(QPen(QColor(160, 160, 160), 0));
            painter.drawRect(box);
            painter.setFont(serif(10, cell.bold));
            painter.setPen(cell.colour);
            const Qt::Alignment align =
                Qt::AlignVCenter | (r == 0 ? Qt::AlignHCenter : Qt::AlignLeft);
            painter.drawText(box.adjusted(1.5 * mm, 0, -1 * mm, 0), align, cell.text);
        }
    }
    y += ReportPage::rows * rowHeight + 2 * mm;
    painter.setFont(serif(10));
    painter.setPen(Qt::black);
    for (const QString& text : page.reynolds) {
        painter.drawText(QRectF(0, y, width, line), Qt::AlignLeft | Qt::AlignVCenter, text);
        y += line;
    }
    y += 3 * mm;

    // The key of the models and the inputs, for the graphs below.
    QFont key = serif(10);
    key.setPixelSize(qRound(10 * device->logicalDpiY() / 72.0));
    painter.save();
    painter.translate(0, y);
    y += page.caption.paint(painter, width, key) + 2 * mm;
    painter.restore();

    // The graphs share what is left of the page.
    painter.setFont(serif(10, true));
    const double caption = painter.fontMetrics().height(), gap = 3 * mm;
    const double graphHeight = std::max(10 * mm, (height - y) / 3 - caption - gap);
    for (const ReportPage::Graph& graph : page.graphs) {
        painter.setFont(serif(10, true));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, y, width, caption), Qt::AlignLeft | Qt::AlignVCenter,
                         graph.caption);
        y += caption;
        paintGraph(painter, graph, QRectF(0, y, width, graphHeight));
        y += graphHeight + gap;
    }
}

} // namespace ui
