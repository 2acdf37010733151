#include "ui/MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ui::MainWindow window;
    window.placeOnScreen();
    window.layoutControls();
    QObject::connect(&window, &ui::MainWindow::shortRecomputeRequested, &window,
                     &ui::MainWindow::layoutControls);
    window.show();
    return app.exec();
}
