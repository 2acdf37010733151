#pragma once

#include <array>
#include <cstddef>

namespace ui {

// The commands of the «Инструменты» menu, in menu order. The main window shows each of them in
// that menu and in the context menu of every graph pane, as one action with its shortcut; the
// objects that carry out a command connect to its action (MainWindow::toolAction). A new
// command is a value here, a row in ToolMenu.cpp and a handler.
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

} // namespace ui
