// The two drop-down menus of the main window, with their images.
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
    menu_.mnuFilespravka = item(file, "mnuFilespravka", "Справка1", ":/images/table.svg");
    menu_.mnuFilespravka2 = item(file, "mnuFilespravka2", "Справка2", ":/images/book.svg");
    menu_.mnuFilesHistory = item(file, "mnuFilesHistory", "История", ":/images/engraving.svg");
    separator(file, "mnuHelpSep1");
    menu_.mnuFileExit = item(file, "mnuFileExit", "Выход", ":/images/power.svg");

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Помощь"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    menu_.mnuHelpInstruction =
        item(help, "mnuHelpInstruction", "Инструкция", ":/images/booklet_globe.svg");
    menu_.mnuHelpUprav = item(help, "mnuHelpUprav", "Управление", ":/images/gear.svg");
    separator(help, "mnuHelpSep2");
    menu_.mnuHelpAvtors = item(help, "mnuHelpAvtors", "Авторы", ":/images/portrait.svg");
    menu_.mnuHelpAbout = item(help, "mnuHelpAbout", "О программе", ":/images/question.svg");
    menu_.mnuHelpAbout2 = item(help, "mnuHelpAbout2", "Регистрация", ":/images/seal.svg");
}

} // namespace ui
