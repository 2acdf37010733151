#include "ui/tools/ViewCommands.h"

#include "graphs/GraphPane.h"
#include "ui/platform/Language.h"
#include "ui/run/AnimationSpeed.h"
#include "ui/run/FlightAnimation.h"
#include "ui/run/ThrowController.h"
#include "ui/window/InputField.h"
#include "ui/window/InterfaceScales.h"
#include "ui/window/MainWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace ui {

namespace {

QString percent(double scale) {
    return QStringLiteral("%1 %").arg(std::lround(scale * 100));
}

// The speeds are numbers («×2») but for the last, which the menu translates.
const char* const noAnimation = QT_TRANSLATE_NOOP("Texts", "без анимации");

} // namespace

ViewCommands::ViewCommands(MainWindow& window, ThrowController& controller, QObject* parent)
    : QObject(parent), window_(window), controller_(controller) {
    QMenu* tools = window_.toolsMenu();
    tools->addSeparator();

    speedMenu_ = tools->addMenu(QString());
    speedMenu_->setObjectName(QStringLiteral("mnuToolsSpeed"));
    keepTranslated(speedMenu_,
                   [menu = speedMenu_] { menu->setTitle(Texts::tr("Скорость анимации")); });
    speeds_ = new QActionGroup(this);
    for (const AnimationSpeed& s : animationSpeeds) {
        QAction* a = speedMenu_->addAction(QString());
        keepTranslated(
            a, [a, text = s.factor > 0 ? s.text : noAnimation] { a->setText(Texts::tr(text)); });
        a->setCheckable(true);
        a->setData(s.factor);
        speeds_->addAction(a);
        connect(a, &QAction::triggered, this, [this, f = s.factor] { emit speedChosen(f); });
    }

    pause_ = tools->addAction(QString());
    keepTranslated(pause_, [a = pause_] { a->setText(Texts::tr("Пауза")); });
    pause_->setObjectName(QStringLiteral("mnuToolsPause"));
    pause_->setCheckable(true);
    pause_->setShortcut(QKeySequence(Qt::Key_Space));
    pause_->setShortcutVisibleInContextMenu(true);
    pause_->setAutoRepeat(false);
    // The window keeps the shortcut while its menus are closed; in a field Space is typed, but
    // during a flight it pauses there too.
    window_.addAction(pause_);
    for (const model::FieldRow& f : model::fieldRows())
        window_.field(f.id)->installEventFilter(this);
    connect(pause_, &QAction::triggered, this, [this] {
        controller_.setPaused(!controller_.paused());
        pause_->setChecked(controller_.paused());
    });
    for (const Graph g : allGraphs)
        window_.pane(g)->addOverlayPainter(
            [this, g](QPainter& painter, QSize interior) { paintPaused(g, painter, interior); });
    connect(&controller_.flight(), &FlightAnimation::pausedChanged, this, [this] {
        pause_->setChecked(controller_.paused());
        for (const Graph g : allGraphs)
            window_.pane(g)->updateOverlay();
    });

    scaleMenu_ = tools->addMenu(QString());
    scaleMenu_->setObjectName(QStringLiteral("mnuToolsScale"));
    keepTranslated(scaleMenu_,
                   [menu = scaleMenu_] { menu->setTitle(Texts::tr("Масштаб интерфейса")); });
    scaleMenu_->setToolTipsVisible(true);
    scales_ = new QActionGroup(this);
    for (double s : interfaceScales) {
        QAction* a = scaleMenu_->addAction(percent(s));
        a->setCheckable(true);
        a->setData(s);
        scales_->addAction(a);
        if (s == 1)
            a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
        connect(a, &QAction::triggered, this, [this, s] { emit scaleChosen(s); });
    }
    scaleMenu_->addSeparator();
    QAction* larger = scaleMenu_->addAction(QString());
    keepTranslated(larger, [larger] { larger->setText(Texts::tr("Крупнее")); });
    larger->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)});
    QAction* smaller = scaleMenu_->addAction(QString());
    keepTranslated(smaller, [smaller] { smaller->setText(Texts::tr("Мельче")); });
    smaller->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    for (QAction* a : scaleMenu_->actions())
        window_.addAction(a);
    connect(larger, &QAction::triggered, this, [this] { stepScale(1); });
    connect(smaller, &QAction::triggered, this, [this] { stepScale(-1); });
    connect(scaleMenu_, &QMenu::aboutToShow, this, &ViewCommands::showScales);
    connect(&window_, &MainWindow::interfaceScaleChanged, this, &ViewCommands::showScales);
    // The tooltips of the scales that do not fit, and the «Пауза» painted over the panes.
    connect(&LanguageSwitch::instance(), &LanguageSwitch::changed, this, [this] {
        showScales();
        for (const Graph g : allGraphs)
            window_.pane(g)->updateOverlay();
    });
    showScales();
}

void ViewCommands::show(double speed) {
    for (QAction* a : speeds_->actions())
        a->setChecked(a->data().toDouble() == speed);
    showScales();
}

void ViewCommands::showScales() {
    for (QAction* a : scales_->actions()) {
        const double s = a->data().toDouble();
        // 100 % stays on offer: there is no smaller scale.
        const QString misfit = s == interfaceScales[0] ? QString() : window_.scaleMisfit(s);
        a->setEnabled(misfit.isEmpty());
        a->setToolTip(misfit);
        a->setChecked(s == window_.interfaceScale());
    }
}

// The next larger or smaller scale at which the window fits.
void ViewCommands::stepScale(int steps) {
    const double now = window_.interfaceScale();
    const auto& all = interfaceScales;
    const auto at = std::find(std::begin(all), std::end(all), now) - std::begin(all);
    const auto next = at + steps;
    if (next < 0 || next >= std::ssize(all))
        return;
    if (next == 0 || window_.scaleMisfit(all[next]).isEmpty())
        emit scaleChosen(all[next]);
}

bool ViewCommands::eventFilter(QObject* watched, QEvent* event) {
    // A field would take Space as a blank; during a flight the window's shortcut gets it.
    if (event->type() == QEvent::ShortcutOverride && controller_.flight().running()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
            return true;
    }
    return QObject::eventFilter(watched, event);
}

void ViewCommands::paintPaused(Graph g, QPainter& painter, QSize interior) const {
    if (!controller_.paused())
        return;
    QFont font = window_.pane(g)->font();
    font.setPointSizeF(font.pointSizeF() * 1.5);
    font.setBold(true);
    const QString text = Texts::tr("Пауза");
    const QFontMetrics metrics(font);
    const int pad = metrics.height() / 3;
    QRect box(0, 0, metrics.horizontalAdvance(text) + 2 * pad, metrics.height() + pad);
    box.moveCenter(QPoint(interior.width() / 2, interior.height() / 2));
    painter.save();
    painter.fillRect(box, Qt::white);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setFont(font);
    painter.drawText(box, Qt::AlignCenter, text);
    painter.restore();
}

} // namespace ui
