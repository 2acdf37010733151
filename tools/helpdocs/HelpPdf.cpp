#include "HelpPdf.h"

#include "PageCuts.h"
#include "PresetTables.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

namespace helpdocs {

namespace {

constexpr int kResolution = 300; // dots per inch of the PDF's device space
constexpr double kFooterMm = 10.0;
// Room kept free at the foot of each page for a line that the layout leaves across the page's
// edge and that therefore moves whole to the next page.
constexpr double kSpareMm = 8.0;

QString readAll(const QString& path, QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read %1").arg(path);
    bytes = file.readAll();
    return {};
}

bool isUtf8(const QByteArray& bytes, QString& text) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    text = decoder.decode(bytes);
    return !decoder.hasError();
}

// The first picture of the document that cannot be read, or an empty string. Without this check
// a misspelt or missing file would leave an empty box in the PDF.
QString missingImage(QTextDocument& doc) {
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QString name = format.toImageFormat().name();
            const QVariant data = doc.resource(QTextDocument::ImageResource, QUrl(name));
            QImage image;
            if (data.typeId() == QMetaType::QPixmap)
                image = data.value<QPixmap>().toImage();
            else if (data.typeId() == QMetaType::QImage)
                image = data.value<QImage>();
            else if (data.typeId() == QMetaType::QByteArray)
                image.loadFromData(data.toByteArray());
            if (image.isNull())
                return name;
        }
    return {};
}

// Qt may break a line after a slash, a dash or a hyphen; in "ρ0/ρ", "м/с", "1564–1642" or
// "--v0" that splits one formula, unit, range or command-line option. A word joiner after each
// slash, after a dash before a digit and after a hyphen before a hyphen or a Latin letter, in
// the text of the body (not in tags), forbids that; it is invisible and does not enter the
// PDF's text layer.
QString joinFormulas(const QString& html) {
    const QChar joiner(0x2060);
    const qsizetype body = html.indexOf(QLatin1String("<body"), 0, Qt::CaseInsensitive);
    QString out;
    out.reserve(html.size() + html.size() / 16);
    bool inTag = false;
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QChar ch = html.at(i);
        out += ch;
        if (ch == QLatin1Char('<'))
            inTag = true;
        else if (ch == QLatin1Char('>'))
            inTag = false;
        if (inTag || body < 0 || i < body || i + 1 == html.size())
            continue;
        const QChar next = html.at(i + 1);
        const bool latin = next.unicode() < 128 && next.isLetter();
        if ((ch == QLatin1Char('/') && !next.isSpace()) ||
            (ch == QChar(0x2013) && next.isDigit()) ||
            (ch == QLatin1Char('-') && (next == QLatin1Char('-') || latin)))
            out += joiner;
    }
    return out;
}

} // namespace

QString HelpPdf::readUtf8(const QString& path, QString& text) {
    QByteArray bytes;
    if (QString err = readAll(path, bytes); !err.isEmpty())
        return err;
    if (!isUtf8(bytes, text))
        return QStringLiteral("%1 is not valid UTF-8").arg(path);
    return {};
}

QString HelpPdf::convert(const QString& sourcePath, const QString& pdfPath,
                         const QString& presetsPath) {
    QString source;
    if (QString err = readUtf8(sourcePath, source); !err.isEmpty())
        return err;
    if (QString err = insertPresetTables(source, presetsPath); !err.isEmpty())
        return QStringLiteral("%1: %2").arg(sourcePath, err);

    QPdfWriter writer(pdfPath);
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(20, 15, 18, 10), QPageLayout::Millimeter));
    writer.setCreator(QStringLiteral("ballflight helpdocs"));

    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&writer);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(12);
    doc.setDefaultFont(font);
    doc.setDefaultStyleSheet(QStringLiteral("h1 { font-size: 20pt; color: #1f3a68; }"
                                            "h2 { font-size: 15pt; color: #1f3a68; }"
                                            "h3 { font-size: 13pt; color: #1f3a68; }"
                                            "th { background-color: #dde6f2; }"
                                            "p.formula { margin-left: 90px; }"
                                            "pre { font-size: 10pt; margin-left: 30px; }"
                                            "table { margin-top: 12px; margin-bottom: 12px; }"));
    // Pictures are named relative to the source, as a browser would find them.
    doc.setBaseUrl(QUrl::fromLocalFile(QFileInfo(sourcePath).absolutePath() + QLatin1Char('/')));
    if (sourcePath.endsWith(QLatin1String(".md"), Qt::CaseInsensitive))
        doc.setMarkdown(source);
    else
        doc.setHtml(joinFormulas(source));
    if (const QString image = missingImage(doc); !image.isEmpty())
        return QStringLiteral("%1: cannot read the picture %2").arg(sourcePath, image);
    writer.setTitle(doc.metaInformation(QTextDocument::DocumentTitle));

    const QRectF paint = writer.pageLayout().paintRectPixels(kResolution);
    const double footer = kFooterMm / 25.4 * kResolution;
    const QSizeF body(paint.width(), paint.height() - footer);
    const double spare = kSpareMm / 25.4 * kResolution;
    doc.setPageSize(QSizeF(body.width(), body.height() - spare));
    const std::vector<double> cuts = pageCuts(doc, spare);

    QPainter painter;
    if (!painter.begin(&writer))
        return QStringLiteral("cannot write %1").arg(pdfPath);
    QFont footFont = font;
    footFont.setPointSizeF(10);
    const int pages = static_cast<int>(cuts.size()) - 1;
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        const double top = cuts[page], bottom = cuts[page + 1];
        const LinesAboveHidden hidden(doc, top);
        painter.save();
        painter.translate(0, -top);
        // Half a pixel inside the cuts: a line that ends at a cut is painted on its own page only.
        doc.drawContents(&painter, QRectF(0, top + 0.5, body.width(), bottom - top - 1));
        painter.restore();
        painter.setFont(footFont);
        painter.setPen(Qt::darkGray);
        painter.drawText(
            QRectF(0, body.height(), body.width(), footer), Qt::AlignCenter,
            QCoreApplication::translate("Texts", "— %1 из %2 —").arg(page + 1).arg(pages));
    }
    if (!painter.end())
        return QStringLiteral("cannot finish %1").arg(pdfPath);
    return {};
}

QString HelpPdf::copyText(const QString& sourcePath, const QString& targetPath) {
    QByteArray bytes;
    if (QString err = readAll(sourcePath, bytes); !err.isEmpty())
        return err;
    QString text;
    if (!isUtf8(bytes, text))
        return QStringLiteral("%1 is not valid UTF-8").arg(sourcePath);
    QFile out(targetPath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size())
        return QStringLiteral("cannot write %1").arg(targetPath);
    return {};
}

} // namespace helpdocs
