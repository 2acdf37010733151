#pragma once

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QTimer>

#include <functional>
#include <vector>

class QAction;

namespace graphs {
class GraphPane;
}

namespace ui {

class MainWindow;
class PresentationStrip;

// «Инструменты → Показ на экране» (F11; Esc or F11 again leaves): the window's graph panes move
// into a full-screen window of their own, where the graph shown fills the screen above one strip
// with the inputs and each model's flight time, range and greatest height (PresentationStrip).
// The panes keep drawing as before, so the flight, the readout, the comparison and every tool of
// their context menus go on working; their type, key and ball are sized from the screen, and the
// key names the three models. F5 and Ctrl+Enter run, Space pauses, Alt+1/2/3 choose the graph,
// and the interface-scale keys shared with it grow or shrink the type, the key and the strip as
// they do the window's. Leaving gives the panes back to the window as they are at its scale.
class Presentation : public QObject {
    Q_OBJECT
public:
    Presentation(MainWindow& window, QAction* pause, QObject* parent = nullptr);
    ~Presentation() override;

    void setShown(bool on);
    // Keys of the window that work in the presentation too (the interface scale's).
    void shareKeys(const QList<QAction*>& keys) { shared_ = keys; }
    // Where the strip reads the drag coefficient, which no field of the window shows.
    void followDragCoefficient(std::function<double()> cd) { dragCoefficient_ = std::move(cd); }
    bool shown() const { return screen_ != nullptr; }
    // The full-screen window and its strip while shown.
    QWidget* screenWindow() const { return screen_; }
    PresentationStrip* strip() const { return strip_; }

    // The pixel size of the type (tick labels, captions, key, strip) on a screen of this
    // height: 2.7 % of it at 100 %, so that tick labels stay legible from the back of a
    // classroom, and as much more as the interface scale asks.
    static int typePixels(int screenHeight, double interfaceScale = 1);

private:
    void enter();
    void leave();
    void placeParts();
    // The type and the ball sized from the screen and the window's interface scale.
    void sizeType();
    // The window changed its scale: what it gave the panes is what leaving gives back.
    void followScale();

    struct Lent {
        graphs::GraphPane* pane;
        QFont font;
        QRect geometry;
    };

    MainWindow& window_;
    QAction* pause_;
    QAction* present_; // «Показ на экране»
    QList<QAction*> shared_;
    std::function<double()> dragCoefficient_;
    QPointer<QWidget> screen_;
    QWidget* area_ = nullptr;
    PresentationStrip* strip_ = nullptr;
    QTimer refresh_;
    std::vector<Lent> lent_;
    QSize ballSize_;
};

} // namespace ui
