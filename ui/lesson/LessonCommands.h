#pragma once

#include "ui/lesson/Lesson.h"
#include "ui/lesson/RecentLessons.h"
#include "ui/lesson/RecoveryFile.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>

class QAction;
class QMenu;

namespace ui {

class Comparison;
class ExportDialogs;
class FieldHandling;
class MainWindow;
class MessageBoxes;
class ThrowController;
class ToolCommands;

// The lesson commands of «Файл» — «Новый урок», «Открыть урок…», «Сохранить урок», «Сохранить
// урок как…», «Последние уроки» — and what goes with a lesson: the window title (« — имя урока»,
// «*» while there are unsaved changes), the question before closing or replacing a lesson with
// unsaved changes, and the recovery copy, written within 2 s of a change.
//
// A lesson is what capture() reads from the window; a change is any difference from the lesson
// as last opened or saved, looked for a few times a second. A file that cannot be opened is
// reported in a box naming it and the reason, and the window keeps what it had.
class LessonCommands : public QObject {
    Q_OBJECT
public:
    using MeasurementsGetter = std::function<std::optional<model::measure::Measurements>()>;
    using MeasurementsSetter =
        std::function<void(const std::optional<model::measure::Measurements>&)>;

    // stateFolder holds the recovery copy and the list of recent lessons.
    LessonCommands(MainWindow& window, ThrowController& controller, FieldHandling& fields,
                   Comparison& comparison, ToolCommands& tools, MessageBoxes& boxes,
                   ExportDialogs& dialogs, const QString& recoveryPath, const QString& recentPath,
                   QObject* parent = nullptr);
    ~LessonCommands() override;

    // After the window's start: offers the recovery copy if there is one, then opens file (if
    // not empty).
    void startSession(const QString& file = {});

    // The measured points of the window: read when a lesson is saved, set when one is opened.
    // Until they are connected, the lesson keeps the points it was opened with.
    void setMeasuredData(MeasurementsGetter get, MeasurementsSetter set);

    Lesson capture() const;
    // Puts a lesson (read by readLessonJson, so checked) into the window.
    void apply(const Lesson& lesson);

    void newLesson();
    // Opens a file; false (after a box) when it cannot be read; the window is then unchanged.
    bool open(const QString& path);
    void openChosen();
    bool save();
    bool saveAs();

    const QString& path() const { return path_; }
    bool modified() const { return modified_; }
    QString lessonName() const;
    RecoveryFile& recovery() { return recovery_; }
    const RecentLessons& recent() const { return recent_; }

    // Looks for changes now: updates the title and queues the recovery copy (tests call it
    // instead of waiting).
    void checkForChanges();
    // The program ends normally: the recovery copy goes.
    void endSession();

private:
    // With unsaved changes, asks whether to save them; false when the user cancels (or the save
    // failed).
    bool settleUnsaved();
    bool writeTo(const QString& path);
    void opened(const QString& path, const Lesson& lesson);
    void showTitle();
    void fillRecentMenu();
    void createActions();

    MainWindow& window_;
    ThrowController& controller_;
    FieldHandling& fields_;
    Comparison& comparison_;
    ToolCommands& tools_;
    MessageBoxes& boxes_;
    ExportDialogs& dialogs_;
    RecoveryFile recovery_;
    RecentLessons recent_;
    MeasurementsGetter getMeasurements_;
    MeasurementsSetter setMeasurements_;
    std::optional<model::measure::Measurements> measurements_; // until connected

    QString baseTitle_;
    QString path_;   // empty: not saved yet
    Lesson saved_;   // as last opened, saved or started
    Lesson written_; // the last recovery copy
    bool recoveryWritten_ = false;
    bool modified_ = false;
    bool ended_ = false;
    QTimer watch_;
    QMenu* recentMenu_ = nullptr;
};

} // namespace ui
