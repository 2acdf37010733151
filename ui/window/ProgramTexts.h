#pragma once

#include "model/ProgramTexts.h"

#include <QString>

namespace ui {

// The fixed texts of the help menu's boxes and of the authors window (model/ProgramTexts.h, which
// the page shares) as the window's strings. Lines are joined by CR LF.
struct ProgramTexts {
    static QString aboutTitle();        // "О ПРОГРАММЕ"
    static QString aboutText();         // eleven lines: what the program models, version history
    static QString registrationTitle(); // "РЕГИСТРАЦИЯ"
    static QString registrationText();  // six lines about the (missing) state registration
    static QString authorsText();       // six lines; the first five padded to authorsLineWidth

    static constexpr int authorsLineWidth = model::authorsLineWidth;
    static const QString lineBreak; // "\r\n"
};

} // namespace ui
