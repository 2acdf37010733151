#pragma once

#include <array>
#include <cstddef>

class QAction;
class QObject;

namespace ui {

class MainWindow;

// The commands of the «Инструменты» menu, in menu order. Each is one action with its shortcut,
// created and owned by the object that carries it out (addToolAction); the main window places
// it in that menu and in the context menu of every graph pane. A new command is a value here, a
// row in ToolMenu.cpp and a handler.
enum class ToolCommand {
    saveGraph,
    copyGraph,
    saveData,
    copyResults,
    print,
    saveReport,
    compare,
    clearComparison,
    study,
    present,
};
inline constexpr std::size_t toolCommandCount = 10;

struct ToolCommandRow {
    ToolCommand id;
    const char* name;     // object name of the action: "mnuToolsSaveGraph"
    const char* text;     // "Сохранить график…"
    const char* shortcut; // portable key text, "Ctrl+S"; null for none
    int group;            // rows of different groups are parted by a separator
    bool checkable;       // a check item that stays on until chosen again
};

const std::array<ToolCommandRow, toolCommandCount>& toolCommandRows();

// The action of a command as its row describes it (its text following the language), owned by
// `owner` and placed in the window in menu order.
QAction* addToolAction(MainWindow& window, ToolCommand c, QObject* owner);
// The action of a command placed in the window; null before its owner placed it.
QAction* toolAction(const MainWindow& window, ToolCommand c);

} // namespace ui
