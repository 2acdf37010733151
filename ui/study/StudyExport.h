#pragma once

#include "ui/study/StudyTable.h"

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QString>

class QItemSelection;
class QPainter;

namespace graphs {
class GraphPane;
}

namespace ui {

// A study as CSV, exactly as `ballflight-report --vary` writes the same study with the family's
// first result as --result: full precision, one row per point.
QByteArray studyCsv(const StudyOutcome& study, model::ResultFamily family);

// The cells of the table as shown, tab-separated with a header line, as a spreadsheet pastes
// them: every cell, or those of the selected ranges (the rows and columns they span).
QString tableText(const StudyTable& table);
QString tableText(const StudyTable& table, const QItemSelection& selection);

// The plot under a band with its key (one line per curve in its colour) and the inputs line.
struct StudyPicture {
    const graphs::GraphPane* pane = nullptr;
    QList<QPair<QString, QColor>> key;
    QString inputs;
    QString title;
};
// The picture's size in pixels: the pane's and the band below it.
QSize studyPictureSize(const StudyPicture& picture);
void paintStudyPicture(QPainter& painter, const StudyPicture& picture);
QByteArray studyPng(const StudyPicture& picture);
QByteArray studySvg(const StudyPicture& picture);

} // namespace ui
