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
#include <cstdio>
#include <optional>

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
    // `ballflight [--lang ru|en] [FILE.ballflight]`: the language of this session (the menu's
    // choice is the one remembered) and the lesson to open (the file manager's double click).
    QStringList arguments = app.arguments().mid(1);
    const qsizetype lang = arguments.indexOf(QStringLiteral("--lang"));
    if (lang >= 0) {
        const auto language = translations::languageFromCode(arguments.value(lang + 1));
        if (!language) {
            std::fprintf(stderr, "usage: ballflight [--lang ru|en] [FILE.ballflight]\n");
            return 2;
        }
        program.useLanguage(*language);
        arguments.remove(lang, 2);
    }
    program.start(arguments.value(0));
    return app.exec();
}
