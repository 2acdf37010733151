// helpdocs SOURCE TARGET [PRESETS] — builds one help document of ballflight.
// An .html or .md source becomes a PDF; a .txt source is checked and copied.
// PRESETS (data/presets.tsv) fills the preset tables of a document that marks their place.
// A source named like "spravka.en.html" is typeset in that language (the page numbers, the
// preset tables), with the program's own translations.
#include "HelpPdf.h"
#include "translations/Translations.h"

#include <QFileInfo>

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    // Runs during the build, where there is often no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() != 3 && args.size() != 4) {
        std::fprintf(stderr, "usage: helpdocs SOURCE TARGET [PRESETS]\n");
        return 2;
    }
    const QString& source = args.at(1);
    const QString& target = args.at(2);
    const QString presets = args.value(3);
    const QStringList nameParts = QFileInfo(source).fileName().split(QLatin1Char('.'));
    if (nameParts.size() > 2) {
        const auto language = translations::languageFromCode(nameParts.at(nameParts.size() - 2));
        if (!language || !translations::use(*language)) {
            std::fprintf(stderr, "helpdocs: no texts in the language of %s\n", qPrintable(source));
            return 1;
        }
    }
    const QString error = source.endsWith(QLatin1String(".txt"))
                              ? helpdocs::HelpPdf::copyText(source, target)
                              : helpdocs::HelpPdf::convert(source, target, presets);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "helpdocs: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
