#include "ui/window/MainWindow.h"

#include "graphs/GraphPane.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/window/LayoutControls.h"
#include "ui/window/ResourceIcon.h"
#include "ui/window/ResultLabel.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>

#include <cmath>

namespace ui {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral(
        "Траектория движения шара, брошенного с высоты под углом к горизонту в вязкой среде"));
    setWindowIcon(resourceIcon(QStringLiteral(":/images/app_icon.svg")));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    createInputs(client);
    createResults(client);
    createGraphArea(client);
    createSelectorAndButtons(client);
    createMenus();
    setTabOrderAndFocus();
    for (QAction* item : menuBar()->actions())
        if (QMenu* menu = item->menu())
            connect(menu, &QMenu::aboutToShow, this, &MainWindow::menuOpening);

    for (const Graph g : {Graph::trajectory, Graph::vx, Graph::vy}) {
        connect(option(g), &QRadioButton::toggled, this, [this, g](bool checked) {
            if (checked)
                showGraph(g);
        });
    }
    connect(hScroll_, &QScrollBar::valueChanged, this, &MainWindow::scaleBarMoved);
    connect(vScroll_, &QScrollBar::valueChanged, this, &MainWindow::scaleBarMoved);
    connect(command1_, &QPushButton::clicked, this, &MainWindow::resized);
    client->installEventFilter(this);

    // The client area is what has the stated size; the frame and menu bar come on top of it.
    client->resize(initialClientWidth, initialClientHeight);
    resize(initialClientWidth, initialClientHeight + menuBar()->sizeHint().height());
}

void MainWindow::addPlaced(QWidget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    placed_.emplace_back(widget, QLatin1String(name));
}

void MainWindow::layoutControls() {
    const QSize client = centralWidget()->size();
    const std::map<QString, ControlRect> rects = ui::layout(client.width(), client.height());
    for (const auto& [widget, name] : placed_)
        widget->setGeometry(toPixels(rects.at(name)));

    // The quadratic-drag column shows bare prefixes until the next full run writes values.
    for (const model::QuantityRow& q : model::quantityRows())
        if (q.stage == model::Stage::flightTop || q.stage == model::Stage::flightLanding)
            result(q.id)->setText(QString::fromStdString(model::placeholderText(q.id)));

    command1_->hide();
    option(Graph::trajectory)->setChecked(true);
    showGraph(Graph::trajectory);
}

void MainWindow::showGraph(Graph g) {
    for (const Graph p : {Graph::trajectory, Graph::vx, Graph::vy})
        pane(p)->setVisible(p == g);
    // The scale bars act on the trajectory graph only.
    hScroll_->setVisible(g == Graph::trajectory);
    vScroll_->setVisible(g == Graph::trajectory);
}

void MainWindow::placeOnScreen() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    move(area.left() + static_cast<int>(std::lround(0.05 * area.width())),
         area.top() + static_cast<int>(std::lround(0.05 * area.height())));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A second close request while the question is open is refused.
    if (confirming_) {
        event->ignore();
        return;
    }
    confirming_ = true;
    emit closeRequested();
    confirming_ = false;
    if (boxes_) {
        confirming_ = true;
        const bool yes =
            boxes_->confirm(QStringLiteral("Вы абсолютно уверены?"), QStringLiteral("На Выход"));
        confirming_ = false;
        if (!yes) {
            event->ignore();
            return;
        }
    }
    emit closing();
    QMainWindow::closeEvent(event);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        emit firstShown();
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        emit resized();
    return QMainWindow::eventFilter(watched, event);
}

} // namespace ui
