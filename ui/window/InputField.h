#pragma once

#include <QLineEdit>

#include <functional>

class QMenu;

namespace ui {

// An input field that tells typing from text that arrives whole. Keys (characters, Backspace,
// Delete, undo) and cutting are typing: the handling waits until the user is done with the
// field. Pasting, dropping and the program setting the text bring the whole text at once.
// The user is done when Enter is pressed or the field is left by the keyboard or the mouse
// (committed()); Escape asks for the last accepted value back (reverted()).
class InputField : public QLineEdit {
    Q_OBJECT
public:
    explicit InputField(const QString& text, QWidget* parent = nullptr);

    // True while a change comes from typing, during the change's textChanged signal.
    bool typing() const { return typing_; }
    // Shows the text as unfinished (red, with the tooltip saying what is allowed) or as normal,
    // with the field's own tooltip.
    void setUnfinished(bool unfinished, const QString& allowed = {});
    bool unfinished() const { return unfinished_; }
    // The field's own tooltip (kept while the unfinished tooltip is shown).
    void setNormalToolTip(const QString& tip);

signals:
    // Enter, or the focus went to another control: the typed text is to be checked now.
    void committed();
    // Escape: the last accepted value is wanted back.
    void reverted();
    // The context menu is about to show; more items may be added to it.
    void contextMenuAboutToShow(QMenu* menu);

protected:
    // Undo and redo keys undo the field's own typing while it has any to undo; else they are the
    // window's (the lesson's history).
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void typed(const std::function<void()>& edit);

    bool typing_ = false;
    bool unfinished_ = false;
    QString normalTip_;
};

} // namespace ui
