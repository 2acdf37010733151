#pragma once

#include "graphs/PaneSurface.h"

#include <QWidget>

namespace graphs {

// A graph pane: keeps what was drawn on it as a display list in user coordinates and replays it
// when painted, so it survives hiding, covering and resizing without being recomputed.
class GraphPane : public QWidget, public PaneSurface {
    Q_OBJECT
public:
    explicit GraphPane(QWidget* parent = nullptr);
    ~GraphPane() override;

    // Colour of dots drawn without a colour and of text.
    void setForegroundColour(const QColor& colour);
    QColor foregroundColour() const;

    // Gives the pane its ball marker: a 10 × 10 px solid red circle child widget named "Shape1".
    void enableMarker();
    QWidget* marker() const;

    void clear() override;
    void setScale(double left, double top, double right, double bottom) override;
    void setPenWidth(int pixels) override;
    void drawLine(float x1, float y1, float x2, float y2, const QColor& colour) override;
    void drawLineTo(float x, float y, const QColor& colour) override;
    void drawPoint(float x, float y) override;
    void drawPoint(float x, float y, const QColor& colour) override;
    void moveTo(float x, float y) override;
    void printText(const QString& text) override;
    void placeMarker(double x, double y) override;

private:
    struct Impl;
    Impl* d;
};

} // namespace graphs
