#pragma once

#include "graphs/PaneDrawing.h"
#include "ui/tools/PictureCaption.h"
#include "ui/window/Graph.h"

#include <QColor>
#include <QDateTime>
#include <QPageLayout>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class QPainter;

namespace model {
class Throw;
struct Inputs;
} // namespace model

namespace ui {

class MainWindow;

// One A4 page that reports a throw: the window's title, the date, the inputs and results in the
// window's four columns with their colours, the key of the models with the inputs, and the three
// graphs drawn as vectors from copies of their panes' drawings. The same page is printed and
// saved as PDF; a page is a value, painted on any thread.
struct ReportPage {
    struct Cell {
        QString text;
        QColor colour{0, 0, 0};
        bool bold = false;
    };
    struct Graph {
        QString caption;
        std::optional<graphs::PaneDrawing> drawing; // as the pane had it; none: nothing drawn
    };
    static constexpr int rows = 10; // the column headers, then the rows 2 … 10 of the panel

    QString title;
    QString date;
    QStringList reynolds; // lines under the panel: the Reynolds numbers and their regimes
    std::array<std::array<Cell, 4>, rows> cells; // [row][column]
    PictureCaption caption;
    std::array<Graph, 3> graphs;
};

// The page for the throw the window shows: texts from the throw and the catalogue, colours and
// captions as the window has them.
ReportPage reportPageOf(const MainWindow& window, const model::Throw& t, char decimalSeparator,
                        const QDateTime& when);
// The same with the lines of the Reynolds numbers given (made beforehand, off the window's
// thread: they follow the exact flights).
ReportPage reportPageOf(const MainWindow& window, const model::Throw& t, char decimalSeparator,
                        const QDateTime& when, QStringList reynolds);
QStringList reynoldsLines(const model::Inputs& in, char decimalSeparator);

// A graph's name as its selector button gives it, capitalised: «Траектории», «Проекции Vx».
QString graphCaption(const MainWindow& window, Graph g);

// A4 portrait with margins of 15 mm. Give the page's device the graph panes' resolution
// (QWidget::logicalDpiX): the graphs are replayed at it, so their lines and texts keep the sizes
// they have on the screen.
QPageLayout reportPageLayout();

// Paints the page with a painter begun on a paged device (a printer or a PDF writer).
void paintReportPage(QPainter& painter, const ReportPage& page);

} // namespace ui
