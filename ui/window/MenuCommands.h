#pragma once

#include "ui/window/AuthorsWindow.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

namespace ui {

class DocumentOpener;
class DocumentViewer;
class MainWindow;
class MessageBoxes;

// The commands of the main window's two menus. Connects itself to the window's menu items when
// constructed. None of the commands reads or changes the model or starts a computation.
//
// Documents lie in the working directory and are named without a directory. A document that
// is not there is left alone without a word. The desktop's application for the document's type
// shows it; where the desktop has none, or it cannot be started, the program's own viewer does.
// Only a document that even the viewer cannot read is reported, in a box.
class MenuCommands : public QObject {
    Q_OBJECT
public:
    MenuCommands(MainWindow& window, DocumentOpener& opener, MessageBoxes& boxes,
                 QObject* parent = nullptr);
    ~MenuCommands() override;

    // "Справка1", "Справка2", "История", "Управление"; "Инструкция" with instruction.txt.
    void openDocument(const QString& name);
    void openInstruction() { openDocument(instructionFile); }
    // "Выход": the same close request as the window's close box, confirmation included.
    void exit();
    // "О программе" and "Регистрация": modal boxes with OK only.
    void showAbout();
    void showRegistration();
    // "Авторы": Form2, created when needed, its text rewritten, centred over Form1, in front.
    void showAuthors();

    // The open authors window, or null when there is none.
    AuthorsWindow* authorsWindow() const { return authorsWindow_; }
    // The program's own open viewer of a document, or null.
    DocumentViewer* viewer(const QString& name) const;

    static const QString instructionFile; // "instruction.txt"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void centreAuthorsWindow();

    MainWindow& window_;
    DocumentOpener& opener_;
    MessageBoxes& boxes_;
    // No owner: the authors window may outlive the main window; it deletes itself on closing.
    QPointer<AuthorsWindow> authorsWindow_;
    // One viewer per document. Like the desktop's application they stand in for, they have no
    // owner: each may outlive the main window and deletes itself on closing.
    QHash<QString, QPointer<DocumentViewer>> viewers_;
};

} // namespace ui
