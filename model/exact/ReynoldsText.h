#pragma once

#include "model/exact/Reynolds.h"

#include <string>
#include <vector>

namespace model::exact {

// The Reynolds number with three significant digits, as a teacher reads it: "12300", "45.6",
// "0.0123"; an em dash when there is none (the ball does not land).
std::string reynoldsNumberText(double re, char decimalSeparator = '.');

// What the regime means for the models: «закон Стокса (Fc~v) применим», the transitional
// regime and the ~v² drag (where τ and Vp1 no longer hold), and past the drag crisis (where the
// constant Cd overstates the drag). In the chosen language, as every text below.
std::string regimeText(FlowRegime regime);

// «Re = 12300 — сопротивление ~v²».
std::string reynoldsLine(double re, char decimalSeparator = '.');

// The lines a drag column's header adds to its tooltip: what Re is, then Re at the launch and
// at the landing of that model.
std::vector<std::string> reynoldsToolTipLines(double start, double end, char decimalSeparator);

} // namespace model::exact
