#include "ui/present/Presentation.h"

#include "graphs/GraphPane.h"
#include "ui/platform/Language.h"
#include "ui/present/PresentationStrip.h"
#include "ui/tools/Legend.h"
#include "ui/tools/ToolMenu.h"
#include "ui/window/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>

#include <cmath>
#include <functional>

namespace ui {

namespace {

// The full-screen window: it reports its size and its closing to the presentation.
class ScreenWindow : public QWidget {
public:
    ScreenWindow(QWidget* parent, std::function<void()> resized, std::function<void()> closing)
        : QWidget(parent, Qt::Window), resized_(std::move(resized)), closing_(std::move(closing)) {
        setObjectName(QStringLiteral("presentation"));
        QPalette p = palette();
        p.setColor(QPalette::Window, Qt::white);
        setPalette(p);
        setAutoFillBackground(true);
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        resized_();
    }
    void closeEvent(QCloseEvent* event) override {
        closing_();
        QWidget::closeEvent(event);
    }

private:
    std::function<void()> resized_, closing_;
};

} // namespace

Presentation::Presentation(MainWindow& window, QAction* pause, QObject* parent)
    : QObject(parent), window_(window), pause_(pause) {
    present_ = addToolAction(window_, ToolCommand::present, this);
    connect(present_, &QAction::toggled, this, &Presentation::setShown);
    refresh_.setInterval(100);
    connect(&refresh_, &QTimer::timeout, this, [this] {
        if (strip_)
            strip_->refresh();
    });
    // The panes' keys and the strip speak the new language at once.
    connect(&LanguageSwitch::instance(), &LanguageSwitch::changed, this, [this] {
        for (const Lent& l : lent_)
            l.pane->setKeyPart(graphs::KeyPart::models, modelKey());
        if (strip_)
            strip_->refresh();
    });
    connect(&window_, &MainWindow::interfaceScaleChanged, this, &Presentation::followScale);
}

Presentation::~Presentation() {
    leave();
}

int Presentation::typePixels(int screenHeight, double interfaceScale) {
    const int base = std::max(12, static_cast<int>(std::ceil(0.027 * screenHeight)));
    return interfaceScale == 1 ? base : static_cast<int>(std::lround(base * interfaceScale));
}

void Presentation::setShown(bool on) {
    if (on == shown())
        return;
    if (on)
        enter();
    else
        leave();
    present_->setChecked(on);
}

void Presentation::enter() {
    const QScreen* screen = window_.screen();
    auto* w = new ScreenWindow(
        &window_, [this] { placeParts(); }, [this] { setShown(false); });
    screen_ = w;
    w->setWindowTitle(window_.windowTitle());
    connect(&window_, &QWidget::windowTitleChanged, w, &QWidget::setWindowTitle);
    area_ = new QWidget(w);
    area_->setObjectName(QStringLiteral("presentationGraphs"));
    strip_ = new PresentationStrip(window_, w, dragCoefficient_);
    for (const Graph g : allGraphs) {
        graphs::GraphPane* pane = window_.pane(g);
        lent_.push_back({pane, pane->font(), pane->geometry()});
        pane->setParent(area_);
        pane->setKeyPart(graphs::KeyPart::models, modelKey());
        pane->setVisible(window_.option(g)->isChecked());
    }
    if (QWidget* ball = window_.pane(Graph::trajectory)->marker())
        ballSize_ = ball->size();
    sizeType();

    // The window's own keys, here too; the tools' shortcuts come with the panes.
    w->addAction(present_);
    if (pause_)
        w->addAction(pause_);
    w->addActions(shared_);
    auto key = [w](const QKeySequence& keys, auto slot) {
        connect(new QShortcut(keys, w), &QShortcut::activated, w, slot);
    };
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL | Qt::Key_Return),
          QKeySequence(Qt::CTRL | Qt::Key_Enter)})
        key(keys, [this] { window_.runButton()->click(); });
    for (int i = 0; i < 3; ++i)
        key(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + i)),
            [this, g = allGraphs[i]] { window_.option(g)->click(); });
    key(QKeySequence(Qt::Key_Escape), [this] { setShown(false); });

    if (screen)
        w->setGeometry(screen->geometry());
    w->showFullScreen();
    placeParts();
    refresh_.start();
}

void Presentation::sizeType() {
    const QScreen* screen = window_.screen();
    const int type =
        typePixels(screen ? screen->geometry().height() : 768, window_.interfaceScale());
    QFont stripFont = lent_.front().font;
    stripFont.setPixelSize(type);
    strip_->setFont(stripFont);
    for (const Lent& l : lent_) {
        QFont f = l.font;
        f.setPixelSize(type);
        l.pane->setFont(f);
    }
    if (QWidget* ball = window_.pane(Graph::trajectory)->marker(); ball && ballSize_.isValid()) {
        const int side = std::max(ballSize_.width(), type / 2);
        ball->setFixedSize(side, side);
    }
}

void Presentation::followScale() {
    if (!shown())
        return;
    // The window has just set the lent panes' fonts and the ball for its new scale.
    for (Lent& l : lent_)
        l.font = l.pane->font();
    if (QWidget* ball = window_.pane(Graph::trajectory)->marker())
        ballSize_ = ball->size();
    sizeType();
    placeParts();
    // The window grew or shrank behind it, and may have taken the focus: the presentation
    // stays in front, its keys with it, once the window's own events are handled.
    QTimer::singleShot(0, screen_, [w = screen_] {
        w->raise();
        w->activateWindow();
    });
}

void Presentation::placeParts() {
    if (!screen_ || !strip_)
        return;
    const QSize size = screen_->size();
    const int stripHeight = strip_->heightFor(size.width());
    strip_->setGeometry(0, size.height() - stripHeight, size.width(), stripHeight);
    area_->setGeometry(0, 0, size.width(), size.height() - stripHeight);
    for (const Lent& l : lent_)
        l.pane->setGeometry(area_->rect());
}

void Presentation::leave() {
    if (!screen_)
        return;
    refresh_.stop();
    for (const Lent& l : lent_) {
        l.pane->setParent(window_.clientArea());
        l.pane->setFont(l.font);
        l.pane->setGeometry(l.geometry);
        l.pane->setKeyPart(graphs::KeyPart::models, {});
        l.pane->stackUnder(window_.hScroll());
    }
    for (const Graph g : allGraphs)
        window_.pane(g)->setVisible(window_.option(g)->isChecked());
    if (QWidget* ball = window_.pane(Graph::trajectory)->marker(); ball && ballSize_.isValid())
        ball->setFixedSize(ballSize_);
    lent_.clear();
    window_.placeControls(); // at the scale the window has now
    QWidget* w = screen_;
    screen_ = nullptr;
    strip_ = nullptr;
    area_ = nullptr;
    w->hide();
    w->deleteLater();
    window_.activateWindow();
}

} // namespace ui
