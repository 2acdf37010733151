#include "ui/window/MenuCommands.h"

#include "ui/platform/DocumentLanguage.h"
#include "ui/platform/DocumentOpener.h"
#include "ui/platform/DocumentViewer.h"
#include "ui/platform/Language.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/platform/ScreenFit.h"
#include "ui/window/AuthorsWindow.h"
#include "ui/window/MainWindow.h"
#include "ui/window/ProgramTexts.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QTimer>
#include <QWindow>

namespace ui {

namespace {
constexpr int settleMs = 1000;
}

const QString MenuCommands::instructionFile = QStringLiteral("instruction.txt");

MenuCommands::MenuCommands(MainWindow& window, DocumentOpener& opener, MessageBoxes& boxes,
                           QObject* parent)
    : QObject(parent), window_(window), opener_(opener), boxes_(boxes) {
    const MenuActions& m = window_.menuActions();
    auto document = [this](QAction* action, const QString& name) {
        connect(action, &QAction::triggered, this, [this, name] { openDocument(name); });
    };
    document(m.referenceAction, QStringLiteral("spravka.pdf"));
    document(m.theoryAction, QStringLiteral("spravka2.pdf"));
    document(m.historyAction, QStringLiteral("history.pdf"));
    document(m.controlsGuideAction, QStringLiteral("uprav.pdf"));
    connect(m.instructionAction, &QAction::triggered, this, &MenuCommands::openInstruction);
    connect(m.exitAction, &QAction::triggered, this, &MenuCommands::exit);
    connect(m.aboutAction, &QAction::triggered, this, &MenuCommands::showAbout);
    connect(m.registrationAction, &QAction::triggered, this, &MenuCommands::showRegistration);
    connect(m.authorsAction, &QAction::triggered, this, &MenuCommands::showAuthors);
    // An open authors window speaks the new language at once.
    connect(&LanguageSwitch::instance(), &LanguageSwitch::changed, this, [this] {
        if (authorsWindow_)
            authorsWindow_->setAuthorsText(ProgramTexts::authorsText());
    });
}

MenuCommands::~MenuCommands() {
    // Viewers still open when the commands go (only in tests: the program ends after its last
    // window has closed).
    for (const QPointer<DocumentViewer>& viewer : std::as_const(viewers_))
        delete viewer.data();
}

DocumentViewer* MenuCommands::viewer(const QString& name) const {
    return viewers_.value(name);
}

void MenuCommands::openDocument(const QString& russianName) {
    const QString name =
        documentInLanguage(russianName, LanguageSwitch::instance().current(), QDir::currentPath());
    const QString path = QDir::current().absoluteFilePath(name);
    if (!QFileInfo(path).isFile())
        return;
    DocumentViewer* viewer = viewers_.value(name);
    if (!viewer) {
        if (opener_.openDocument(name))
            return;
        QString error;
        viewer = DocumentViewer::open(path, &error);
        if (!viewer) {
            boxes_.inform(error, name);
            return;
        }
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        centreOnScreen(viewer, &window_);
        viewers_.insert(name, viewer);
    }
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

void MenuCommands::exit() {
    window_.close();
}

void MenuCommands::showAbout() {
    boxes_.inform(ProgramTexts::aboutText(), ProgramTexts::aboutTitle());
}

void MenuCommands::showRegistration() {
    boxes_.inform(ProgramTexts::registrationText(), ProgramTexts::registrationTitle());
}

void MenuCommands::showAuthors() {
    if (!authorsWindow_) {
        authorsWindow_ = new AuthorsWindow;
        authorsWindow_->setAttribute(Qt::WA_DeleteOnClose);
        // The window manager frames a new window a moment after it is shown; centre it again
        // as soon as the frame is known, but leave it alone once the user may have moved it.
        authorsWindow_->installEventFilter(this);
        QTimer::singleShot(settleMs, authorsWindow_,
                           [this] { authorsWindow_->removeEventFilter(this); });
    }
    authorsWindow_->setAuthorsText(ProgramTexts::authorsText());
    centreAuthorsWindow();
    authorsWindow_->show();
    // A window shown for the first time learns its frame only now.
    centreAuthorsWindow();
    authorsWindow_->raise();
    authorsWindow_->activateWindow();
}

bool MenuCommands::eventFilter(QObject* watched, QEvent* event) {
    if (watched == authorsWindow_ && event->type() == QEvent::Move) {
        const QWindow* handle = authorsWindow_->windowHandle();
        if (handle && !handle->frameMargins().isNull()) {
            authorsWindow_->removeEventFilter(this);
            centreAuthorsWindow();
        }
    }
    return QObject::eventFilter(watched, event);
}

void MenuCommands::centreAuthorsWindow() {
    // Outer frames in screen coordinates; move() places a window by its frame.
    const QRect main = window_.frameGeometry();
    const QRect own = authorsWindow_->frameGeometry();
    authorsWindow_->move(main.left() + (main.width() - own.width()) / 2,
                         main.top() + (main.height() - own.height()) / 2);
}

} // namespace ui
