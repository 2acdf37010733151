#pragma once

#include <QObject>

class QAction;
class QActionGroup;
class QMenu;

namespace ui {

class MainWindow;
class ThrowController;

// How the throw is watched, in «Инструменты»: «Скорость анимации ▸» (×0.1 … ×10 and without
// animation), «Пауза» (Space, outside the fields) and «Масштаб интерфейса ▸» (100 % … 200 %,
// Ctrl+= larger, Ctrl+- smaller, Ctrl+0 back to 100 %). A chosen speed or scale is announced;
// whoever keeps the preferences applies and remembers it.
class ViewCommands : public QObject {
    Q_OBJECT
public:
    ViewCommands(MainWindow& window, ThrowController& controller, QObject* parent = nullptr);

    // Marks the speed and scale in use.
    void show(double speed, double scale);

    QMenu* speedMenu() const { return speedMenu_; }
    QMenu* scaleMenu() const { return scaleMenu_; }
    QAction* pauseAction() const { return pause_; }

signals:
    void speedChosen(double factor);
    void scaleChosen(double factor);

private:
    void stepScale(int steps);

    MainWindow& window_;
    ThrowController& controller_;
    QMenu* speedMenu_ = nullptr;
    QMenu* scaleMenu_ = nullptr;
    QActionGroup* speeds_ = nullptr;
    QActionGroup* scales_ = nullptr;
    QAction* pause_ = nullptr;
    double scale_ = 1;
};

} // namespace ui
