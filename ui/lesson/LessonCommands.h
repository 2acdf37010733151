#pragma once

#include "model/session/Lesson.h"
#include "ui/lesson/RecentLessons.h"
#include "ui/lesson/RecoveryFile.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>

class QMenu;

namespace ui {

class ExportDialogs;
class FieldHandling;
class MainWindow;
class MessageBoxes;
class SessionObject;
class StudyWindows;
class ToolCommands;

// The lesson commands of «Файл» — «Новый урок», «Открыть урок…», «Сохранить урок», «Сохранить
// урок как…», «Последние уроки» — and what goes with a lesson: the window title (« — имя урока»,
// «*» while there are unsaved changes), the question before closing or replacing a lesson with
// unsaved changes, and the recovery copy, written within 2 s of a change.
//
// A lesson is the session's (session::Session::lesson); whether it has unsaved changes comes with
// the session's change notification. A file that cannot be opened is reported in a box naming it
// and the reason, and the window keeps what it had.
class LessonCommands : public QObject {
    Q_OBJECT
public:
    // stateFolder holds the recovery copy and the list of recent lessons.
    LessonCommands(MainWindow& window, SessionObject& session, FieldHandling& fields,
                   ToolCommands& tools, StudyWindows& studies, MessageBoxes& boxes,
                   ExportDialogs& dialogs, const QString& recoveryPath, const QString& recentPath,
                   QObject* parent = nullptr);
    ~LessonCommands() override;

    // After the window's start: offers the recovery copy if there is one, then opens file (if
    // not empty).
    void startSession(const QString& file = {});

    session::Lesson capture() const;
    // Puts a lesson (read by readLessonJson, so checked) into the window, with a fresh history.
    void apply(const session::Lesson& lesson);

    void newLesson();
    // Opens a file; false (after a box) when it cannot be read; the window is then unchanged.
    bool open(const QString& path);
    void openChosen();
    // «Сохранить урок», «Сохранить урок как…»: the lesson as it is now is written in the
    // background; false when no file was chosen. Once written it counts as saved (the changes
    // made meanwhile stay unsaved); a failure is told in a box.
    bool save();
    bool saveAs();

    const QString& path() const { return path_; }
    bool modified() const;
    QString lessonName() const;
    RecoveryFile& recovery() { return recovery_; }
    const RecentLessons& recent() const { return recent_; }

    // Writes the recovery copy now, or removes it without unsaved changes (tests call it
    // instead of waiting).
    void checkForChanges();
    // The program ends normally: the recovery copy goes.
    void endSession();

private:
    // With unsaved changes, asks whether to save them; false when the user cancels (or the save
    // failed).
    bool settleUnsaved();
    // Starts writing the lesson to path in the background.
    bool writeTo(const QString& path);
    // Writes it and waits for the outcome (what follows needs it); false after a box.
    bool writeNow(const QString& path);
    void opened(const QString& path);
    void savedAs(const QString& path, const session::Lesson& lesson);
    void showTitle();
    void fillRecentMenu();
    void createActions();

    MainWindow& window_;
    SessionObject& session_;
    FieldHandling& fields_;
    ToolCommands& tools_;
    StudyWindows& studies_;
    MessageBoxes& boxes_;
    ExportDialogs& dialogs_;
    RecoveryFile recovery_;
    RecentLessons recent_;

    QString path_;                           // empty: not saved yet
    std::optional<session::Lesson> written_; // the last recovery copy
    bool ended_ = false;
    QTimer recoveryDue_; // started by a change, so that the copy follows within 2 s
    QMenu* recentMenu_ = nullptr;
};

} // namespace ui
