#pragma once

#include "graphs/PaneSurface.h"
#include "model/Throw.h"
#include "model/curves/PanePoint.h"
#include "model/curves/ThrowCurves.h"

#include <QColor>
#include <QString>

#include <optional>
#include <vector>

namespace ui {

// What the panes show beneath the current throw: the throws kept for comparison. Their ranges
// grow the panes' and they are drawn right after the axes, under every curve of the throw.
class ThrowUnderlay {
public:
    virtual ~ThrowUnderlay() = default;
    // A throw that landed is about to be replaced by one from the inputs `next`: true when it
    // now lies beneath the panes.
    virtual bool keep(const model::Throw& landed, const model::Inputs& next) = 0;
    virtual bool empty() const = 0;
    virtual model::TrajectoryRanges trajectoryRanges(const model::Throw& current) const = 0;
    // Nothing when neither the current throw nor the underlay has velocity curves.
    virtual std::optional<model::VelocityRanges>
    velocityRanges(const model::Throw& current) const = 0;
    virtual void drawTrajectory(graphs::PaneSurface& pane, const model::Throw& current,
                                const model::TrajectoryRanges& ranges) const = 0;
    virtual void drawVelocities(graphs::PaneSurface& vxPane, graphs::PaneSurface& vyPane,
                                const model::VelocityRanges& ranges) const = 0;

    // What a pane's readout shows of it at the pointer: curves read at its abscissa, a row each
    // in the kept throws' shades, numbered as the legend numbers them…
    struct ReadoutCurves {
        int number;
        model::PlotCurves curves;
    };
    virtual std::vector<ReadoutCurves> readoutCurves(model::Graph) const { return {}; }
    // … and rows of points of its own near the pointer (x, y), with both coordinates of the pane.
    struct ReadoutPoint {
        QString label;
        QColor colour;
        double x;
        double y;
    };
    virtual std::vector<ReadoutPoint> readoutPoints(model::Graph, double /*x*/,
                                                    double /*y*/) const {
        return {};
    }
};

// Hands a throw to the panes with the operations, colours and pen widths the window has always
// used. A curve stops at its first point that is not a finite single-precision number: nothing
// that was not computed is drawn.

// The trajectory pane up to the linear-drag curve, on a cleared pane: its coordinate system,
// axes and ball marker at the start, the vacuum curve (black: top marker with pen 1, start dot
// and parabola with pen 3), then the linear-drag curve (blue, the same way). Draws nothing when
// the throw has no trajectory ranges. An underlay grows the ranges and is drawn after the axes.
void drawTrajectoryPane(graphs::PaneSurface& pane, const model::Throw& t, char decimalSeparator,
                        const ThrowUnderlay* underlay = nullptr);

// The quadratic-drag flight (red): the start dot, a piece ending at a point, the top marker
// (pen 1 from the ground up to the point, then pen 3 again; the next piece starts at its top).
void drawFlightStart(graphs::PaneSurface& pane, double h0);
void drawFlightPiece(graphs::PaneSurface& pane, model::PanePoint end);
void drawTopMarker(graphs::PaneSurface& pane, model::PanePoint top);
// The flight as far as it was drawn: the start dot, the first piecesDrawn pieces, the top
// marker among them where it came, the ball marker at the last piece's end.
void drawFlightSoFar(graphs::PaneSurface& pane, const model::Throw& t, std::size_t piecesDrawn);

// Both velocity panes of a throw whose velocities are computed: coordinate systems, axes and
// the six curves (vacuum black, linear drag blue, quadratic drag red, each as dots then curves).
// With an underlay, its ranges and drawing come first; withCurves false draws only those.
void drawVelocityPanes(graphs::PaneSurface& vxPane, graphs::PaneSurface& vyPane,
                       const model::Throw& t, char decimalSeparator,
                       const ThrowUnderlay* underlay = nullptr, bool withCurves = true);

// Both velocity panes again from a throw kept after it was replaced: the ranges given (those
// the panes had, grown for what lay beneath) or its own, the axes, what the underlay draws,
// then its three models' curves as drawVelocityPanes draws them.
void drawKeptVelocityPanes(graphs::PaneSurface& vxPane, graphs::PaneSurface& vyPane,
                           const model::KeptThrow& kept, char decimalSeparator,
                           const ThrowUnderlay* underlay = nullptr,
                           const std::optional<model::VelocityRanges>& ranges = {});

// A line of text in the top-left corner of the pane, in the coordinate system it has or, with
// ownSystem, in the unit square it is given first.
void drawFailureLine(graphs::PaneSurface& pane, const QString& line, bool ownSystem,
                     const model::TrajectoryRanges& ranges);

} // namespace ui
