#include "ui/tools/DocumentViewer.h"

#include <QAction>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfPageNavigator>
#include <QPdfView>
#include <QPdfWriter>
#include <QPrinter>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

#include <memory>

namespace {

void writePdf(const QString& path, int pages) {
    QPdfWriter writer(path);
    QPainter painter(&writer);
    for (int page = 1; page <= pages; ++page) {
        if (page > 1)
            writer.newPage();
        painter.drawText(100, 100, QStringLiteral("Страница %1").arg(page));
    }
}

int pagesOf(const QString& path) {
    QPdfDocument pdf;
    return pdf.load(path) == QPdfDocument::Error::None ? pdf.pageCount() : -1;
}

QAction* tool(const ui::DocumentViewer& viewer, const QString& text) {
    for (QAction* a : viewer.findChild<QToolBar*>()->actions())
        if (a->text() == text)
            return a;
    ADD_FAILURE() << "no tool " << text.toStdString();
    return nullptr;
}

} // namespace

TEST(DocumentViewer, PagesZoomAndPrintingOfAPdf) {
    QTemporaryDir dir;
    const QString source = dir.filePath("spravka.pdf");
    writePdf(source, 3);
    std::unique_ptr<ui::DocumentViewer> viewer(ui::DocumentViewer::open(source));
    ASSERT_TRUE(viewer);
    viewer->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(viewer.get()));

    auto* page = viewer->findChild<QSpinBox*>("PageNumber");
    QPdfPageNavigator* navigator = viewer->pdfView()->pageNavigator();
    ASSERT_TRUE(page);
    EXPECT_EQ(page->maximum(), 3);
    page->setValue(3);
    EXPECT_EQ(navigator->currentPage(), 2);
    tool(*viewer, "Следующая")->trigger(); // past the last page: stays
    EXPECT_EQ(navigator->currentPage(), 2);
    tool(*viewer, "Предыдущая")->trigger();
    EXPECT_EQ(navigator->currentPage(), 1);
    EXPECT_EQ(page->value(), 2);
    viewer->pdfView()->verticalScrollBar()->setValue(0); // scrolling moves the page number
    EXPECT_EQ(page->value(), 1);

    tool(*viewer, "Увеличить")->trigger();
    EXPECT_EQ(viewer->pdfView()->zoomMode(), QPdfView::ZoomMode::Custom);
    EXPECT_DOUBLE_EQ(viewer->pdfView()->zoomFactor(), 1.25);
    tool(*viewer, "По ширине")->trigger();
    EXPECT_EQ(viewer->pdfView()->zoomMode(), QPdfView::ZoomMode::FitToWidth);

    // Printed to a PDF file: every page, or the chosen ones.
    for (auto [from, to, pages] : {std::tuple{0, 0, 3}, {2, 3, 2}, {3, 0, 1}}) {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("printed.pdf"));
        ASSERT_TRUE(viewer->printPdf(printer, from, to));
        EXPECT_EQ(pagesOf(printer.outputFileName()), pages) << from << "-" << to;
    }
}
