#include "ui/window/MainWindow.h"

#include "graphs/GraphPane.h"
#include "ui/window/LayoutControls.h"
#include "ui/window/ResourceIcon.h"

#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
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
    createControls();
    createMenus();
    setTabOrderAndFocus();

    for (int n = 1; n <= 3; ++n) {
        connect(option(n), &QRadioButton::toggled, this, [this, n](bool checked) {
            if (checked)
                showGraph(n);
        });
    }
    connect(hScroll_, &QScrollBar::valueChanged, this, &MainWindow::onHScroll);
    connect(vScroll_, &QScrollBar::valueChanged, this, &MainWindow::onVScroll);
    connect(command1_, &QPushButton::clicked, this, &MainWindow::shortRecomputeRequested);
    client->installEventFilter(this);

    // The client area is what has the stated size; the frame and menu bar come on top of it.
    client->resize(initialClientWidth, initialClientHeight);
    resize(initialClientWidth, initialClientHeight + menuBar()->sizeHint().height());
}

void MainWindow::createMenus() {
    auto item = [this](QMenu* menu, const char* name, const QString& text, const char* image) {
        QAction* a = menu->addAction(resourceIcon(QLatin1String(image)), text);
        a->setObjectName(QLatin1String(name));
        a->setIconVisibleInMenu(true);
        return a;
    };
    auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QLatin1String(name));
    };

    QMenu* file = menuBar()->addMenu(QStringLiteral("&Файл"));
    file->setObjectName(QStringLiteral("mnuFile"));
    menu_.mnuFilespravka = item(file, "mnuFilespravka", "Справка1", ":/images/table.svg");
    menu_.mnuFilespravka2 = item(file, "mnuFilespravka2", "Справка2", ":/images/book.svg");
    menu_.mnuFilesHistory = item(file, "mnuFilesHistory", "История", ":/images/engraving.svg");
    separator(file, "mnuHelpSep1");
    menu_.mnuFileExit = item(file, "mnuFileExit", "Выход", ":/images/power.svg");

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Помощь"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    menu_.mnuHelpInstruction =
        item(help, "mnuHelpInstruction", "Инструкция", ":/images/booklet_globe.svg");
    menu_.mnuHelpUprav = item(help, "mnuHelpUprav", "Управление", ":/images/gear.svg");
    separator(help, "mnuHelpSep2");
    menu_.mnuHelpAvtors = item(help, "mnuHelpAvtors", "Авторы", ":/images/portrait.svg");
    menu_.mnuHelpAbout = item(help, "mnuHelpAbout", "О программе", ":/images/question.svg");
    menu_.mnuHelpAbout2 = item(help, "mnuHelpAbout2", "Регистрация", ":/images/seal.svg");
}

void MainWindow::setTabOrderAndFocus() {
    // The initial speed comes before the initial height.
    const QList<QWidget*> order{cmdOK_,    field(2), field(1), field(3),  field(4),
                                field(5),  field(6), field(7), option(1), option(2),
                                option(3), hScroll_, vScroll_, command1_};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    cmdOK_->setFocus();
}

QLineEdit* MainWindow::field(int n) const {
    return qobject_cast<QLineEdit*>(controls_.value(QStringLiteral("Text%1").arg(n)));
}

QLabel* MainWindow::label(const QString& name) const {
    return qobject_cast<QLabel*>(controls_.value(name));
}

graphs::GraphPane* MainWindow::pane(int n) const {
    return qobject_cast<graphs::GraphPane*>(controls_.value(QStringLiteral("Picture%1").arg(n)));
}

QRadioButton* MainWindow::option(int n) const {
    return qobject_cast<QRadioButton*>(controls_.value(QStringLiteral("Option%1").arg(n)));
}

void MainWindow::layoutControls() {
    const QSize client = centralWidget()->size();
    for (const auto& [name, rect] : ui::layout(client.width(), client.height())) {
        if (QWidget* w = controls_.value(name))
            w->setGeometry(toPixels(rect));
    }

    // The quadratic-drag column shows bare prefixes until the next full run writes values.
    const std::pair<const char*, const char*> prefixes[] = {
        {"Label29", "Tp2= "},     {"Label35", "Хp2= "},   {"Label30", "Ymax2= "},
        {"Label31", "Tmax2= "},   {"Label32", "Xmax2= "}, {"Label41", "Vx2(y=0)= "},
        {"Label42", "Vy2(y=0)= "}};
    for (const auto& [name, text] : prefixes)
        label(QLatin1String(name))->setText(QString::fromUtf8(text));

    command1_->hide();
    option(1)->setChecked(true);
    showGraph(1);
    pane(2)->hide();
    pane(3)->hide();
}

void MainWindow::showGraph(int n) {
    for (int i = 1; i <= 3; ++i)
        pane(i)->setVisible(i == n);
    // The scale bars act on the trajectory graph only.
    hScroll_->setVisible(n == 1);
    vScroll_->setVisible(n == 1);
}

void MainWindow::onHScroll(int value) {
    state_.scaleX = value * 0.01;
    emit shortRecomputeRequested();
}

void MainWindow::onVScroll(int value) {
    state_.scaleY = static_cast<float>(value * 0.01);
    emit shortRecomputeRequested();
}

void MainWindow::placeOnScreen() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    move(area.left() + static_cast<int>(std::lround(0.05 * area.width())),
         area.top() + static_cast<int>(std::lround(0.05 * area.height())));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        emit shortRecomputeRequested();
    return QMainWindow::eventFilter(watched, event);
}

} // namespace ui
