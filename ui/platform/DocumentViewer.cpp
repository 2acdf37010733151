#include "ui/platform/DocumentViewer.h"

#include "ui/platform/Language.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfPageNavigator>
#include <QPdfView>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QSpinBox>
#include <QStringDecoder>
#include <QTextDocument>
#include <QToolBar>

#include <algorithm>

namespace ui {

namespace {

constexpr qreal zoomStep = 1.25;
constexpr qreal minZoom = 0.25;
constexpr qreal maxZoom = 6.0;
constexpr int printDpi = 300;             // sharp on paper, a few megabytes a page
constexpr qint64 maxTextBytes = 16 << 20; // far beyond any instruction, short of a freeze
constexpr int minTextPointSize = 11;
constexpr int textMargin = 8;

QString pdfErrorReason(QPdfDocument::Error error) {
    switch (error) {
    case QPdfDocument::Error::FileNotFound:
        return Texts::tr("файл не найден");
    case QPdfDocument::Error::InvalidFileFormat:
        return Texts::tr("файл повреждён или это не PDF");
    case QPdfDocument::Error::IncorrectPassword:
    case QPdfDocument::Error::UnsupportedSecurityScheme:
        return Texts::tr("документ защищён паролем");
    default:
        return Texts::tr("неизвестная ошибка");
    }
}

} // namespace

DocumentViewer* DocumentViewer::open(const QString& path, QString* error) {
    auto* viewer = new DocumentViewer(path);
    const bool isPdf =
        QMimeDatabase().mimeTypeForFile(path).inherits(QStringLiteral("application/pdf"));
    const QString reason = isPdf ? viewer->loadPdf() : viewer->loadText();
    if (reason.isEmpty())
        return viewer;
    delete viewer;
    if (error)
        *error = Texts::tr("Не удалось открыть документ %1: %2.")
                     .arg(QFileInfo(path).fileName(), reason);
    return nullptr;
}

DocumentViewer::DocumentViewer(const QString& path) : path_(path) {
    setObjectName(QStringLiteral("DocumentViewer"));
    setWindowTitle(QFileInfo(path).fileName());
    setWindowIcon(QIcon(QStringLiteral(":/images/app_icon.svg")));
    addCloseShortcut();
}

QString DocumentViewer::loadPdf() {
    pdf_ = new QPdfDocument(this);
    const QPdfDocument::Error error = pdf_->load(path_);
    if (error != QPdfDocument::Error::None)
        return pdfErrorReason(error);
    if (pdf_->pageCount() < 1)
        return Texts::tr("в документе нет страниц");

    pdfView_ = new QPdfView(this);
    pdfView_->setObjectName(QStringLiteral("PdfView"));
    pdfView_->setAccessibleName(windowTitle());
    pdfView_->setDocument(pdf_);
    pdfView_->setPageMode(QPdfView::PageMode::MultiPage);
    pdfView_->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    setCentralWidget(pdfView_);
    buildPdfToolBar();

    // An A4 page at a comfortable reading width, within the screen.
    const QRect screen = this->screen()->availableGeometry();
    resize(std::min(900, screen.width() * 9 / 10), screen.height() * 9 / 10);
    return {};
}

QString DocumentViewer::loadText() {
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return Texts::tr("файл не читается");
    if (file.size() > maxTextBytes)
        return Texts::tr("файл слишком велик");
    QStringDecoder utf8(QStringDecoder::Utf8); // skips a byte-order mark
    const QString text = utf8(file.readAll());

    textView_ = new QPlainTextEdit(this);
    textView_->setObjectName(QStringLiteral("TextView"));
    textView_->setAccessibleName(windowTitle());
    textView_->setReadOnly(true);
    textView_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // A fixed-width font keeps the columns the text lines up with spaces.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(std::max(font.pointSize(), minTextPointSize));
    textView_->setFont(font);
    textView_->document()->setDocumentMargin(textMargin);
    textView_->setPlainText(text);
    setCentralWidget(textView_);

    // Eighty columns and about forty lines, within the screen.
    const QFontMetrics metrics(font);
    const QRect screen = this->screen()->availableGeometry();
    resize(std::min(metrics.horizontalAdvance(QLatin1Char('M')) * 84 + 40, screen.width() * 9 / 10),
           std::min(metrics.lineSpacing() * 40, screen.height() * 9 / 10));
    return {};
}

void DocumentViewer::addCloseShortcut() {
    auto* close = new QAction(this);
    keepTranslated(close, [close] { close->setText(Texts::tr("Закрыть")); });
    close->setShortcuts({QKeySequence::Close, QKeySequence(Qt::Key_Escape)});
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
}

void DocumentViewer::buildPdfToolBar() {
    QToolBar* bar = addToolBar(QString());
    keepTranslated(bar, [bar] { bar->setWindowTitle(Texts::tr("Документ")); });
    bar->setObjectName(QStringLiteral("DocumentToolBar"));
    bar->setMovable(false);
    auto action = [this, bar](const char* russian, QKeySequence key, auto slot) {
        QAction* a = bar->addAction(QString());
        a->setShortcut(key);
        keepTranslated(a, [a, russian, key] {
            const QString text = Texts::tr(russian);
            a->setText(text);
            a->setToolTip(key.isEmpty() ? text
                                        : QStringLiteral("%1 (%2)").arg(
                                              text, key.toString(QKeySequence::NativeText)));
        });
        connect(a, &QAction::triggered, this, slot);
        return a;
    };

    QPdfPageNavigator* navigator = pdfView_->pageNavigator();
    action(QT_TRANSLATE_NOOP("Texts", "Предыдущая"), QKeySequence(Qt::CTRL | Qt::Key_PageUp),
           [this, navigator] { goToPage(navigator->currentPage() - 1); });
    pageBox_ = new QSpinBox(bar);
    pageBox_->setObjectName(QStringLiteral("PageNumber"));
    keepTranslated(pageBox_, [box = pageBox_] {
        box->setAccessibleName(Texts::tr("Страница"));
        box->setPrefix(Texts::tr("Страница "));
    });
    pageBox_->setRange(1, pdf_->pageCount());
    pageBox_->setKeyboardTracking(false);
    bar->addWidget(pageBox_);
    auto* count = new QLabel(bar);
    keepTranslated(count, [count, pages = pdf_->pageCount()] {
        count->setText(Texts::tr(" из %1 ").arg(pages));
    });
    bar->addWidget(count);
    action(QT_TRANSLATE_NOOP("Texts", "Следующая"), QKeySequence(Qt::CTRL | Qt::Key_PageDown),
           [this, navigator] { goToPage(navigator->currentPage() + 1); });
    bar->addSeparator();
    action(QT_TRANSLATE_NOOP("Texts", "Уменьшить"), QKeySequence::ZoomOut,
           [this] { zoomBy(1 / zoomStep); });
    action(QT_TRANSLATE_NOOP("Texts", "Увеличить"), QKeySequence::ZoomIn,
           [this] { zoomBy(zoomStep); });
    action(QT_TRANSLATE_NOOP("Texts", "По ширине"), QKeySequence(Qt::CTRL | Qt::Key_0),
           [this] { pdfView_->setZoomMode(QPdfView::ZoomMode::FitToWidth); });
    action(QT_TRANSLATE_NOOP("Texts", "Страница целиком"), QKeySequence(),
           [this] { pdfView_->setZoomMode(QPdfView::ZoomMode::FitInView); });
    bar->addSeparator();
    action(QT_TRANSLATE_NOOP("Texts", "Печать…"), QKeySequence::Print, [this] { print(); });

    connect(pageBox_, &QSpinBox::valueChanged, this, [this](int page) { goToPage(page - 1); });
    // Scrolling moves the current page; the box follows without jumping back.
    connect(navigator, &QPdfPageNavigator::currentPageChanged, this, [this](int page) {
        const QSignalBlocker quiet(pageBox_);
        pageBox_->setValue(page + 1);
    });
}

void DocumentViewer::goToPage(int page) {
    if (page < 0 || page >= pdf_->pageCount())
        return;
    QPdfPageNavigator* navigator = pdfView_->pageNavigator();
    navigator->jump(page, QPointF(), navigator->currentZoom());
}

void DocumentViewer::zoomBy(qreal factor) {
    const qreal zoom = std::clamp(pdfView_->zoomFactor() * factor, minZoom, maxZoom);
    pdfView_->setZoomMode(QPdfView::ZoomMode::Custom);
    pdfView_->setZoomFactor(zoom);
}

void DocumentViewer::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(Texts::tr("Печать документа %1").arg(windowTitle()));
    dialog.setMinMax(1, pdf_->pageCount());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage);
    if (dialog.exec() != QDialog::Accepted)
        return;
    int from = printer.fromPage(), to = printer.toPage();
    if (printer.printRange() == QPrinter::CurrentPage)
        from = to = pdfView_->pageNavigator()->currentPage() + 1;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool printed = printPdf(printer, from, to);
    QApplication::restoreOverrideCursor();
    if (!printed)
        QMessageBox::warning(this, Texts::tr("Печать"),
                             Texts::tr("Не удалось напечатать документ %1.").arg(windowTitle()));
}

bool DocumentViewer::printPdf(QPrinter& printer, int fromPage, int toPage) {
    const int count = pdf_->pageCount();
    const int first = std::clamp(fromPage > 0 ? fromPage : 1, 1, count);
    const int last = std::clamp(toPage > 0 ? toPage : count, first, count);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int page = first; page <= last; ++page) {
        if (page > first && !printer.newPage())
            return false;
        // The page fills the printable area with its proportions kept; it is rendered at no
        // more than printDpi and scaled by the printer.
        const QRect area = painter.viewport();
        const QSizeF points = pdf_->pagePointSize(page - 1);
        const QSize target = points.scaled(area.size(), Qt::KeepAspectRatio).toSize();
        const QSize rendered =
            target.boundedTo((points * printDpi / 72.0).toSize()).expandedTo(QSize(1, 1));
        const QImage image = pdf_->render(page - 1, rendered);
        QRect place(QPoint(), target);
        place.moveCenter(area.center());
        painter.drawImage(place, image);
    }
    return painter.end();
}

} // namespace ui
