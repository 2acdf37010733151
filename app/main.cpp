#include "ui/DocumentOpener.h"
#include "ui/MainWindow.h"
#include "ui/MenuCommands.h"
#include "ui/MessageBoxes.h"
#include "ui/ReleaseLargeBlocks.h"
#include "ui/RunSequence.h"
#include "ui/Tone.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    ui::releaseLargeBlocksToTheSystem();
    QApplication app(argc, argv);
    ui::MainWindow window;
    ui::DialogMessageBoxes boxes(&window);
    ui::AudioTone tone;
    ui::RunSequence run(window, boxes, tone);
    ui::DesktopDocumentOpener opener;
    ui::MenuCommands menu(window, opener, boxes);
    run.load();
    window.show();
    return app.exec();
}
