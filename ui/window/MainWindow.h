#pragma once

#include "model/ModelState.h"

#include <QHash>
#include <QMainWindow>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace graphs {
class GraphPane;
}

namespace ui {

// The items of the two drop-down menus, so that their commands can be connected from outside.
struct MenuActions {
    QAction* mnuFilespravka = nullptr;     // "Справка1"
    QAction* mnuFilespravka2 = nullptr;    // "Справка2"
    QAction* mnuFilesHistory = nullptr;    // "История"
    QAction* mnuFileExit = nullptr;        // "Выход"
    QAction* mnuHelpInstruction = nullptr; // "Инструкция"
    QAction* mnuHelpUprav = nullptr;       // "Управление"
    QAction* mnuHelpAvtors = nullptr;      // "Авторы"
    QAction* mnuHelpAbout = nullptr;       // "О программе"
    QAction* mnuHelpAbout2 = nullptr;      // "Регистрация"
};

// The main window Form1: input rows, result columns, graph panes with their scale bars, the
// graph selector and the run button, laid out on a 720 × 560 client area under a menu bar.
// Every control carries its control name as object name ("Text1", "Label29", "Picture1" …).
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int initialClientWidth = 720;
    static constexpr int initialClientHeight = 560;

    explicit MainWindow(QWidget* parent = nullptr);

    model::ModelState& state() { return state_; }
    const model::ModelState& state() const { return state_; }

    // Places every control for the current client size, writes the placeholder texts of the
    // quadratic-drag column, hides Command1 and brings the trajectory graph to the front.
    void layoutControls();

    // Moves the window (frame top-left) to 5 % of the screen's available width and height.
    void placeOnScreen();

    QWidget* clientArea() const { return centralWidget(); }
    const MenuActions& menuActions() const { return menu_; }

    // Controls by name; n counts from 1 as in the control names.
    QLineEdit* field(int n) const;            // Text1 … Text7
    QLabel* label(const QString& name) const; // "Label16", "Label5_2" …
    graphs::GraphPane* pane(int n) const;     // Picture1 … Picture3
    QRadioButton* option(int n) const;        // Option1 … Option3
    QScrollBar* hScroll() const { return hScroll_; }
    QScrollBar* vScroll() const { return vScroll_; }
    QPushButton* cmdOK() const { return cmdOK_; }
    QPushButton* command1() const { return command1_; }
    QGroupBox* frame1() const { return frame1_; }

signals:
    // The short recompute is wanted: the client area changed size, a scale bar moved, or
    // Command1 was clicked. Whoever runs the model decides whether loading is complete.
    void shortRecomputeRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createMenus();
    void setTabOrderAndFocus();
    void showGraph(int n);
    void onHScroll(int value);
    void onVScroll(int value);

    model::ModelState state_;
    MenuActions menu_;
    QHash<QString, QWidget*> controls_;
    QScrollBar* hScroll_ = nullptr;
    QScrollBar* vScroll_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* command1_ = nullptr;
    QGroupBox* frame1_ = nullptr;
};

} // namespace ui
