#pragma once

#include "model/InputFields.h"

#include <QObject>
#include <QString>

#include <functional>

class QLineEdit;

namespace ui {

class MainWindow;
class MessageBoxes;
class Tone;

// The change handling of the seven input fields. Every change of a field's text (typing,
// pasting, or the program setting it) is read, checked and settled with model::settleField;
// each refusal is announced in order with the tone and its message box; the field then shows
// the settled text, with the cursor left where the edit put it (clamped to the new text), so
// that typing "12.5" over a selected field gives "12.500". Last comes the resize handling, once
// per edit: the nested re-runs of the handling end in the same state.
class FieldHandling : public QObject {
    Q_OBJECT
public:
    // beforeChange runs first on every change (the window stops a flight there, so that the
    // flight never sees inputs it did not start with); resizeHandling runs last.
    FieldHandling(MainWindow& window, MessageBoxes& boxes, Tone& tone,
                  std::function<void()> beforeChange, std::function<void()> resizeHandling,
                  QObject* parent = nullptr);

    // Edits handled since construction (a rewrite by this handling does not count).
    int changesHandled() const { return changes_; }

private:
    void changed(model::Field f, QLineEdit* edit, const QString& text);

    MainWindow& window_;
    MessageBoxes& boxes_;
    Tone& tone_;
    std::function<void()> beforeChange_;
    std::function<void()> resizeHandling_;
    bool rewriting_ = false;
    int changes_ = 0;
};

} // namespace ui
