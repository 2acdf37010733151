#include "ui/tools/ViewCommands.h"

#include "ui/platform/Preferences.h"
#include "ui/run/AnimationSpeed.h"
#include "ui/run/ThrowController.h"
#include "ui/window/MainWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace ui {

namespace {

QString percent(double scale) {
    return QStringLiteral("%1 %").arg(std::lround(scale * 100));
}

} // namespace

ViewCommands::ViewCommands(MainWindow& window, ThrowController& controller, QObject* parent)
    : QObject(parent), window_(window), controller_(controller) {
    QMenu* tools = window_.toolsMenu();
    tools->addSeparator();

    speedMenu_ = tools->addMenu(QStringLiteral("Скорость анимации"));
    speedMenu_->setObjectName(QStringLiteral("mnuToolsSpeed"));
    speeds_ = new QActionGroup(this);
    for (const AnimationSpeed& s : animationSpeeds) {
        QAction* a = speedMenu_->addAction(QString::fromUtf8(s.text));
        a->setCheckable(true);
        a->setData(s.factor);
        speeds_->addAction(a);
        connect(a, &QAction::triggered, this, [this, f = s.factor] { emit speedChosen(f); });
    }

    pause_ = tools->addAction(QStringLiteral("Пауза"));
    pause_->setObjectName(QStringLiteral("mnuToolsPause"));
    pause_->setCheckable(true);
    pause_->setShortcut(QKeySequence(Qt::Key_Space));
    pause_->setShortcutVisibleInContextMenu(true);
    // The window keeps the shortcut while its menus are closed; in a field Space is typed.
    window_.addAction(pause_);
    connect(pause_, &QAction::triggered, this, [this] {
        controller_.setPaused(!controller_.paused());
        pause_->setChecked(controller_.paused());
    });
    connect(tools, &QMenu::aboutToShow, this, [this] { pause_->setChecked(controller_.paused()); });

    scaleMenu_ = tools->addMenu(QStringLiteral("Масштаб интерфейса"));
    scaleMenu_->setObjectName(QStringLiteral("mnuToolsScale"));
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
    QAction* larger = scaleMenu_->addAction(QStringLiteral("Крупнее"));
    larger->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)});
    QAction* smaller = scaleMenu_->addAction(QStringLiteral("Мельче"));
    smaller->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    for (QAction* a : scaleMenu_->actions())
        window_.addAction(a);
    connect(larger, &QAction::triggered, this, [this] { stepScale(1); });
    connect(smaller, &QAction::triggered, this, [this] { stepScale(-1); });
}

void ViewCommands::show(double speed, double scale) {
    scale_ = scale;
    for (QAction* a : speeds_->actions())
        a->setChecked(a->data().toDouble() == speed);
    for (QAction* a : scales_->actions())
        a->setChecked(a->data().toDouble() == scale);
}

void ViewCommands::stepScale(int steps) {
    const double* begin = std::begin(interfaceScales);
    const double* end = std::end(interfaceScales);
    const auto at = std::find(begin, end, scale_) - begin;
    const auto next = std::clamp<std::ptrdiff_t>(at + steps, 0, end - begin - 1);
    if (begin[next] != scale_)
        emit scaleChosen(begin[next]);
}

} // namespace ui
