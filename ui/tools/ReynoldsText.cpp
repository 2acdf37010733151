#include "ui/tools/ReynoldsText.h"

#include "ui/platform/Language.h"

#include <cmath>

namespace ui {

QString reynoldsNumberText(double re, QChar decimalSeparator) {
    if (!std::isfinite(re))
        return QStringLiteral("—");
    QString text;
    if (re >= 1000 && re < 1e15) {
        // Whole numbers keep three significant digits without an exponent: 12345 → 12300.
        const double unit = std::pow(10.0, std::floor(std::log10(re)) - 2);
        text = QString::number(std::round(re / unit) * unit, 'f', 0);
    } else {
        text = QString::number(re, 'g', 3);
    }
    return text.replace(QLatin1Char('.'), decimalSeparator);
}

QString regimeText(model::exact::FlowRegime regime) {
    switch (regime) {
    case model::exact::FlowRegime::stokes:
        return Texts::tr("закон Стокса (Fc~v) применим");
    case model::exact::FlowRegime::transitional:
        return Texts::tr("переходная область: τ и Vp1 верны лишь при Re ≲ 1");
    case model::exact::FlowRegime::quadratic:
        return Texts::tr("сопротивление ~v²; τ и Vp1 верны лишь при Re ≲ 1");
    case model::exact::FlowRegime::pastDragCrisis:
        return Texts::tr("за кризисом сопротивления: постоянный Cd = 0,5 завышает "
                         "сопротивление в разы");
    }
    return {};
}

QString reynoldsLine(double re, QChar decimalSeparator) {
    QString line = QStringLiteral("Re = ") + reynoldsNumberText(re, decimalSeparator);
    if (std::isfinite(re))
        line += QStringLiteral(" — ") + regimeText(model::exact::flowRegime(re));
    return line;
}

QStringList reynoldsToolTipLines(double start, double end, QChar decimalSeparator) {
    return {Texts::tr("Число Рейнольдса Re = ρo·v·d/η:"),
            Texts::tr("при броске: %1").arg(reynoldsLine(start, decimalSeparator)),
            Texts::tr("при падении: %1").arg(reynoldsLine(end, decimalSeparator))};
}

} // namespace ui
