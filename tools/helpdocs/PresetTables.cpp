#include "PresetTables.h"

#include "HelpPdf.h"
#include "ui/tools/Presets.h"

#include <QCoreApplication>

namespace helpdocs {
namespace {

// A text of the tables in the document's language (the names and sources of the presets are
// translated with the program's menus).
QString translated(const QString& russian) {
    return QCoreApplication::translate("Texts", russian.toUtf8().constData());
}

const QString kTableStart =
    QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\" "
                   "style=\"border-collapse: collapse; border-color: #555555\">\n");

QString cell(const QString& text, bool centred = false) {
    return QStringLiteral("<td%1>%2</td>")
        .arg(centred ? QStringLiteral(" align=\"center\"") : QString(), text.toHtmlEscaped());
}

QString sourceCell(const ui::Preset& p) {
    return QStringLiteral("<td><small>%1</small></td>").arg(translated(p.source).toHtmlEscaped());
}

QString tablesHtml(const ui::Presets& presets) {
    QString html = kTableStart;
    html += QStringLiteral("<thead><tr><th width=\"30%\">%1</th><th width=\"16%\">ρ, %2</th>"
                           "<th>%3</th></tr></thead>\n")
                .arg(QCoreApplication::translate("Texts", "Материал шара"),
                     QCoreApplication::translate("Texts", "кг/м³"),
                     QCoreApplication::translate("Texts", "Источник"));
    for (const ui::Preset& p : presets.materials())
        html += QStringLiteral("<tr>") + cell(translated(p.name)) + cell(p.densityText(), true) +
                sourceCell(p) + QStringLiteral("</tr>\n");
    html += QStringLiteral("</table>\n") + kTableStart;
    html += QStringLiteral("<thead><tr><th width=\"30%\">%1</th>"
                           "<th width=\"14%\">ρ<sub>0</sub>, %2</th>"
                           "<th width=\"15%\">η, %3</th><th>%4</th></tr></thead>\n")
                .arg(QCoreApplication::translate("Texts", "Среда"),
                     QCoreApplication::translate("Texts", "кг/м³"),
                     QCoreApplication::translate("Texts", "Па·с"),
                     QCoreApplication::translate("Texts", "Источник"));
    for (const ui::Preset& p : presets.media())
        html += QStringLiteral("<tr>") + cell(translated(p.name)) + cell(p.densityText(), true) +
                cell(p.viscosityText(), true) + sourceCell(p) + QStringLiteral("</tr>\n");
    return html + QStringLiteral("</table>\n");
}

} // namespace

QString insertPresetTables(QString& html, const QString& presetsPath) {
    const QString mark = QString::fromUtf8(kPresetTablesMark);
    const qsizetype marks = html.count(mark);
    if (presetsPath.isEmpty())
        return marks == 0 ? QString()
                          : QStringLiteral("the source has a preset tables mark, but no presets "
                                           "file was given");
    if (marks != 1)
        return QStringLiteral("the source has %1 preset tables marks instead of one").arg(marks);

    QString text;
    if (QString err = HelpPdf::readUtf8(presetsPath, text); !err.isEmpty())
        return err;
    const ui::Presets presets = ui::Presets::parse(text);
    if (!presets.problems().isEmpty())
        return presetsPath + QStringLiteral(" ") +
               presets.problems().join(QStringLiteral("\n") + presetsPath + QStringLiteral(" "));
    if (presets.materials().empty() || presets.media().empty())
        return QStringLiteral("%1 lacks materials or media").arg(presetsPath);
    html.replace(mark, tablesHtml(presets));
    return {};
}

} // namespace helpdocs
