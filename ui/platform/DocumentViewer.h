#pragma once

#include <QMainWindow>
#include <QString>

class QPdfDocument;
class QPdfView;
class QPlainTextEdit;
class QPrinter;
class QSpinBox;

namespace ui {

// The program's own window for one of its documents, for a desktop that has no application
// that shows it: a PDF with page navigation, zoom and printing, or a text file as read-only
// UTF-8 text. Titled with the document's file name; not modal.
class DocumentViewer : public QMainWindow {
    Q_OBJECT
public:
    // Reads the file (a PDF by its content or name, anything else as text). Null when it cannot
    // be read, with the reason in the chosen language in *error.
    static DocumentViewer* open(const QString& path, QString* error = nullptr);

    const QString& path() const { return path_; }
    QPdfDocument* pdf() const { return pdf_; }             // null for a text
    QPdfView* pdfView() const { return pdfView_; }         // null for a text
    QPlainTextEdit* textView() const { return textView_; } // null for a PDF

    // Prints the pages fromPage … toPage (counted from 1; 0 for the first or the last) of the
    // PDF. False when the printer refused.
    bool printPdf(QPrinter& printer, int fromPage = 0, int toPage = 0);

private:
    explicit DocumentViewer(const QString& path);
    QString loadPdf();
    QString loadText();
    void buildPdfToolBar();
    void addCloseShortcut();
    void goToPage(int page);
    void zoomBy(qreal factor);
    void print();

    QString path_;
    QPdfDocument* pdf_ = nullptr;
    QPdfView* pdfView_ = nullptr;
    QPlainTextEdit* textView_ = nullptr;
    QSpinBox* pageBox_ = nullptr;
};

} // namespace ui
