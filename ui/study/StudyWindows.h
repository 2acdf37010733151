#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

namespace ui {

class ExportDialogs;
class MainWindow;
class MessageBoxes;
class SessionObject;
class StudyWindow;
class ThrowController;
class ToolCommands;

// «Исследование зависимости…» of «Инструменты»: opens study windows from the main window's
// inputs, has them follow those inputs and the interface scale, and keeps the settings of those
// open in the session (what a lesson saves of them).
class StudyWindows : public QObject {
    Q_OBJECT
public:
    StudyWindows(MainWindow& window, const ThrowController& controller, SessionObject& session,
                 const ToolCommands& tools, MessageBoxes& boxes, ExportDialogs& dialogs,
                 QObject* parent = nullptr);

    // A study window of its own, from the inputs of the window, following them; its save
    // dialogs open in the folder the main window's last opened in.
    StudyWindow* open();
    // The study windows open now, in the order they were opened.
    QList<StudyWindow*> windows() const;

private:
    // The settings of the open study windows into the session, but those of a closing one.
    void publish(const StudyWindow* closing = nullptr);

    MainWindow& window_;
    const ThrowController& controller_;
    SessionObject& session_;
    const ToolCommands& tools_;
    MessageBoxes& boxes_;
    ExportDialogs& dialogs_;
    QList<QPointer<StudyWindow>> studies_;
};

} // namespace ui
