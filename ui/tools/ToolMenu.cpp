#include "ui/tools/ToolMenu.h"

namespace ui {

namespace {

// clang-format off
const std::array<ToolCommandRow, toolCommandCount> rows{{
    {ToolCommand::saveGraph, "mnuToolsSaveGraph", "Сохранить график…", "Ctrl+Alt+S", 1, false},
    {ToolCommand::copyGraph, "mnuToolsCopyGraph", "Копировать график", nullptr, 1, false},
    {ToolCommand::saveData, "mnuToolsSaveData", "Сохранить данные…", nullptr, 1, false},
    {ToolCommand::copyResults, "mnuToolsCopyResults", "Копировать результаты", "Ctrl+Shift+C", 2,
     false},
    {ToolCommand::print, "mnuToolsPrint", "Печать…", "Ctrl+P", 3, false},
    {ToolCommand::saveReport, "mnuToolsSaveReport", "Сохранить отчёт (PDF)…", nullptr, 3, false},
    {ToolCommand::compare, "mnuToolsCompare", "Сравнивать броски", nullptr, 4, true},
    {ToolCommand::clearComparison, "mnuToolsClearComparison", "Очистить сравнение", nullptr, 4,
     false},
    {ToolCommand::study, "mnuToolsStudy", "Исследование зависимости…", nullptr, 5, false},
    {ToolCommand::present, "mnuToolsPresent", "Показ на экране", "F11", 5, true},
}};
// clang-format on

} // namespace

const std::array<ToolCommandRow, toolCommandCount>& toolCommandRows() {
    return rows;
}

} // namespace ui
