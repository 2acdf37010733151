#pragma once

#include "model/curves/CurveLookup.h"
#include "ui/window/Graph.h"

#include <QColor>
#include <QObject>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QTimer>

#include <array>
#include <vector>

class QFontMetrics;
class QPainter;

namespace ui {

class MainWindow;
class ThrowController;

// The readout of a graph pane: while the pointer is over a pane with a drawing, a thin
// crosshair and a small box with the pointer's coordinates in the pane's units and, for each
// curve drawn, its value at the pointer's abscissa in the curve's colour («—» where the curve
// has ended or is not drawn yet): a row for the throw in the models' colours, and one for each
// kept throw in its shade. The box's text is also the pane's accessible description. Leaving
// the pane hides it.
//
// Everything is painted over the pane's picture (GraphPane's overlay), which is never rendered
// again for it. The curves are read from the throw and its underlays (model::CurveLookup),
// not from the drawing.
class Readout : public QObject {
    Q_OBJECT
public:
    struct Cell {
        QString text;
        QColor colour;
    };
    using Table = std::vector<std::vector<Cell>>;

    // The rows beneath the throw's come from what lies beneath it (ThrowUnderlay): the kept
    // throws' curves, and the measured point nearest the pointer's abscissa.
    Readout(MainWindow& window, const ThrowController& controller, QObject* parent = nullptr);

    // The box's rows for a point of a pane in its user coordinates.
    Table tableAt(Graph g, QPointF user);
    // The text of a table: its rows, their cells parted by two blanks.
    static QString textOf(const Table& table);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct PaneReadout {
        bool shown = false;
        QPointF pointer; // interior pixels
        Table table;
        QRect box; // interior pixels
        // Kept curves' lookups by row (0: the throw in full colours) and model.
        std::array<std::array<model::CurveLookup, model::modelCount>, 6> lookups;
    };

    void pointAt(Graph g, QPointF widgetPos);
    void show(Graph g, QPointF pointer);
    void forget(Graph g);
    void hide(Graph g);
    void refresh();
    void paint(Graph g, QPainter& painter) const;
    static QRect boxFor(const PaneReadout& r, const QFontMetrics& metrics, QSize interior);

    MainWindow& window_;
    const ThrowController& controller_;
    std::array<PaneReadout, 3> panes_;
    // While a box is shown its values follow a drawing that changes under a still pointer.
    QTimer refresh_;
};

} // namespace ui
