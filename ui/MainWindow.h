#pragma once

#include <QMainWindow>

namespace ui {

// The main window.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
};

} // namespace ui
