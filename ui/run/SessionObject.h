#pragma once

#include "model/session/Session.h"

#include <QObject>
#include <QUndoStack>

#include <functional>
#include <memory>

class QUndoCommand;

namespace ui {

// The window's side of the lesson's session (session/Session.h): a signal for each kind of
// change, and the undo history of what the user changes — the inputs and Cd, the scale bars, the
// graph shown, clearing the comparison, removing the measured points. The edits below change the
// session and record a step; everything else changes it through session() without one. Edits
// made between beginEdits() and endEdits() are one step (a preset sets two fields).
class SessionObject : public QObject {
    Q_OBJECT
public:
    explicit SessionObject(QObject* parent = nullptr);
    ~SessionObject() override;

    session::Session& session() { return session_; }
    const session::Session& session() const { return session_; }
    QUndoStack& history() { return history_; }

    // A field settled to `after`; it showed `before` when the edit began (for typing: before the
    // first key).
    void editField(model::Field f, const session::FieldState& before,
                   const session::FieldState& after);
    void editCd(double cd);
    void moveScaleBars(int x, int y);
    // The user chose another graph; the session follows the shown graph by itself.
    void recordGraphChoice(int before, int after);
    void clearComparison();
    // Switching comparing off clears the kept throws: that is a step when there were any.
    void setComparing(bool on);
    void removeMeasurements();
    void beginEdits();
    void endEdits();

    // Opens a lesson (checked by readLessonJson) with a fresh history; the problem when its inputs
    // are refused, and then nothing changes.
    QString openLesson(const session::Lesson& lesson);

signals:
    void inputsChanged();
    void scaleChanged();
    void graphChanged();
    void speedChanged();
    void comparisonChanged();
    void measurementsChanged();
    void fitChanged();
    void studiesChanged();
    // Another lesson replaced everything.
    void lessonReplaced();
    // modified() changed.
    void savedChanged();
    // Any change that a lesson keeps (all of the above but the speed, the fit and savedChanged).
    void lessonChanged();

private:
    // Records a step already made: undo and redo put the state of each side back.
    void record(std::function<void()> undo, std::function<void()> redo);

    session::Session session_;
    QUndoStack history_;
    int grouping_ = 0;
    std::unique_ptr<QUndoCommand> group_; // the steps made since beginEdits()
};

} // namespace ui
