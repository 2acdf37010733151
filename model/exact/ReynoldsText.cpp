#include "model/exact/ReynoldsText.h"

#include "model/TextMarks.h"
#include "model/Translation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace model::exact {

std::string reynoldsNumberText(double re, char decimalSeparator) {
    if (!std::isfinite(re))
        return "—";
    char text[64];
    if (re >= 1000 && re < 1e15) {
        // Whole numbers keep three significant digits without an exponent: 12345 → 12300.
        const double unit = std::pow(10.0, std::floor(std::log10(re)) - 2);
        std::snprintf(text, sizeof text, "%.0f", std::round(re / unit) * unit);
    } else {
        std::snprintf(text, sizeof text, "%.3g", re);
    }
    std::string s = text;
    std::replace(s.begin(), s.end(), '.', decimalSeparator);
    return s;
}

std::string regimeText(FlowRegime regime) {
    switch (regime) {
    case FlowRegime::stokes:
        return translated(QT_TRANSLATE_NOOP("Texts", "закон Стокса (Fc~v) применим"));
    case FlowRegime::transitional:
        return translated(
            QT_TRANSLATE_NOOP("Texts", "переходная область: τ и Vp1 верны лишь при Re ≲ 1"));
    case FlowRegime::quadratic:
        return translated(
            QT_TRANSLATE_NOOP("Texts", "сопротивление ~v²; τ и Vp1 верны лишь при Re ≲ 1"));
    case FlowRegime::pastDragCrisis:
        return translated(QT_TRANSLATE_NOOP("Texts",
                                            "за кризисом сопротивления: постоянный Cd = 0,5 "
                                            "завышает сопротивление в разы"));
    }
    return {};
}

std::string reynoldsLine(double re, char decimalSeparator) {
    std::string line = "Re = " + reynoldsNumberText(re, decimalSeparator);
    if (std::isfinite(re))
        line += " — " + regimeText(flowRegime(re));
    return line;
}

std::vector<std::string> reynoldsToolTipLines(double start, double end, char decimalSeparator) {
    return {translated(QT_TRANSLATE_NOOP("Texts", "Число Рейнольдса Re = ρo·v·d/η:")),
            translated(QT_TRANSLATE_NOOP("Texts", "при броске: %1"),
                       {reynoldsLine(start, decimalSeparator)}),
            translated(QT_TRANSLATE_NOOP("Texts", "при падении: %1"),
                       {reynoldsLine(end, decimalSeparator)})};
}

} // namespace model::exact
