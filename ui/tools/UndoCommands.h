#pragma once

#include <QObject>

class QAction;

namespace ui {

class FieldHandling;
class MainWindow;
class SessionObject;

// «Отменить» (Ctrl+Z) and «Вернуть» (Ctrl+Shift+Z) at the end of «Инструменты»: the session's
// undo history, one step per committed edit. A field being typed into is committed first, so its
// typing is a step of its own; while the field still has typing of its own to undo, the keys
// undo that instead (InputField).
class UndoCommands : public QObject {
    Q_OBJECT
public:
    UndoCommands(MainWindow& window, SessionObject& session, FieldHandling& fields,
                 QObject* parent = nullptr);

    void undo();
    void redo();
    QAction* undoAction() const { return undo_; }
    QAction* redoAction() const { return redo_; }

private:
    SessionObject& session_;
    FieldHandling& fields_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
};

} // namespace ui
