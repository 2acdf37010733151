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
#include <QShortcut>
#include <QtMath>

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
    createShortcuts();
    rememberBaseSizes();
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
    client->setMinimumSize(minimumClientSize());
    client->resize(initialClientWidth, initialClientHeight);
    resize(initialClientWidth, initialClientHeight + menuBar()->sizeHint().height());
}

void MainWindow::rememberBaseSizes() {
    for (QWidget* w : centralWidget()->findChildren<QWidget*>())
        if (w->testAttribute(Qt::WA_SetFont))
            baseFonts_.emplace_back(w, w->font().pointSizeF());
    baseFonts_.emplace_back(centralWidget(), centralWidget()->font().pointSizeF());
    for (QRadioButton* o : options_)
        basePlaces_.emplace_back(o, o->geometry());
}

QSize MainWindow::minimumClientSize() const {
    // The panel's five columns end at 714 px and its ten rows take 300 px; a graph area of
    // 120 px stays above it.
    return QSize(qCeil(initialClientWidth * scale_), qCeil(420 * scale_));
}

void MainWindow::setInterfaceScale(double factor) {
    if (!(factor >= 1 && factor <= 4) || factor == scale_)
        return;
    const double old = scale_;
    scale_ = factor;
    for (const auto& [widget, points] : baseFonts_) {
        QFont f = widget->font();
        f.setPointSizeF(points * factor);
        widget->setFont(f);
    }
    // The ball marker, 10 × 10 px at 100 %, grows with the rest.
    if (QWidget* ball = pane(Graph::trajectory)->marker()) {
        const int side = qRound(10 * factor);
        ball->setFixedSize(side, side);
    }
    for (const auto& [widget, place] : basePlaces_)
        widget->setGeometry(QRect(qRound(place.x() * factor), qRound(place.y() * factor),
                                  qRound(place.width() * factor), qRound(place.height() * factor)));
    centralWidget()->setMinimumSize(minimumClientSize());
    if (!isVisible()) {
        // The first size scales too.
        const QSize client(qRound(initialClientWidth * factor),
                           qRound(initialClientHeight * factor));
        centralWidget()->resize(client);
        resize(client.width(), client.height() + menuBar()->sizeHint().height());
    } else if (factor > old) {
        // A window that showed everything at the old scale grows to show it at the new one.
        resize(size().expandedTo(minimumSizeHint()));
    }
    layoutControls();
}

void MainWindow::showResult(model::Quantity q, const QString& text) {
    ResultLabel* label = result(q);
    label->setText(text);
    const QString prefix = QString::fromUtf8(model::row(q).prefix);
    const QString placeholder = QString::fromStdString(model::placeholderText(q));
    const QString value = text == placeholder ? QStringLiteral("ещё не вычислено")
                          : text.startsWith(prefix) ? text.mid(prefix.size()).trimmed()
                                                    : text;
    label->setAccessibleName(QString::fromUtf8(model::row(q).title) + QStringLiteral(": ") + value);
}

void MainWindow::addPlaced(QWidget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    placed_.emplace_back(widget, QLatin1String(name));
}

void MainWindow::layoutControls() {
    // At a larger interface scale the layout is that of a smaller client area, enlarged.
    const QSize client = centralWidget()->size();
    const std::map<QString, ControlRect> rects =
        ui::layout(client.width() / scale_, client.height() / scale_);
    for (const auto& [widget, name] : placed_) {
        const ControlRect& r = rects.at(name);
        widget->setGeometry(
            toPixels({r.left * scale_, r.top * scale_, r.width * scale_, r.height * scale_}));
    }

    // The quadratic-drag column shows bare prefixes until the next full run writes values.
    for (const model::QuantityRow& q : model::quantityRows())
        if (q.stage == model::Stage::flightTop || q.stage == model::Stage::flightLanding)
            showResult(q.id, QString::fromStdString(model::placeholderText(q.id)));

    command1_->hide();
    option(Graph::trajectory)->setChecked(true);
    showGraph(Graph::trajectory);
}

void MainWindow::createShortcuts() {
    // F5 and Ctrl+Enter run the throw from anywhere in the window; Alt+1, 2, 3 choose a graph.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL | Qt::Key_Return),
          QKeySequence(Qt::CTRL | Qt::Key_Enter)})
        connect(new QShortcut(keys, this), &QShortcut::activated, cmdOK_, &QPushButton::click);
    const Graph graphs[] = {Graph::trajectory, Graph::vx, Graph::vy};
    for (int i = 0; i < 3; ++i)
        connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + i)), this),
                &QShortcut::activated, this, [this, g = graphs[i]] { option(g)->click(); });
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
    const CloseAnswer guarded = closeGuard_ ? closeGuard_() : CloseAnswer::askAsUsual;
    confirming_ = false;
    if (guarded == CloseAnswer::stay) {
        event->ignore();
        return;
    }
    if (boxes_ && guarded == CloseAnswer::askAsUsual) {
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
