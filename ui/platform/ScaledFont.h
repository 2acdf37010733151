#pragma once

#include <QFont>
#include <QtMath>

namespace ui {

// The font enlarged by the factor, whether its size is given in points or in pixels.
inline QFont scaledFont(QFont font, double factor) {
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else if (font.pixelSize() > 0)
        font.setPixelSize(qRound(font.pixelSize() * factor));
    return font;
}

} // namespace ui
