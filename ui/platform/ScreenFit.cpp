#include "ui/platform/ScreenFit.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace ui {

namespace {

// Until a frame has been seen: a title bar and thin borders, erring on the large side.
QMargins lastFrame(4, 32, 4, 4);

bool framed(const QWidget* window) {
    return window->isVisible() && window->frameGeometry() != window->geometry();
}

// Where the frame lies: once framed, the frame itself; before, the place the window is given (a
// top-level window's position is that of its frame) and its size with the frame around it.
QRect frameRect(const QWidget* window) {
    if (framed(window))
        return window->frameGeometry();
    return QRect(window->pos(), window->size().grownBy(frameMargins(window)));
}

class ScreenFitFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* w = static_cast<QWidget*>(watched);
            const Qt::WindowType type = w->windowType();
            if (w->isWindow() && (type == Qt::Window || type == Qt::Dialog) &&
                !(w->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
                fitOnScreen(w);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

QRect availableArea(const QWidget* window) {
    // A dialog belongs on the screen of the window it was opened from.
    if (window->isWindow() && window->parentWidget())
        return availableArea(window->parentWidget()->window());
    const QScreen* screen = nullptr;
    if (!window->isVisible())
        screen = QGuiApplication::screenAt(window->geometry().center());
    if (!screen)
        screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QMargins frameMargins(const QWidget* window) {
    if (framed(window)) {
        const QRect outer = window->frameGeometry(), inner = window->geometry();
        lastFrame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                             outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }
    return lastFrame;
}

QRect fitInside(QRect frame, const QRect& area) {
    frame.setSize(frame.size().boundedTo(area.size()));
    frame.moveLeft(std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())));
    frame.moveTop(std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
    return frame;
}

void fitOnScreen(QWidget* window) {
    const QRect area = availableArea(window);
    if (area.isEmpty())
        return;
    const QMargins m = frameMargins(window);
    const QRect frame = frameRect(window);
    QRect fitted = fitInside(frame, area);
    if (fitted.size() != frame.size()) {
        window->resize(fitted.size().shrunkBy(m).expandedTo(window->minimumSize()));
        fitted = fitInside(QRect(fitted.topLeft(), window->size().grownBy(m)), area);
    }
    if (fitted.topLeft() != frame.topLeft())
        window->move(fitted.topLeft());
}

void placeOnScreen(QWidget* window, QPoint topLeft) {
    window->move(topLeft);
    fitOnScreen(window);
}

void centreOnScreen(QWidget* window, const QWidget* over) {
    const QRect area = availableArea(over);
    if (area.isEmpty())
        return;
    QRect frame(QPoint(), window->size().grownBy(frameMargins(window)));
    frame.moveCenter(area.center());
    placeOnScreen(window, fitInside(frame, area).topLeft());
}

void keepWindowsOnScreen() {
    static ScreenFitFilter* filter = nullptr;
    if (filter || !qApp)
        return;
    filter = new ScreenFitFilter(qApp);
    qApp->installEventFilter(filter);
}

} // namespace ui
