#include "ui/window/InputField.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>

#include <functional>

namespace ui {

InputField::InputField(const QString& text, QWidget* parent) : QLineEdit(text, parent) {}

void InputField::typed(const std::function<void()>& edit) {
    const bool outer = typing_;
    typing_ = true;
    edit();
    typing_ = outer;
}

bool InputField::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool redo = key->matches(QKeySequence::Redo) ||
                          key->keyCombination() == (Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
        if ((key->matches(QKeySequence::Undo) && !isUndoAvailable()) ||
            (redo && !isRedoAvailable())) {
            event->ignore();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void InputField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit committed();
        return;
    }
    if (event->key() == Qt::Key_Escape && isModified()) {
        emit reverted();
        return;
    }
    // A pasted text arrives whole; every other key that changes the text is typing.
    if (event->matches(QKeySequence::Paste)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    typed([&] { QLineEdit::keyPressEvent(event); });
}

void InputField::inputMethodEvent(QInputMethodEvent* event) {
    typed([&] { QLineEdit::inputMethodEvent(event); });
}

void InputField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Leaving by Tab, Shift+Tab or a click commits. A popup (this field's context menu or a
    // menu of the menu bar, which commits on its own) and another window (a message box, a
    // switch to another program) do not. A click on ПУСК commits through the run it starts.
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        emit committed();
        break;
    case Qt::MouseFocusReason:
        if (!qobject_cast<QPushButton*>(QApplication::focusWidget()))
            emit committed();
        break;
    default:
        break;
    }
}

void InputField::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // Cutting is typing: the field waits for the rest like after Backspace.
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-cut")) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, [this] { typed([this] { cut(); }); });
        }
    }
    emit contextMenuAboutToShow(menu);
    menu->popup(event->globalPos());
}

void InputField::setNormalToolTip(const QString& tip) {
    normalTip_ = tip;
    if (!unfinished_)
        setToolTip(tip);
}

void InputField::setUnfinished(bool unfinished, const QString& allowed) {
    if (unfinished == unfinished_ && (!unfinished || toolTip() == allowed))
        return;
    unfinished_ = unfinished;
    QPalette p = palette();
    p.setColor(QPalette::Text,
               unfinished ? QColor(255, 0, 0) : QApplication::palette(this).color(QPalette::Text));
    setPalette(p);
    setToolTip(unfinished ? allowed : normalTip_);
}

} // namespace ui
