#include "ui/window/MainWindow.h"

#include "graphs/GraphPane.h"
#include "ui/platform/Language.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/window/LayoutControls.h"
#include "ui/window/ResourceIcon.h"
#include "ui/window/ResultLabel.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <QWindow>

namespace ui {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    keepTranslated(this, [this] { showTitle(); });
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

    for (const Graph g : allGraphs) {
        connect(option(g), &QRadioButton::toggled, this, [this, g](bool checked) {
            if (checked)
                showGraph(g);
        });
    }
    connect(hScroll_, &QScrollBar::valueChanged, this, &MainWindow::scaleBarMoved);
    connect(vScroll_, &QScrollBar::valueChanged, this, &MainWindow::scaleBarMoved);
    connect(relayoutButton_, &QPushButton::clicked, this, &MainWindow::resized);
    client->installEventFilter(this);

    // The client area has the window's own size (720 × 560 at 100 %); the frame and menu bar
    // come on top of it.
    client->setMinimumSize(minimumClientSize());
    client->resize(initialClientWidth, initialClientHeight);
    resize(initialClientWidth, initialClientHeight + menuBar()->sizeHint().height());
}

void MainWindow::setTitleSuffix(const QString& suffix) {
    titleSuffix_ = suffix;
    showTitle();
}

void MainWindow::showTitle() {
    setWindowTitle(
        Texts::tr(
            "Траектория движения шара, брошенного с высоты под углом к горизонту в вязкой среде") +
        titleSuffix_);
}

void MainWindow::rememberBaseSizes() {
    for (QWidget* w : centralWidget()->findChildren<QWidget*>())
        if (w->testAttribute(Qt::WA_SetFont))
            baseFonts_.emplace_back(w, w->font().pointSizeF());
    baseFonts_.emplace_back(centralWidget(), centralWidget()->font().pointSizeF());
    for (QRadioButton* o : options_)
        basePlaces_.emplace_back(o, o->geometry());
}

void MainWindow::showResult(model::Quantity q, const QString& text) {
    ResultLabel* label = result(q);
    label->setText(text);
    const QString prefix = modelText(model::row(q).prefix);
    const QString placeholder = QString::fromStdString(model::placeholderText(q));
    const QString value = text == placeholder       ? Texts::tr("ещё не вычислено")
                          : text.startsWith(prefix) ? text.mid(prefix.size()).trimmed()
                                                    : text;
    label->setAccessibleName(modelText(model::row(q).title) + QStringLiteral(": ") + value);
}

void MainWindow::addPlaced(QWidget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    placed_.emplace_back(widget, QLatin1String(name));
}

void MainWindow::placeControls() {
    // At a larger interface scale the layout is that of a smaller client area, enlarged.
    const QSize client = centralWidget()->size();
    const std::map<QString, ControlRect> rects =
        ui::layout(client.width() / scale_, client.height() / scale_);
    for (const auto& [widget, name] : placed_) {
        if (widget->parentWidget() != centralWidget())
            continue; // a pane lent to the presentation is placed there
        const ControlRect& r = rects.at(name);
        widget->setGeometry(
            toPixels({r.left * scale_, r.top * scale_, r.width * scale_, r.height * scale_}));
    }
}

void MainWindow::layoutControls() {
    placeControls();
    showBareFlightColumn();
    relayoutButton_->hide();
    option(Graph::trajectory)->setChecked(true);
    showGraph(Graph::trajectory);
}

void MainWindow::showBareFlightColumn() {
    // The quadratic-drag column shows bare prefixes until the next full run writes values.
    for (const model::QuantityRow& q : model::quantityRows())
        if (q.stage == model::Stage::flightTop || q.stage == model::Stage::flightLanding)
            showResult(q.id, QString::fromStdString(model::placeholderText(q.id)));
}

void MainWindow::createShortcuts() {
    // F5 and Ctrl+Enter run the throw from anywhere in the window; Alt+1, 2, 3 choose a graph.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL | Qt::Key_Return),
          QKeySequence(Qt::CTRL | Qt::Key_Enter)})
        connect(new QShortcut(keys, this), &QShortcut::activated, runButton_, &QPushButton::click);
    for (int i = 0; i < 3; ++i)
        connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + i)), this),
                &QShortcut::activated, this, [this, g = allGraphs[i]] { option(g)->click(); });
}

void MainWindow::showGraph(Graph g) {
    for (const Graph p : allGraphs)
        pane(p)->setVisible(p == g);
    // The scale bars act on the trajectory graph only.
    hScroll_->setVisible(g == Graph::trajectory);
    vScroll_->setVisible(g == Graph::trajectory);
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
        const bool yes = boxes_->confirm(Texts::tr("Вы абсолютно уверены?"), Texts::tr("На Выход"));
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
        // The scales that fit are checked again on every screen the window moves to.
        if (QWindow* handle = windowHandle())
            connect(handle, &QWindow::screenChanged, this, &MainWindow::watchScreen);
        watchScreen();
        emit firstShown();
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        emit resized();
    return QMainWindow::eventFilter(watched, event);
}

} // namespace ui
