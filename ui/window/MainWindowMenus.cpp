// The drop-down menus of the main window: «Файл» and «Помощь» with their images, and the
// commands of «Инструменты», which the graph panes offer in their context menus too.
#include "graphs/GraphPane.h"
#include "ui/platform/Language.h"
#include "ui/window/MainWindow.h"
#include "ui/window/ResourceIcon.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace ui {

void MainWindow::createMenus() {
    auto item = [](QMenu* menu, const char* name, const char* text, const char* image) {
        QAction* a = menu->addAction(resourceIcon(QLatin1String(image)), QString());
        keepTranslated(a, [a, text] { a->setText(Texts::tr(text)); });
        a->setObjectName(QLatin1String(name));
        a->setIconVisibleInMenu(true);
        return a;
    };
    auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QLatin1String(name));
    };

    QMenu* file = menuBar()->addMenu(QString());
    keepTranslated(file, [file] { file->setTitle(Texts::tr("&Файл")); });
    file->setObjectName(QStringLiteral("mnuFile"));
    menu_.referenceAction =
        item(file, "mnuFilespravka", QT_TRANSLATE_NOOP("Texts", "Справка1"), ":/images/table.svg");
    menu_.theoryAction =
        item(file, "mnuFilespravka2", QT_TRANSLATE_NOOP("Texts", "Справка2"), ":/images/book.svg");
    menu_.historyAction = item(file, "mnuFilesHistory", QT_TRANSLATE_NOOP("Texts", "История"),
                               ":/images/engraving.svg");
    separator(file, "mnuHelpSep1");
    menu_.exitAction =
        item(file, "mnuFileExit", QT_TRANSLATE_NOOP("Texts", "Выход"), ":/images/power.svg");

    createToolsMenu();

    QMenu* help = menuBar()->addMenu(QString());
    keepTranslated(help, [help] { help->setTitle(Texts::tr("&Помощь")); });
    help->setObjectName(QStringLiteral("mnuHelp"));
    menu_.instructionAction =
        item(help, "mnuHelpInstruction", QT_TRANSLATE_NOOP("Texts", "Инструкция"),
             ":/images/booklet_globe.svg");
    menu_.controlsGuideAction =
        item(help, "mnuHelpUprav", QT_TRANSLATE_NOOP("Texts", "Управление"), ":/images/gear.svg");
    separator(help, "mnuHelpSep2");
    menu_.authorsAction =
        item(help, "mnuHelpAvtors", QT_TRANSLATE_NOOP("Texts", "Авторы"), ":/images/portrait.svg");
    menu_.aboutAction = item(help, "mnuHelpAbout", QT_TRANSLATE_NOOP("Texts", "О программе"),
                             ":/images/question.svg");
    menu_.registrationAction =
        item(help, "mnuHelpAbout2", QT_TRANSLATE_NOOP("Texts", "Регистрация"), ":/images/seal.svg");
}

void MainWindow::createToolsMenu() {
    toolsMenu_ = menuBar()->addMenu(QString());
    keepTranslated(toolsMenu_, [m = toolsMenu_] { m->setTitle(Texts::tr("&Инструменты")); });
    toolsMenu_->setObjectName(QStringLiteral("mnuTools"));
    for (graphs::GraphPane* pane : panes_)
        pane->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void MainWindow::placeTool(QAction* action, int group, int rank) {
    // The commands come off the menus and go back in order, before what others added below them.
    auto takeOff = [this](QAction* a) {
        toolsMenu_->removeAction(a);
        for (graphs::GraphPane* pane : panes_)
            pane->removeAction(a);
    };
    for (const PlacedTool& t : tools_)
        takeOff(t.action);
    for (QAction* s : toolSeparators_) {
        takeOff(s);
        delete s;
    }
    toolSeparators_.clear();
    const auto at = std::find_if(tools_.begin(), tools_.end(),
                                 [rank](const PlacedTool& t) { return t.rank > rank; });
    tools_.insert(at, {group, rank, action});
    QList<QAction*> section;
    for (std::size_t i = 0; i < tools_.size(); ++i) {
        if (i > 0 && tools_[i].group != tools_[i - 1].group) {
            auto* separator = new QAction(this);
            separator->setSeparator(true);
            toolSeparators_.push_back(separator);
            section.append(separator);
        }
        section.append(tools_[i].action);
    }
    const QList<QAction*> below = toolsMenu_->actions();
    toolsMenu_->insertActions(below.isEmpty() ? nullptr : below.first(), section);
    for (graphs::GraphPane* pane : panes_)
        pane->addActions(section);
}

} // namespace ui
