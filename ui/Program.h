#pragma once

#include "ui/Preferences.h"
#include "ui/PreferencesWriter.h"
#include "ui/lesson/LessonCommands.h"
#include "ui/measure/MeasureCommands.h"
#include "ui/measure/MeasuredData.h"
#include "ui/present/Presentation.h"
#include "ui/run/FieldHandling.h"
#include "ui/run/SessionObject.h"
#include "ui/run/ThrowController.h"
#include "ui/run/ThrowPresenter.h"
#include "ui/study/StudyWindows.h"
#include "ui/tools/Comparison.h"
#include "ui/tools/DragCoefficient.h"
#include "ui/tools/PresetCommands.h"
#include "ui/tools/Readout.h"
#include "ui/tools/ToolCommands.h"
#include "ui/tools/UndoCommands.h"
#include "ui/tools/ViewCommands.h"
#include "ui/window/LanguageMenu.h"
#include "ui/window/MainWindow.h"
#include "ui/window/MenuCommands.h"

namespace ui {

class DocumentOpener;
class ExportDialogs;
class MessageBoxes;
class Tone;

// The parts of the program wired together: the main window, the lesson's session, the controller
// that drives its throw and the presenter that shows it, the handling of its input fields and the
// commands of its menus. The platform services
// (boxes, tone, document opener, save and print dialogs) come from outside: the real ones in the
// program, recording ones in tests. The recovery copy of the lesson and the list of recent
// lessons lie in the user's state folder; with preferences of a path of their own (tests), they
// lie beside them.
class Program {
public:
    Program(MessageBoxes& boxes, Tone& tone, DocumentOpener& opener, ExportDialogs& dialogs,
            const QString& preferencesPath = PreferencesStore::defaultPath());

    // Puts in the defaults and shows the window; then offers the recovery copy of a lesson, if
    // there is one, and opens lessonFile, if given.
    void start(const QString& lessonFile = {});
    // Speaks `language` in this session without remembering it (`ballflight --lang en`).
    void useLanguage(translations::Language language);

    MainWindow& window() { return window_; }
    SessionObject& session() { return session_; }
    ThrowController& controller() { return controller_; }
    FieldHandling& fields() { return fields_; }
    MenuCommands& menus() { return menus_; }
    ToolCommands& tools() { return tools_; }
    StudyWindows& studies() { return studies_; }
    PresetCommands& presets() { return presets_; }
    DragCoefficientCommand& dragCoefficient() { return dragCoefficient_; }
    ViewCommands& view() { return view_; }
    Comparison& comparison() { return comparison_; }
    Readout& readout() { return readout_; }
    MeasuredData& measured() { return measured_; }
    MeasureCommands& measure() { return measure_; }
    LessonCommands& lessons() { return lessons_; }
    UndoCommands& undo() { return undo_; }
    Presentation& presentation() { return presentation_; }

    // What is remembered between starts; changes are written at once, on the work pool (and
    // waited for when the program ends).
    const Preferences& preferences() const { return preferences_; }
    void setPreferences(const Preferences& preferences);

private:
    MainWindow window_;
    SessionObject session_;
    ThrowPresenter presenter_;
    ThrowController controller_;
    FieldHandling fields_;
    MenuCommands menus_;
    ToolCommands tools_;
    StudyWindows studies_;
    Comparison comparison_;
    Readout readout_;
    PresetCommands presets_;
    DragCoefficientCommand dragCoefficient_; // below the presets
    ViewCommands view_;
    MeasuredData measured_;
    MeasureCommands measure_;
    Presentation presentation_;
    LanguageMenu languages_;
    PreferencesStore store_;
    Preferences preferences_;
    PreferencesWriter preferencesWriter_{store_}; // ends before the store
    LessonCommands lessons_;
    UndoCommands undo_; // last: at the end of «Инструменты»
};

} // namespace ui
