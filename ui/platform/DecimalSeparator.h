#pragma once

#include <QLocale>
#include <QString>

namespace ui {

// The decimal separator of the user's regional settings, for the texts the window writes with
// it (scientific labels, tick labels); '.' where it is not a single ASCII character.
inline char systemDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 128 ? char(point[0].unicode()) : '.';
}

} // namespace ui
