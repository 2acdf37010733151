#include "ui/tools/ToolMenu.h"

#include "ui/platform/Language.h"
#include "ui/window/MainWindow.h"

#include <QAction>
#include <QMenu>

namespace ui {

namespace {

const std::array<ToolCommandRow, toolCommandCount> rows{{
    {ToolCommand::saveGraph, "mnuToolsSaveGraph", QT_TRANSLATE_NOOP("Texts", "Сохранить график…"),
     "Ctrl+Alt+S", 1, false},
    {ToolCommand::copyGraph, "mnuToolsCopyGraph", QT_TRANSLATE_NOOP("Texts", "Копировать график"),
     nullptr, 1, false},
    {ToolCommand::saveData, "mnuToolsSaveData", QT_TRANSLATE_NOOP("Texts", "Сохранить данные…"),
     nullptr, 1, false},
    {ToolCommand::copyResults, "mnuToolsCopyResults",
     QT_TRANSLATE_NOOP("Texts", "Копировать результаты"), "Ctrl+Shift+C", 2, false},
    {ToolCommand::print, "mnuToolsPrint", QT_TRANSLATE_NOOP("Texts", "Печать…"), "Ctrl+P", 3,
     false},
    {ToolCommand::saveReport, "mnuToolsSaveReport",
     QT_TRANSLATE_NOOP("Texts", "Сохранить отчёт (PDF)…"), nullptr, 3, false},
    {ToolCommand::compare, "mnuToolsCompare", QT_TRANSLATE_NOOP("Texts", "Сравнивать броски"),
     nullptr, 4, true},
    {ToolCommand::clearComparison, "mnuToolsClearComparison",
     QT_TRANSLATE_NOOP("Texts", "Очистить сравнение"), nullptr, 4, false},
    {ToolCommand::study, "mnuToolsStudy", QT_TRANSLATE_NOOP("Texts", "Исследование зависимости…"),
     nullptr, 5, false},
    {ToolCommand::present, "mnuToolsPresent", QT_TRANSLATE_NOOP("Texts", "Показ на экране"), "F11",
     5, true},
}};

} // namespace

const std::array<ToolCommandRow, toolCommandCount>& toolCommandRows() {
    return rows;
}

QAction* addToolAction(MainWindow& window, ToolCommand c, QObject* owner) {
    const ToolCommandRow& row = rows[static_cast<std::size_t>(c)];
    auto* a = new QAction(owner);
    keepTranslated(a, [a, text = row.text] { a->setText(Texts::tr(text)); });
    a->setObjectName(QLatin1String(row.name));
    if (row.shortcut)
        a->setShortcut(QKeySequence(QLatin1String(row.shortcut), QKeySequence::PortableText));
    a->setShortcutVisibleInContextMenu(true);
    a->setCheckable(row.checkable);
    window.placeTool(a, row.group, static_cast<int>(c));
    return a;
}

QAction* toolAction(const MainWindow& window, ToolCommand c) {
    const QLatin1String name(rows[static_cast<std::size_t>(c)].name);
    for (QAction* a : window.toolsMenu()->actions())
        if (a->objectName() == name)
            return a;
    return nullptr;
}

} // namespace ui
