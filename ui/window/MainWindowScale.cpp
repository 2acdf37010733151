// The interface scale of the main window and its fit on the screen.
#include "graphs/GraphPane.h"
#include "ui/platform/Language.h"
#include "ui/platform/ScaledFont.h"
#include "ui/platform/ScreenFit.h"
#include "ui/window/InterfaceScales.h"
#include "ui/window/MainWindow.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QMenuBar>
#include <QScreen>
#include <QToolTip>
#include <QWindow>
#include <QtMath>

namespace ui {

namespace {

// The bar keeps its padding; its text grows with the scale.
int menuBarHeightAt(const QMenuBar* bar, double factor) {
    const int padding = bar->sizeHint().height() - QFontMetrics(bar->font()).height();
    return padding + QFontMetrics(scaledFont(QApplication::font(bar), factor)).height();
}

} // namespace

QSize MainWindow::minimumClientSize() const {
    // The panel's five columns end at 714 px and its ten rows take 300 px; a graph area of
    // 120 px stays above it.
    return QSize(qCeil(initialClientWidth * scale_), qCeil(420 * scale_));
}

QSize MainWindow::frameSizeAt(double factor) const {
    const QSize client(qCeil(initialClientWidth * factor), qCeil(initialClientHeight * factor));
    return QSize(client.width(), client.height() + menuBarHeightAt(menuBar(), factor))
        .grownBy(frameMargins(this));
}

QString MainWindow::scaleMisfit(double factor) const {
    const QRect area = availableArea(this);
    const QSize needed = frameSizeAt(factor);
    if (area.isEmpty() || (needed.width() <= area.width() && needed.height() <= area.height()))
        return {};
    return Texts::tr(
               "Окно не помещается на экране: ему нужно %1 × %2 пикс., свободно %3 × %4 пикс.")
        .arg(needed.width())
        .arg(needed.height())
        .arg(area.width())
        .arg(area.height());
}

double MainWindow::fittingScale() const {
    double best = interfaceScales[0];
    for (const double s : interfaceScales)
        if (s <= wantedScale_ && scaleMisfit(s).isEmpty())
            best = s;
    return best;
}

void MainWindow::setInterfaceScale(double wanted) {
    if (!(wanted >= 1 && wanted <= 4))
        return;
    wantedScale_ = wanted;
    applyScale(fittingScale());
}

void MainWindow::applyScale(double factor) {
    if (factor == scale_)
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
    scaleMenusAndTooltips();
    centralWidget()->setMinimumSize(minimumClientSize());
    resizeForScale(old);
    placeControls();
    emit interfaceScaleChanged(scale_);
}

void MainWindow::scaleMenusAndTooltips() {
    // At 100 % the bar has its class's font again.
    menuBar()->setFont(scale_ == 1 ? QFont() : scaledFont(QApplication::font(menuBar()), scale_));
    // Menus, the context menus made when asked for included, and tooltips take the font of
    // their class, which the whole program shares.
    static const QFont menuBase = QApplication::font("QMenu");
    static const QFont tooltipBase = QToolTip::font();
    QApplication::setFont(scaledFont(menuBase, scale_), "QMenu");
    QToolTip::setFont(scaledFont(tooltipBase, scale_));
}

void MainWindow::resizeForScale(double old) {
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    // The whole client area grows with the scale, so the graphs keep their share of it; it is at
    // least the 100 % client area enlarged, and the window no larger than the screen allows.
    const QSize enlarged(qCeil(initialClientWidth * scale_), qCeil(initialClientHeight * scale_));
    QSize client =
        isVisible() ? (QSizeF(centralWidget()->size()) * (scale_ / old)).toSize() : enlarged;
    client = client.expandedTo(enlarged);
    const int bar = menuBar()->sizeHint().height();
    if (const QRect area = availableArea(this); !area.isEmpty())
        client = client.boundedTo(area.size().shrunkBy(frameMargins(this)) - QSize(0, bar));
    client = client.expandedTo(minimumClientSize());
    centralWidget()->resize(client);
    resize(client.width(), client.height() + bar);
    if (isVisible())
        fitOnScreen(this);
}

void MainWindow::recheckScale() {
    applyScale(fittingScale());
    if (isVisible() && !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        fitOnScreen(this);
    emit interfaceScaleChanged(scale_);
}

void MainWindow::watchScreen() {
    disconnect(screenWatch_);
    if (QScreen* s = screen())
        screenWatch_ =
            connect(s, &QScreen::availableGeometryChanged, this, [this] { recheckScale(); });
    recheckScale();
}

void MainWindow::placeOnScreen() {
    const QRect area = availableArea(this);
    if (area.isEmpty())
        return;
    ui::placeOnScreen(this, area.topLeft() +
                                QPoint(qRound(0.05 * area.width()), qRound(0.05 * area.height())));
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && shownOnce_)
        recheckScale();
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    // The window manager's frame becomes known some time after the first showing.
    if (!frameSeen_ && isVisible() && frameGeometry() != geometry()) {
        frameSeen_ = true;
        recheckScale();
    }
}

} // namespace ui
