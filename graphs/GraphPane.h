#pragma once

#include "graphs/PaneDrawing.h"
#include "graphs/PaneKey.h"
#include "graphs/PaneSurface.h"
#include "graphs/PaneTransform.h"

#include <QFuture>
#include <QImage>
#include <QWidget>

#include <functional>

class QPainter;

namespace graphs {

// A graph pane: keeps what was drawn on it as a display list in user coordinates, so it survives
// hiding, covering and resizing without being recomputed, and its picture as an image at device
// resolution (PaneCache). Drawing on a painted pane paints only the new items onto the image,
// soon after, and repaints only the pixels that changed; a change of size, device pixel ratio
// or font, or a clear, renders the whole list once, at the next paint. An overlay (a crosshair,
// a readout) may be painted over the picture without touching it.
// A large picture to render whole (a pane shown at a new size, or cleared) may be rendered on
// other threads instead (renderLargePicturesWith): the pane shows its earlier picture stretched
// over the interior meanwhile, then the new one, exactly as if rendered at once.
// The drawable interior is the widget's contents rectangle; everything outside it is clipped.
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
    // A rectangle with a zero span (a scale factor of 0) is ignored: the pane keeps its
    // previous coordinate system.
    void setScale(double left, double top, double right, double bottom) override;
    void setPenWidth(int pixels) override;
    void drawLine(float x1, float y1, float x2, float y2, const QColor& colour) override;
    void drawLineTo(float x, float y, const QColor& colour) override;
    void drawPoint(float x, float y) override;
    void drawPoint(float x, float y, const QColor& colour) override;
    void moveTo(float x, float y) override;
    void printText(const QString& text) override;
    void placeMarker(double x, double y) override;

    // The coordinate system in use, the pen width and the current position.
    const PaneTransform& transform() const;
    int penWidth() const;
    QPointF currentPosition() const;
    // Stored drawing items (a run of joined line pieces counts once); 0 after clear.
    std::size_t itemCount() const;

    // Paints the drawing (white background included) onto an interior of the given size with
    // its top-left corner at the painter's origin, clipped to it.
    void paintDrawing(QPainter& painter, QSizeF interior) const;
    // The drawing as an image of the given logical size (by default the interior's) at the
    // given device pixel ratio; the marker is not part of it (QWidget::grab shows it).
    QImage toImage(QSize size = QSize(), qreal devicePixelRatio = 1.0) const;
    // A copy of the drawing, its key and its size, to paint elsewhere (another thread).
    PaneDrawing drawing() const;

    // The key: a box over the drawing, in the corner where it hides least of the curves, with the
    // entries of every part in turn (see PaneKey.h). It is part of the drawing: toImage and
    // paintDrawing show it. Setting a part as it is changes nothing.
    void setKeyPart(KeyPart part, std::vector<KeyEntry> entries);
    const std::vector<KeyEntry>& keyPart(KeyPart part) const;
    // The key as it lies on an interior of the given size (the pane's own by default).
    KeyLayout keyLayout(QSizeF interior = QSizeF()) const;

    // Painted over the picture at every paint, in the order added, with the painter's origin at
    // the interior's top-left corner and clipped to the interior.
    using OverlayPainter = std::function<void(QPainter& painter, QSize interior)>;
    void addOverlayPainter(OverlayPainter overlay);
    // Repaints the overlay over the area (interior pixels; the whole interior when empty)
    // without rendering the picture again.
    void updateOverlay(const QRect& area = QRect());

    // Times the whole drawing was rendered into the picture.
    int pictureRenders() const;

    // Runs a job on another thread; its future ends when the job has.
    using BackgroundRunner = std::function<QFuture<void>(std::function<void()> job)>;
    // From now on a whole picture of more than largePicturePixels device pixels is rendered
    // through the runner, one at a time: the latest drawing and size win, a picture rendered
    // for an earlier one is dropped.
    void renderLargePicturesWith(BackgroundRunner runner);
    static constexpr qint64 largePicturePixels = 1'000'000;
    // Whether the pane waits for its whole picture from the runner (and shows the earlier one).
    bool awaitsPicture() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void changed();
    void bringPictureUpToDate();
    // Brings the picture up to date with the drawing; returns where it changed (widget pixels).
    QRect catchUp();
    void renderInBackground();
    void backgroundRenderEnded();
    void positionMarker();

    struct Impl;
    Impl* d;
};

} // namespace graphs
