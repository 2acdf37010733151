#include "ui/study/StudyPlot.h"

#include "graphs/PlotAxes.h"
#include "ui/platform/Language.h"

#include <algorithm>
#include <string>

namespace ui {

namespace {

constexpr int curvePen = 2;
constexpr int pointPen = 4;
constexpr int markPen = 9;
constexpr int fewPoints = 60; // up to this many, every point is also a dot

QString trimmedUnit(const char* unit) {
    return modelText(unit).trimmed();
}

} // namespace

void drawStudy(graphs::PaneSurface& pane, const model::StudySpec& plan,
               const std::vector<model::StudyPoint>& points, model::ResultFamily family,
               const std::vector<model::StudyMark>& marks, char decimalSeparator) {
    using model::PointState;
    const std::vector<model::Quantity> members = model::familyMembers(family);
    const model::FieldRow& field = model::row(plan.field);

    graphs::PlotFrame frame;
    frame.xMin = plan.from;
    frame.xMax = plan.to;
    bool any = false;
    for (const model::StudyPoint& p : points) {
        if (p.state != PointState::computed)
            continue;
        for (const model::Quantity q : members) {
            frame.yMin = any ? std::min(frame.yMin, p.value(q)) : p.value(q);
            frame.yMax = any ? std::max(frame.yMax, p.value(q)) : p.value(q);
            any = true;
        }
    }
    frame.xCaption = modelText(field.accessibleName);
    frame.yCaption = modelText(model::row(family).title);
    if (const QString unit = trimmedUnit(model::row(members.front()).unit); !unit.isEmpty())
        frame.yCaption += QStringLiteral(", ") + unit; // a Reynolds number has none
    frame.textLines = static_cast<int>(marks.size());

    pane.clear();
    const graphs::PlotLayout layout = graphs::drawPlotAxes(pane, frame, decimalSeparator);

    const bool dots = points.size() <= fewPoints;
    for (const model::Quantity q : members) {
        const QColor colour = graphs::colourOf(model::row(q).model);
        pane.setPenWidth(curvePen);
        bool joined = false;
        for (const model::StudyPoint& p : points) {
            if (p.state != PointState::computed) {
                joined = false;
                continue;
            }
            const float x = float(p.input), y = float(p.value(q));
            if (joined)
                pane.drawLineTo(x, y, colour);
            else
                pane.moveTo(x, y);
            joined = true;
        }
        if (dots) {
            pane.setPenWidth(pointPen);
            for (const model::StudyPoint& p : points)
                if (p.state == PointState::computed)
                    pane.drawPoint(float(p.input), float(p.value(q)), colour);
        }
    }

    const double strokeLength = 0.03 * (layout.right - layout.left);
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const model::StudyMark& m = marks[i];
        const QColor colour = graphs::colourOf(model::row(m.quantity).model);
        pane.setPenWidth(markPen);
        pane.drawPoint(float(m.input), float(m.value), colour);
        const QPointF at = layout.textLine(static_cast<int>(i));
        const float middle = float(at.y() - layout.lineHeight / 2);
        pane.setPenWidth(3);
        pane.drawLine(float(at.x()), middle, float(at.x() + strokeLength), middle, colour);
        pane.moveTo(float(at.x() + 1.3 * strokeLength), float(at.y()));
        pane.printText(QString::fromStdString(m.text));
    }
    pane.setPenWidth(1);
}

} // namespace ui
