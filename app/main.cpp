#include "ui/platform/DocumentOpener.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/platform/ReleaseLargeBlocks.h"
#include "ui/platform/RussianTranslations.h"
#include "ui/platform/Tone.h"
#include "ui/run/RunSequence.h"
#include "ui/window/MainWindow.h"
#include "ui/window/MenuCommands.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    ui::releaseLargeBlocksToTheSystem();
    QApplication app(argc, argv);
    ui::installRussianTranslations(app);
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
