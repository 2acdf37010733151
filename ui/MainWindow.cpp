#include "ui/MainWindow.h"

#include <QLabel>

namespace ui {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName("Form1");
    setWindowTitle(QStringLiteral(
        "Траектория движения шара, брошенного с высоты под углом к горизонту в вязкой среде"));
    setCentralWidget(new QLabel(QStringLiteral("ballflight"), this));
    resize(720, 560);
}

} // namespace ui
