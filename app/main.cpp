#include "ui/Program.h"
#include "ui/platform/DocumentOpener.h"
#include "ui/platform/ExportDialogs.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/platform/ReleaseLargeBlocks.h"
#include "ui/platform/RussianTranslations.h"
#include "ui/platform/Tone.h"

#include <QApplication>
#include <QStringList>

#include <csignal>

int main(int argc, char* argv[]) {
    // A save beyond the file size limit (ulimit -f) fails with a message instead of killing the
    // window; so does the sound library's shared memory, which then does without.
    std::signal(SIGXFSZ, SIG_IGN);
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
    // `ballflight FILE.ballflight` opens the lesson (the file manager's double click).
    const QStringList arguments = app.arguments();
    program.start(arguments.size() > 1 ? arguments.at(1) : QString());
    return app.exec();
}
