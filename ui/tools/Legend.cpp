#include "ui/tools/Legend.h"

#include "graphs/PaneSurface.h"
#include "model/curves/Legend.h"
#include "ui/platform/Language.h"
#include "ui/tools/KeptThrowDrawing.h"

#include <QStringList>

namespace ui {

std::vector<graphs::KeyEntry> modelKey() {
    const QColor colours[] = {graphs::vacuumColour, graphs::linearDragColour,
                              graphs::quadraticDragColour};
    std::vector<graphs::KeyEntry> key;
    for (const model::ColumnRow& c : model::columnRows()) {
        if (c.model == model::ModelKind::common)
            continue;
        const QString header = modelText(c.text); // "__ в вакууме"
        graphs::KeyEntry e;
        e.colour = colours[key.size()];
        e.pieces << header.mid(header.indexOf(QLatin1Char(' ')) + 1);
        e.textColour = e.colour;
        key.push_back(e);
    }
    return key;
}

std::vector<graphs::KeyEntry> throwsKey(const std::vector<const model::KeptThrow*>& kept,
                                        const model::Inputs& current) {
    std::vector<graphs::KeyEntry> key;
    for (const model::LegendEntry& l : model::comparisonLegend(kept, current)) {
        graphs::KeyEntry e;
        e.colour = l.number == 0 ? graphs::quadraticDragColour : keptShade(2);
        if (l.number != 0)
            e.dashes = keptDashes(l.number);
        e.label =
            l.number == 0 ? Texts::tr("сейчас:") : QString::number(l.number) + QLatin1Char(':');
        for (const std::string& p : l.pieces)
            e.pieces << QString::fromStdString(p);
        if (e.pieces.isEmpty() && l.number != 0)
            e.pieces << Texts::tr("как сейчас");
        key.push_back(e);
    }
    return key;
}

} // namespace ui
