#pragma once

#include "model/Quantities.h"

#include <QObject>
#include <QString>

class QLineEdit;

namespace ui {

class MainWindow;
class MessageBoxes;
class ThrowController;
class Tone;

// The change handling of the seven input fields. Every change of a field's text (typing,
// pasting, or the program setting it) is read, checked and settled with model::settleField into
// the controller's inputs; each refusal is announced in order with the tone and its message box;
// the field then shows the settled text, with the cursor left where the edit put it (clamped to
// the new text), so that typing "12.5" over a selected field gives "12.500". Last comes the short
// recompute, once per edit: the nested re-runs of the handling end in the same state. A flight
// in progress is abandoned first, so that it never sees inputs it did not start with.
class FieldHandling : public QObject {
    Q_OBJECT
public:
    FieldHandling(MainWindow& window, ThrowController& controller, MessageBoxes& boxes, Tone& tone,
                  QObject* parent = nullptr);

    // Edits handled since construction (a rewrite by this handling does not count).
    int changesHandled() const { return changes_; }

private:
    void changed(model::Field f, QLineEdit* edit, const QString& text);

    ThrowController& controller_;
    MessageBoxes& boxes_;
    Tone& tone_;
    bool rewriting_ = false;
    int changes_ = 0;
};

} // namespace ui
