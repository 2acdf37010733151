#pragma once

#include "model/Quantities.h"
#include "model/session/Session.h"

#include <QObject>
#include <QString>

#include <array>

namespace ui {

class InputField;
class MainWindow;
class MessageBoxes;
class SessionObject;
class ThrowController;
class Tone;

// The handling of the seven input fields.
//
// A text that arrives whole (pasted, dropped, set by the program) is handled at once: read,
// checked and settled by the session's rule into its inputs, as one step of the undo history;
// each refusal is
// announced in order with the tone and its message box; the field shows the settled text in its
// pattern (the cursor stays where the edit put it, clamped to the new text); then the short
// recompute runs once.
//
// Typing is checked when the user is done. While a field is typed into, its text is never
// rewritten and no box appears: a text that is a whole number passing the field's checks goes
// into the inputs at once (the curves follow the typing); any other text ("", "-", "0" on the
// way to "0.05", "1e") leaves the inputs as they were and shows as unfinished. The field is
// committed — the whole-text handling runs on what it shows — on Enter, when it is left, and
// before ПУСК, a menu or closing the window (commitAll). Escape brings back the value the field
// had before the typing. A text the session gets otherwise (an undo, another lesson) is shown in
// its field as it is, without a handling.
class FieldHandling : public QObject {
    Q_OBJECT
public:
    FieldHandling(MainWindow& window, ThrowController& controller, SessionObject& session,
                  MessageBoxes& boxes, Tone& tone, QObject* parent = nullptr);

    // Commits every field typed into since its last handling.
    void commitAll();
    // Typed into and not committed yet.
    bool pending(model::Field f) const { return pending_[index(f)]; }

private:
    static std::size_t index(model::Field f) { return static_cast<std::size_t>(f); }
    void changed(model::Field f, const QString& text);
    void typed(model::Field f, const QString& text);
    void handleWhole(model::Field f, const QString& text);
    void commit(model::Field f);
    void revert(model::Field f);
    // The session's texts in the fields not being typed into; all of them for another lesson.
    void showSessionTexts(bool all);
    // The tooltip of a field whose typed text is not taken yet: what the field allows.
    QString allowedText(model::Field f) const;

    MainWindow& window_;
    ThrowController& controller_;
    SessionObject& session_;
    MessageBoxes& boxes_;
    Tone& tone_;
    std::array<bool, model::fieldCount> pending_{};
    // What Escape brings back, and where the typing's step of the undo history begins.
    std::array<session::FieldState, model::fieldCount> beforeTyping_{};
    bool rewriting_ = false;
    bool handling_ = false;
};

} // namespace ui
