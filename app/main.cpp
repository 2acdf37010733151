#include "ui/Program.h"
#include "ui/platform/DocumentOpener.h"
#include "ui/platform/ExportDialogs.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/platform/ReleaseLargeBlocks.h"
#include "ui/platform/RussianTranslations.h"
#include "ui/platform/Tone.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    ui::releaseLargeBlocksToTheSystem();
    QApplication app(argc, argv);
    ui::installRussianTranslations(app);
    ui::DialogMessageBoxes boxes;
    ui::AudioTone tone;
    ui::DesktopDocumentOpener opener;
    ui::DialogExportDialogs dialogs;
    ui::Program program(boxes, tone, opener, dialogs);
    boxes.setParentWindow(&program.window());
    dialogs.setParentWindow(&program.window());
    program.start();
    return app.exec();
}
