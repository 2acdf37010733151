#pragma once

#include <QString>

namespace helpdocs {

// Typesets one help document (HTML or Markdown) on A4 pages with a page
// number at the foot of each page and writes it as a PDF file.
class HelpPdf {
public:
    // Returns an empty string on success, otherwise a message for the build
    // log. Pictures (<img src="name.png">) are found next to the source and
    // embedded; one that cannot be read is an error. An HTML source may carry
    // the mark of the preset tables (PresetTables.h); presetsPath then names
    // the presets file that fills it.
    static QString convert(const QString& sourcePath, const QString& pdfPath,
                           const QString& presetsPath = {});

    // Copies a plain-text document after checking that it is valid UTF-8, so
    // that a mis-encoded quick start fails the build instead of showing
    // mojibake in the user's editor.
    static QString copyText(const QString& sourcePath, const QString& targetPath);

    // Reads a UTF-8 text file; returns an empty string or the reason it cannot.
    static QString readUtf8(const QString& path, QString& text);
};

} // namespace helpdocs
