#include "ui/tools/Readout.h"

#include "graphs/GraphPane.h"
#include "model/NumberFormat.h"
#include "ui/platform/Language.h"
#include "ui/run/ThrowController.h"
#include "ui/tools/KeptThrowDrawing.h"
#include "ui/window/MainWindow.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

const QColor ink{0, 0, 0};
const QColor lineColour{80, 80, 80}; // the crosshair and the box's frame
constexpr int padding = 4, gap = 8, offset = 14;

std::size_t index(Graph g) {
    return static_cast<std::size_t>(g);
}

// The captions of the pane's axes, as the axes write them.
std::array<QString, 2> captions(Graph g) {
    switch (g) {
    case Graph::vx:
        return {Texts::tr("t, c"), Texts::tr("Vx, м/c")};
    case Graph::vy:
        return {Texts::tr("t, c"), Texts::tr("Vy, м/c")};
    default:
        return {Texts::tr("Х, м"), Texts::tr("Y, м")};
    }
}

// 9 pt beside the pane's 11.25 pt, and growing with it at a larger interface scale.
QFont boxFont(const QFont& paneFont) {
    QFont f = paneFont;
    f.setPointSizeF(paneFont.pointSizeF() * 9 / 11.25);
    return f;
}

// The widest text of each column.
std::vector<int> columnWidths(const Readout::Table& table, const QFontMetrics& metrics) {
    std::vector<int> widths;
    for (const std::vector<Readout::Cell>& row : table)
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (widths.size() <= c)
                widths.push_back(0);
            widths[c] = std::max(widths[c], metrics.horizontalAdvance(row[c].text));
        }
    return widths;
}

} // namespace

Readout::Readout(MainWindow& window, const ThrowController& controller, QObject* parent)
    : QObject(parent), window_(window), controller_(controller) {
    for (const Graph g : allGraphs) {
        graphs::GraphPane* pane = window_.pane(g);
        pane->setMouseTracking(true);
        pane->installEventFilter(this);
        pane->addOverlayPainter([this, g](QPainter& painter, QSize) { paint(g, painter); });
    }
    refresh_.setInterval(100);
    connect(&refresh_, &QTimer::timeout, this, &Readout::refresh);
    connect(&LanguageSwitch::instance(), &LanguageSwitch::changed, this, &Readout::refresh);
}

Readout::Table Readout::tableAt(Graph g, QPointF user) {
    const char separator = controller_.decimalSeparator();
    auto number = [separator](std::optional<double> v) {
        return v && std::isfinite(*v)
                   ? QString::fromStdString(model::formatPattern(*v, "0.000", separator))
                   : QStringLiteral("—");
    };
    const std::array<QString, 2> axes = captions(g);
    Table table{{{axes[0], ink}, {number(user.x()), ink}},
                {{axes[1], ink}, {number(user.y()), ink}}};

    // The rows of curves: the throw in full colours, then the kept throws.
    const model::Graph plot = g;
    struct Row {
        QString label;
        model::PlotCurves curves;
        bool kept;
    };
    std::vector<Row> rows;
    if (const model::Throw* t = controller_.currentThrow()) {
        if (g == Graph::trajectory && t->trajectoryReady())
            rows.push_back({{}, model::curvesOf(*t, plot, controller_.flightPiecesShown()), false});
        else if (g != Graph::trajectory && controller_.velocitiesShown())
            rows.push_back({{}, model::curvesOf(*t, plot, 0), false});
        else if (g != Graph::trajectory && controller_.earlierVelocities())
            rows.push_back({{}, controller_.earlierVelocities()->curvesOn(plot), false});
    }
    const UnderlayStack& beneath = controller_.underlays();
    for (ThrowUnderlay::ReadoutCurves& k : beneath.readoutCurves(plot))
        rows.push_back({QString::number(k.number) + ':', std::move(k.curves), true});
    for (const ThrowUnderlay::ReadoutPoint& p : beneath.readoutPoints(plot, user.x(), user.y()))
        table.push_back({{p.label, p.colour}, {number(p.x), p.colour}, {number(p.y), p.colour}});
    if (rows.empty())
        return table;

    table.push_back({{},
                     {Texts::tr("вакуум"), ink},
                     {QStringLiteral("Fc~v"), ink},
                     {QStringLiteral("Fc~v^2"), ink}});
    PaneReadout& r = panes_[index(g)];
    for (std::size_t n = 0; n < rows.size() && n < r.lookups.size(); ++n) {
        // The throw's row keeps lookup 0 whether or not there is one; kept throws follow it.
        const std::size_t slot = rows[n].kept ? n + (rows[0].kept ? 1 : 0) : 0;
        std::vector<Cell> cells{{rows[n].label, ink}};
        for (std::size_t m = 0; m < model::modelCount; ++m)
            cells.push_back({number(r.lookups[slot][m].valueAt(rows[n].curves[m], user.x())),
                             rows[n].kept
                                 ? keptShade(m)
                                 : graphs::colourOf(static_cast<model::ModelKind>(m + 1))});
        table.push_back(std::move(cells));
    }
    return table;
}

QString Readout::textOf(const Table& table) {
    QStringList lines;
    for (const std::vector<Cell>& row : table) {
        QStringList cells;
        for (const Cell& c : row)
            if (!c.text.isEmpty())
                cells << c.text;
        lines << cells.join(QStringLiteral("  "));
    }
    return lines.join('\n');
}

bool Readout::eventFilter(QObject* watched, QEvent* event) {
    for (const Graph g : allGraphs) {
        if (watched != window_.pane(g))
            continue;
        if (event->type() == QEvent::MouseMove)
            pointAt(g, static_cast<QMouseEvent*>(event)->position());
        else if (event->type() == QEvent::Leave || event->type() == QEvent::Hide)
            hide(g);
    }
    return QObject::eventFilter(watched, event);
}

void Readout::pointAt(Graph g, QPointF widgetPos) {
    const graphs::GraphPane* pane = window_.pane(g);
    const QRect interior = pane->contentsRect();
    if (!interior.contains(widgetPos.toPoint()) || pane->itemCount() == 0) {
        hide(g);
        return;
    }
    show(g, widgetPos - QPointF(interior.topLeft()));
    refresh_.start();
}

// Repaints the crosshair and the box where they were.
void Readout::forget(Graph g) {
    PaneReadout& r = panes_[index(g)];
    if (!r.shown)
        return;
    graphs::GraphPane* pane = window_.pane(g);
    const QSize size = pane->contentsRect().size();
    const QPoint p = r.pointer.toPoint();
    pane->updateOverlay(QRect(p.x(), 0, 1, size.height()));
    pane->updateOverlay(QRect(0, p.y(), size.width(), 1));
    pane->updateOverlay(r.box);
    r.shown = false;
}

void Readout::hide(Graph g) {
    if (!panes_[index(g)].shown)
        return;
    forget(g);
    window_.pane(g)->setAccessibleDescription(QString());
    if (std::none_of(panes_.begin(), panes_.end(), [](const PaneReadout& p) { return p.shown; }))
        refresh_.stop();
}

// Takes the values at the pointer and paints the crosshair and the box there.
void Readout::show(Graph g, QPointF pointer) {
    forget(g);
    PaneReadout& r = panes_[index(g)];
    graphs::GraphPane* pane = window_.pane(g);
    const QSize size = pane->contentsRect().size();
    r.pointer = pointer;
    r.table = tableAt(g, pane->transform().toUser(pointer, size));
    r.box = boxFor(r, QFontMetrics(boxFont(pane->font())), size);
    r.shown = true;
    const QPoint p = pointer.toPoint();
    pane->updateOverlay(QRect(p.x(), 0, 1, size.height()));
    pane->updateOverlay(QRect(0, p.y(), size.width(), 1));
    pane->updateOverlay(r.box);
    const QString text = textOf(r.table);
    if (pane->accessibleDescription() != text)
        pane->setAccessibleDescription(text);
}

// The drawing may have changed under a still pointer (a flight goes on, a scale bar moved).
void Readout::refresh() {
    for (const Graph g : allGraphs) {
        const PaneReadout& r = panes_[index(g)];
        if (!r.shown)
            continue;
        const graphs::GraphPane* pane = window_.pane(g);
        const QPointF user = pane->transform().toUser(r.pointer, pane->contentsRect().size());
        if (textOf(tableAt(g, user)) != textOf(r.table))
            show(g, r.pointer);
    }
}

QRect Readout::boxFor(const PaneReadout& r, const QFontMetrics& metrics, QSize interior) {
    const std::vector<int> widths = columnWidths(r.table, metrics);
    int width = 2 * padding - gap, height = 2 * padding + int(r.table.size()) * metrics.height();
    for (const int w : widths)
        width += w + gap;
    // Below right of the pointer, or on the other side where the pane ends.
    const QPoint p = r.pointer.toPoint();
    int x = p.x() + offset, y = p.y() + offset;
    if (x + width > interior.width())
        x = p.x() - offset - width;
    if (y + height > interior.height())
        y = p.y() - offset - height;
    return QRect(std::max(x, 0), std::max(y, 0), width + 1, height + 1);
}

void Readout::paint(Graph g, QPainter& painter) const {
    const PaneReadout& r = panes_[index(g)];
    if (!r.shown)
        return;
    const graphs::GraphPane* pane = window_.pane(g);
    const QSize size = pane->contentsRect().size();
    const QPoint p = r.pointer.toPoint();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(lineColour, 0));
    painter.drawLine(QPoint(p.x(), 0), QPoint(p.x(), size.height() - 1));
    painter.drawLine(QPoint(0, p.y()), QPoint(size.width() - 1, p.y()));

    const QFont font = boxFont(pane->font());
    const QFontMetrics metrics(font);
    painter.fillRect(r.box, Qt::white);
    painter.drawRect(r.box.adjusted(0, 0, -1, -1));
    painter.setFont(font);
    std::vector<int> lefts;
    int left = r.box.left() + padding;
    for (const int w : columnWidths(r.table, metrics)) {
        lefts.push_back(left);
        left += w + gap;
    }
    int y = r.box.top() + padding + metrics.ascent();
    for (const std::vector<Cell>& row : r.table) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            painter.setPen(row[c].colour);
            painter.drawText(QPoint(lefts[c], y), row[c].text);
        }
        y += metrics.height();
    }
    painter.restore();
}

} // namespace ui
