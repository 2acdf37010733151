#pragma once

#include "graphs/PaneTransform.h"

#include <QColor>
#include <QPen>
#include <QPolygonF>
#include <QRectF>

#include <cstddef>

class QPainter;

namespace graphs {

// A point of a pane's drawing in user coordinates, in single precision as the pane takes them.
struct UserPoint {
    float x, y;
    bool operator==(const UserPoint&) const = default;
};

// User coordinates to pixels of an interior in one coordinate system.
struct PixelMapping {
    double sx, ox, sy, oy;
    PixelMapping(const PaneTransform& t, QSizeF interior);
    QPointF operator()(double x, double y) const { return {x * sx + ox, y * sy + oy}; }
};

// Offset from a column/row number to the centre of that pixel: a one-pixel line on a whole
// column then covers exactly that column instead of half of two.
inline constexpr double pixelCentre = 0.5;

// A round dot of the given diameter (pen and brush of the painter change).
void paintDot(QPainter& painter, QPointF centre, int width, QColor colour);

// Paints one polyline of a pane (round caps and joins) while its points arrive. Long runs are
// thinned to what the device pixels can show and stroked in pieces; every decision depends only
// on the points before it, so a piece is painted once, as soon as it is complete. The rest, the
// open end, may still change with the next point: it is painted on request, without changing
// anything, or for good by finish(). However the points are split between calls of add(), the
// painted pixels are the same.
class StrokePainter {
public:
    StrokePainter(const PixelMapping& map, QSizeF interior, int width, QColor colour,
                  qreal devicePixelRatio);

    void add(QPainter& painter, const UserPoint* points, std::size_t count);
    void paintOpenEnd(QPainter& painter) const;
    void finish(QPainter& painter);

    // Where the painted picture (open end included) may differ from what it was at the last
    // call, in interior pixels with the pen's reach: pieces and dots painted since, and the open
    // end as it was and as it is now. Null when nothing changed.
    QRectF takeChangedArea();

private:
    // Collects the vertices of a run: drops each point that the chord from the last vertex kept
    // to a later point passes closer than a tolerance (a cone of allowed directions from the
    // vertex narrows with every point; a point outside it ends the chord).
    class Straightener {
    public:
        explicit Straightener(double tolerance) : tol_(tolerance) {}
        void start(QPointF p) { reset(p); }
        // The vertex this point makes final, if any.
        bool add(QPointF p, QPointF& vertex);
        // The run's last vertex, when it is not the one kept last.
        bool finish(QPointF& vertex) const;
        QPointF last() const { return last_; }

    private:
        void reset(QPointF p);
        bool place(QPointF p);

        double tol_;
        QPointF anchor_, last_;
        bool cone_ = false;
        double refX_ = 1, refY_ = 0, lo_ = 0, hi_ = 0, reach_ = 0;
    };

    void setPen(QPainter& painter) const;
    void startRun(QPainter& painter, double x, double y);
    void addToRun(QPainter& painter, double x, double y);
    void endRun(QPainter& painter);
    void vertex(QPainter& painter, QPointF v);
    void include(QPointF p);
    QRectF openArea() const;

    PixelMapping map_;
    QRectF reach_;
    double thin_;
    QPen pen_;
    QColor colour_;
    int width_;
    Straightener straight_;

    bool started_ = false; // a first point was taken
    double px_ = 0, py_ = 0;
    bool prevInside_ = false;

    // The current unbroken run: the vertices of its unpainted piece (the first one shared with
    // the piece before), its vertex count, and the thinning state. Points closer than `thin_` to
    // the last one passed on are skipped outright; the run's true last point may be pending.
    bool inRun_ = false;
    QPolygonF piece_;
    double pieceLength_ = 0;
    int runVertices_ = 0;
    double keptX_ = 0, keptY_ = 0, endX_ = 0, endY_ = 0;
    bool pending_ = false;

    double changedLeft_, changedTop_, changedRight_, changedBottom_;
};

} // namespace graphs
