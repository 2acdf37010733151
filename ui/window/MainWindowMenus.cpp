// The drop-down menus of the main window: «Файл» and «Помощь» with their images, and the
// commands of «Инструменты», which the graph panes offer in their context menus too.
#include "graphs/GraphPane.h"
#include "ui/window/MainWindow.h"
#include "ui/window/ResourceIcon.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace ui {

void MainWindow::createMenus() {
    auto item = [this](QMenu* menu, const char* name, const QString& text, const char* image) {
        QAction* a = menu->addAction(resourceIcon(QLatin1String(image)), text);
        a->setObjectName(QLatin1String(name));
        a->setIconVisibleInMenu(true);
        return a;
    };
    auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QLatin1String(name));
    };

    QMenu* file = menuBar()->addMenu(QStringLiteral("&Файл"));
    file->setObjectName(QStringLiteral("mnuFile"));
    menu_.referenceAction = item(file, "mnuFilespravka", "Справка1", ":/images/table.svg");
    menu_.theoryAction = item(file, "mnuFilespravka2", "Справка2", ":/images/book.svg");
    menu_.historyAction = item(file, "mnuFilesHistory", "История", ":/images/engraving.svg");
    separator(file, "mnuHelpSep1");
    menu_.exitAction = item(file, "mnuFileExit", "Выход", ":/images/power.svg");

    createToolsMenu();

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Помощь"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    menu_.instructionAction =
        item(help, "mnuHelpInstruction", "Инструкция", ":/images/booklet_globe.svg");
    menu_.controlsGuideAction = item(help, "mnuHelpUprav", "Управление", ":/images/gear.svg");
    separator(help, "mnuHelpSep2");
    menu_.authorsAction = item(help, "mnuHelpAvtors", "Авторы", ":/images/portrait.svg");
    menu_.aboutAction = item(help, "mnuHelpAbout", "О программе", ":/images/question.svg");
    menu_.registrationAction = item(help, "mnuHelpAbout2", "Регистрация", ":/images/seal.svg");
}

void MainWindow::createToolsMenu() {
    toolsMenu_ = menuBar()->addMenu(QStringLiteral("&Инструменты"));
    toolsMenu_->setObjectName(QStringLiteral("mnuTools"));
    int group = 0;
    for (const ToolCommandRow& row : toolCommandRows()) {
        if (group != 0 && row.group != group)
            toolsMenu_->addSeparator();
        group = row.group;
        QAction* a = toolsMenu_->addAction(QString::fromUtf8(row.text));
        a->setObjectName(QLatin1String(row.name));
        if (row.shortcut)
            a->setShortcut(QKeySequence(QLatin1String(row.shortcut), QKeySequence::PortableText));
        a->setShortcutVisibleInContextMenu(true);
        a->setCheckable(row.checkable);
        toolActions_[index(row.id)] = a;
    }
    for (graphs::GraphPane* pane : panes_) {
        pane->addActions(toolsMenu_->actions());
        pane->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
}

} // namespace ui
