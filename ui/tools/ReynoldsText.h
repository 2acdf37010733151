#pragma once

#include "model/exact/Reynolds.h"

#include <QString>
#include <QStringList>

namespace ui {

// The Reynolds number with three significant digits, as a teacher reads it: "12300", "45.6",
// "0.0123"; an em dash when there is none (the ball does not land).
QString reynoldsNumberText(double re, QChar decimalSeparator);

// What the regime means for the models: «закон Стокса (Fc~v) применим», the transitional
// regime and the ~v² drag (where τ and Vp1 no longer hold), and past the drag crisis (where the
// constant Cd overstates the drag).
QString regimeText(model::exact::FlowRegime regime);

// «Re = 12300 — сопротивление ~v²».
QString reynoldsLine(double re, QChar decimalSeparator);

// The lines a drag column's header adds to its tooltip: what Re is, then Re at the launch and
// at the landing of that model.
QStringList reynoldsToolTipLines(double start, double end, QChar decimalSeparator);

} // namespace ui
