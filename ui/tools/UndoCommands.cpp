#include "ui/tools/UndoCommands.h"

#include "ui/platform/Language.h"
#include "ui/run/FieldHandling.h"
#include "ui/run/SessionObject.h"
#include "ui/window/MainWindow.h"

#include <QAction>
#include <QMenu>

namespace ui {

UndoCommands::UndoCommands(MainWindow& window, SessionObject& session, FieldHandling& fields,
                           QObject* parent)
    : QObject(parent), session_(session), fields_(fields) {
    QMenu* tools = window.toolsMenu();
    tools->addSeparator()->setObjectName(QStringLiteral("mnuToolsUndoSep"));
    auto item = [&](const char* name, const char* text, QKeySequence::StandardKey key,
                    void (UndoCommands::*run)()) {
        QAction* a = tools->addAction(QString());
        a->setObjectName(QLatin1String(name));
        keepTranslated(a, [a, text] { a->setText(Texts::tr(text)); });
        a->setShortcut(key);
        a->setEnabled(false);
        connect(a, &QAction::triggered, this, run);
        return a;
    };
    undo_ = item("mnuToolsUndo", QT_TRANSLATE_NOOP("Texts", "Отменить"), QKeySequence::Undo,
                 &UndoCommands::undo);
    redo_ = item("mnuToolsRedo", QT_TRANSLATE_NOOP("Texts", "Вернуть"), QKeySequence::Redo,
                 &UndoCommands::redo);
    // Ctrl+Shift+Z everywhere, beside the platform's own redo keys (Ctrl+Y on some).
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!redoKeys.contains(QKeySequence(QStringLiteral("Ctrl+Shift+Z"))))
        redoKeys.prepend(QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
    redo_->setShortcuts(redoKeys);
    QUndoStack& history = session_.history();
    connect(&history, &QUndoStack::canUndoChanged, undo_, &QAction::setEnabled);
    connect(&history, &QUndoStack::canRedoChanged, redo_, &QAction::setEnabled);
}

void UndoCommands::undo() {
    fields_.commitAll();
    session_.history().undo();
}

void UndoCommands::redo() {
    fields_.commitAll();
    session_.history().redo();
}

} // namespace ui
