#include "ui/study/StudyExport.h"

#include "graphs/GraphPane.h"
#include "model/study/StudyCsv.h"
#include "ui/tools/PictureExport.h"

#include <QFontMetrics>
#include <QImage>
#include <QItemSelection>
#include <QPainter>

#include <set>
#include <sstream>

namespace ui {

namespace {

QString cellText(const StudyTable& table, int row, int column) {
    QString text = table.data(table.index(row, column)).toString();
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QString rowsText(const StudyTable& table, const std::set<int>& rows, const std::set<int>& columns) {
    QStringList lines;
    QStringList header;
    for (const int c : columns)
        header << table.headerData(c, Qt::Horizontal).toString();
    lines << header.join(QLatin1Char('\t'));
    for (const int r : rows) {
        QStringList cells;
        for (const int c : columns)
            cells << cellText(table, r, c);
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

constexpr int bandMargin = 8;

int bandHeight(const StudyPicture& p) {
    const QFontMetrics metrics(p.pane->font());
    return bandMargin * 2 + metrics.lineSpacing() * int(p.key.size() + 1);
}

} // namespace

QByteArray studyCsv(const StudyOutcome& study, model::ResultFamily family) {
    std::ostringstream out;
    model::writeStudyCsv(study.plan, study.points, model::familyMembers(family), out);
    return QByteArray::fromStdString(out.str());
}

QString tableText(const StudyTable& table) {
    std::set<int> rows, columns;
    for (int r = 0; r < table.rowCount(); ++r)
        rows.insert(r);
    for (int c = 0; c < table.columnCount(); ++c)
        columns.insert(c);
    return rowsText(table, rows, columns);
}

QString tableText(const StudyTable& table, const QItemSelection& selection) {
    std::set<int> rows, columns;
    for (const QItemSelectionRange& range : selection) {
        for (int r = range.top(); r <= range.bottom(); ++r)
            rows.insert(r);
        for (int c = range.left(); c <= range.right(); ++c)
            columns.insert(c);
    }
    return rows.empty() ? QString() : rowsText(table, rows, columns);
}

QSize studyPictureSize(const StudyPicture& p) {
    const QSize pane = p.pane->contentsRect().size();
    return {pane.width(), pane.height() + bandHeight(p)};
}

void paintStudyPicture(QPainter& painter, const StudyPicture& p) {
    const QSize pane = p.pane->contentsRect().size();
    const QSize whole = studyPictureSize(p);
    painter.fillRect(QRect(QPoint(0, 0), whole), Qt::white);
    painter.save();
    p.pane->paintDrawing(painter, pane);
    painter.restore();
    painter.setFont(p.pane->font());
    const QFontMetrics metrics(p.pane->font());
    int y = pane.height() + bandMargin + metrics.ascent();
    for (const auto& [name, colour] : p.key) {
        painter.setPen(QPen(colour, 2));
        const int mid = y - metrics.ascent() / 3;
        painter.drawLine(bandMargin, mid, bandMargin + 24, mid);
        painter.drawText(bandMargin + 32, y, name);
        y += metrics.lineSpacing();
    }
    painter.setPen(Qt::black);
    painter.drawText(bandMargin, y, p.inputs);
}

QByteArray studyPng(const StudyPicture& p) {
    QImage image(studyPictureSize(p) * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        paintStudyPicture(painter, p);
    }
    return pngBytes(image);
}

QByteArray studySvg(const StudyPicture& p) {
    return svgBytes(studyPictureSize(p), p.pane->logicalDpiX(), p.title,
                    [&p](QPainter& painter) { paintStudyPicture(painter, p); });
}

} // namespace ui
