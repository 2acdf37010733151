#include "ui/study/StudyWindows.h"

#include "ui/run/SessionObject.h"
#include "ui/run/ThrowController.h"
#include "ui/study/StudyWindow.h"
#include "ui/tools/ToolCommands.h"
#include "ui/tools/ToolMenu.h"
#include "ui/window/MainWindow.h"

#include <QAction>

namespace ui {

StudyWindows::StudyWindows(MainWindow& window, const ThrowController& controller,
                           SessionObject& session, const ToolCommands& tools, MessageBoxes& boxes,
                           ExportDialogs& dialogs, QObject* parent)
    : QObject(parent), window_(window), controller_(controller), session_(session), tools_(tools),
      boxes_(boxes), dialogs_(dialogs) {
    connect(addToolAction(window_, ToolCommand::study, this), &QAction::triggered, this,
            [this] { open(); });
}

StudyWindow* StudyWindows::open() {
    StudyWindow* study =
        StudyWindow::open(controller_.inputs(), &window_, window_.interfaceScale());
    connect(&window_, &MainWindow::interfaceScaleChanged, study, &StudyWindow::setTextScale);
    study->setMainInputs([c = &controller_] { return c->inputs(); });
    study->setServices(&boxes_, &dialogs_, tools_.lastFolder());
    connect(&controller_, &ThrowController::inputsUpdated, study, &StudyWindow::mainInputsChanged);
    studies_.removeAll(nullptr);
    studies_.append(study);
    connect(study, &StudyWindow::settingsChanged, this, [this] { publish(); });
    connect(study, &StudyWindow::closing, this, [this, study] { publish(study); });
    publish();
    return study;
}

void StudyWindows::publish(const StudyWindow* closing) {
    std::vector<session::StudySettings> settings;
    for (const StudyWindow* s : windows())
        if (s != closing)
            settings.push_back(s->settings());
    session_.session().setStudies(std::move(settings));
}

QList<StudyWindow*> StudyWindows::windows() const {
    QList<StudyWindow*> open;
    for (const QPointer<StudyWindow>& s : studies_)
        if (s && s->isVisible())
            open.append(s);
    return open;
}

} // namespace ui
