#pragma once

#include <string>

namespace model {

// The fixed texts of the help menu's boxes and of the authors window, in the chosen language
// (model/Translation.h). Lines are joined by CR LF, as the boxes have always shown them. The
// window and the page both take them from here.
std::string aboutTitle();        // "О ПРОГРАММЕ"
std::string aboutText();         // eleven lines: what the program models, version history
std::string registrationTitle(); // "РЕГИСТРАЦИЯ"
std::string registrationText();  // six lines about the (missing) state registration
std::string authorsTitle();      // "Авторы"
std::string authorsText();       // six lines; the first five padded to authorsLineWidth

// Characters (not bytes) the authors' lines are padded to with spaces.
inline constexpr int authorsLineWidth = 36;
inline constexpr const char* programLineBreak = "\r\n";

} // namespace model
