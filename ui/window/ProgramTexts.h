#pragma once

#include <QString>

namespace ui {

// The fixed texts of the help menu's boxes and of the authors window. Lines are joined by
// CR LF, as the boxes have always shown them.
struct ProgramTexts {
    static QString aboutTitle();        // "О ПРОГРАММЕ"
    static QString aboutText();         // eleven lines: what the program models, version history
    static QString registrationTitle(); // "РЕГИСТРАЦИЯ"
    static QString registrationText();  // six lines about the (missing) state registration
    static QString authorsText();       // six lines; the first five padded to authorsLineWidth

    static constexpr int authorsLineWidth = 36;
    static const QString lineBreak; // "\r\n"
};

} // namespace ui
