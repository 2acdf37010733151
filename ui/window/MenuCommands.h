#pragma once

#include "ui/window/AuthorsWindow.h"

#include <QObject>
#include <QPointer>
#include <QString>

namespace ui {

class DocumentOpener;
class MainWindow;
class MessageBoxes;

// The commands of the main window's two menus. Connects itself to the window's menu items when
// constructed. None of the commands reads or changes the model or starts a computation.
//
// Documents lie in the working directory and are named without a directory. A document that
// is not there is left alone without a word (the desktop would only complain in a window of its
// own); one the desktop cannot open is silent too. Only an editor that cannot be started at all
// is reported, in a box, and the program goes on.
class MenuCommands : public QObject {
    Q_OBJECT
public:
    MenuCommands(MainWindow& window, DocumentOpener& opener, MessageBoxes& boxes,
                 QObject* parent = nullptr);

    // "Справка1", "Справка2", "История", "Управление".
    void openDocument(const QString& name);
    // "Инструкция": instruction.txt in the text editor.
    void openInstruction();
    // "Выход": the same close request as the window's close box, confirmation included.
    void exit();
    // "О программе" and "Регистрация": modal boxes with OK only.
    void showAbout();
    void showRegistration();
    // "Авторы": Form2, created when needed, its text rewritten, centred over Form1, in front.
    void showAuthors();

    // The open authors window, or null when there is none.
    AuthorsWindow* authorsWindow() const { return form2_; }

    static const QString instructionFile; // "instruction.txt"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void centreAuthorsWindow();

    MainWindow& window_;
    DocumentOpener& opener_;
    MessageBoxes& boxes_;
    // No owner: the authors window may outlive the main window; it deletes itself on closing.
    QPointer<AuthorsWindow> form2_;
};

} // namespace ui
