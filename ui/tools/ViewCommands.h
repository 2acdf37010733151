#pragma once

#include "ui/window/MainWindow.h"

#include <QObject>

class QAction;
class QActionGroup;
class QMenu;
class QPainter;
class QSize;

namespace ui {

class MainWindow;
class ThrowController;

// How the throw is watched, in «Инструменты»: «Скорость анимации ▸» (×0.1 … ×10 and without
// animation), «Пауза» (Space; in an input field only during a flight, when it types nothing)
// and «Масштаб интерфейса ▸» (100 % … 200 %, Ctrl+= larger, Ctrl+- smaller, Ctrl+0 back to
// 100 %). A scale at which the window does not fit on its screen is offered disabled, with the
// reason as its tooltip. A held flight shows «Пауза» over every pane. A chosen speed
// or scale is announced; whoever keeps the preferences applies and remembers it.
class ViewCommands : public QObject {
    Q_OBJECT
public:
    ViewCommands(MainWindow& window, ThrowController& controller, QObject* parent = nullptr);

    // Marks the speed in use, and the scale in use (the window's).
    void show(double speed);

    QMenu* speedMenu() const { return speedMenu_; }
    QMenu* scaleMenu() const { return scaleMenu_; }
    QAction* pauseAction() const { return pause_; }

signals:
    void speedChosen(double factor);
    void scaleChosen(double factor);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void stepScale(int steps);
    void showScales();
    void paintPaused(Graph g, QPainter& painter, QSize interior) const;

    MainWindow& window_;
    ThrowController& controller_;
    QMenu* speedMenu_ = nullptr;
    QMenu* scaleMenu_ = nullptr;
    QActionGroup* speeds_ = nullptr;
    QActionGroup* scales_ = nullptr;
    QAction* pause_ = nullptr;
};

} // namespace ui
