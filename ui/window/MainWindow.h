#pragma once

#include "model/Quantities.h"
#include "ui/window/Graph.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <utility>
#include <vector>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace graphs {
class GraphPane;
}

namespace ui {

class InputField;
class MessageBoxes;
class ResultLabel;

// The items of the two drop-down menus, so that their commands can be connected from outside.
struct MenuActions {
    QAction* referenceAction = nullptr;     // "Справка1"
    QAction* theoryAction = nullptr;        // "Справка2"
    QAction* historyAction = nullptr;       // "История"
    QAction* exitAction = nullptr;          // "Выход"
    QAction* instructionAction = nullptr;   // "Инструкция"
    QAction* controlsGuideAction = nullptr; // "Управление"
    QAction* authorsAction = nullptr;       // "Авторы"
    QAction* aboutAction = nullptr;         // "О программе"
    QAction* registrationAction = nullptr;  // "Регистрация"
};

// The main window: input rows, result columns, graph panes with their scale bars, the graph
// selector and the run button, laid out on a 720 × 560 client area under a menu bar. It shows
// what it is given and reports what the user does; the state of the throw lives elsewhere.
// Every control carries its control name as object name (Text1, Label29, Picture1 …):
// that is what tests and assistive technology see.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int initialClientWidth = 720;
    static constexpr int initialClientHeight = 560;

    explicit MainWindow(QWidget* parent = nullptr);

    // Places every control for the current client size (placeControls), writes the placeholder
    // texts of the quadratic-drag column (showBareFlightColumn), hides Command1 and brings the
    // trajectory graph to the front (showGraph).
    void layoutControls();
    void showBareFlightColumn();
    // Places every control for the current client size and scale, and nothing else; the
    // presentation calls it for the panes it gives back.
    void placeControls();
    // Writes a result label; a screen reader reads it as the quantity's name and its value
    // («Время полёта в вакууме: 0.507 c»).
    void showResult(model::Quantity q, const QString& text);

    // The interface scale for projectors (one of interfaceScales): every control's place and
    // font grow with it, the layout being that of the client area divided by the factor, and so
    // do the menu bar, the menus and the tooltips. The scale in use is the largest one up to
    // the one asked for at which the window fits on its screen; it is checked again when the
    // window moves to another screen, the screen's free area changes or the window is maximised.
    // Results, the graph shown and the inputs stay as they are.
    void setInterfaceScale(double wanted);
    double interfaceScale() const { return scale_; }
    // Empty when the window fits on its screen's available area at this scale: the 100 %
    // client area enlarged by it, with the menu bar and the frame; else why it does not.
    QString scaleMisfit(double factor) const;
    // The window's outer size at this scale, frame included.
    QSize frameSizeAt(double factor) const;
    // The client size below which controls would be cut off, at the current scale.
    QSize minimumClientSize() const;
    // Moves the window (frame top-left) to 5 % of the screen's available width and height, or
    // nearer its top-left corner where the window would not lie wholly on it there.
    void placeOnScreen();
    // Closing asks "Вы абсолютно уверены?" through these boxes; without them it just closes.
    void setMessageBoxes(MessageBoxes* boxes) { boxes_ = boxes; }
    // A question of its own before closing (unsaved changes of a lesson) replaces that one when
    // the guard asks it: it answers whether to close or stay, or leaves the usual question.
    enum class CloseAnswer { askAsUsual, close, stay };
    void setCloseGuard(std::function<CloseAnswer()> guard) { closeGuard_ = std::move(guard); }

    // Follows the window's own title (« — урок[*]» for a lesson with a file).
    void setTitleSuffix(const QString& suffix);

    QWidget* clientArea() const { return centralWidget(); }
    const MenuActions& menuActions() const { return menu_; }
    // «Инструменты», between «Файл» and «Помощь»; each graph pane shows the same commands in its
    // context menu.
    QMenu* toolsMenu() const { return toolsMenu_; }
    // Places a command its owner created at the top of «Инструменты» and in the panes' context
    // menus, among the others placed there by rank, parted by a separator from those of another
    // group.
    void placeTool(QAction* action, int group, int rank);

    InputField* field(model::Field f) const { return fields_[index(f)]; }
    ResultLabel* result(model::Quantity q) const { return results_[index(q)]; }
    graphs::GraphPane* pane(Graph g) const { return panes_[index(g)]; }
    QRadioButton* option(Graph g) const { return options_[index(g)]; }
    QScrollBar* hScroll() const { return hScroll_; }
    QScrollBar* vScroll() const { return vScroll_; }
    QPushButton* runButton() const { return runButton_; }
    QPushButton* relayoutButton() const { return relayoutButton_; }
    QGroupBox* graphBox() const { return graphBox_; }

signals:
    // The client area changed size, or Command1 was clicked: the short recompute is wanted.
    void resized();
    // A scale bar moved (HScroll1 or VScroll1).
    void scaleBarMoved();
    // Closing was asked for; the question comes right after.
    void closeRequested();
    // A menu of the menu bar is about to open.
    void menuOpening();
    // The user confirmed closing; the window closes right after.
    void closing();
    // The window is on the screen for the first time.
    void firstShown();
    // The scale in use changed, or the scales the screen allows may have.
    void interfaceScaleChanged(double factor);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <class E> static std::size_t index(E e) { return static_cast<std::size_t>(e); }

    // Creation, one section each (MainWindowControls.cpp).
    void createInputs(QWidget* client);
    void createResults(QWidget* client);
    void createGraphArea(QWidget* client);
    void createSelectorAndButtons(QWidget* client);
    void createMenus();
    void createToolsMenu();
    void setTabOrderAndFocus();
    void createShortcuts();
    void rememberBaseSizes();
    // A control the layout places, under its control name.
    void addPlaced(QWidget* widget, const char* name);
    template <class W> W* place(W* widget, const char* name) {
        addPlaced(widget, name);
        return widget;
    }
    void showGraph(Graph g);
    void showTitle();
    // Scale handling (MainWindowScale.cpp).
    double fittingScale() const;
    void applyScale(double factor);
    void resizeForScale(double old);
    void scaleMenusAndTooltips();
    void recheckScale();
    void watchScreen();

    MenuActions menu_;
    QMenu* toolsMenu_ = nullptr;
    struct PlacedTool {
        int group;
        int rank;
        QAction* action;
    };
    std::vector<PlacedTool> tools_;        // by rank
    std::vector<QAction*> toolSeparators_; // between the groups
    std::array<InputField*, model::fieldCount> fields_{};
    std::array<ResultLabel*, model::quantityCount> results_{};
    std::array<graphs::GraphPane*, 3> panes_{};
    std::array<QRadioButton*, 3> options_{};
    QScrollBar* hScroll_ = nullptr;
    QScrollBar* vScroll_ = nullptr;
    QPushButton* runButton_ = nullptr;
    QPushButton* relayoutButton_ = nullptr;
    QGroupBox* graphBox_ = nullptr;
    std::vector<std::pair<QWidget*, QString>> placed_;
    // Every explicitly set font in the client area at scale 1, and the option buttons' places.
    std::vector<std::pair<QWidget*, double>> baseFonts_;
    std::vector<std::pair<QWidget*, QRect>> basePlaces_;
    double scale_ = 1;
    double wantedScale_ = 1;
    QMetaObject::Connection screenWatch_;
    MessageBoxes* boxes_ = nullptr;
    std::function<CloseAnswer()> closeGuard_;
    QString titleSuffix_;
    bool confirming_ = false;
    bool shownOnce_ = false;
    bool frameSeen_ = false;
};

} // namespace ui
