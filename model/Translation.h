#pragma once

#include <string>

namespace model {

// The program's texts are written in Russian. Another language is a function from a Russian
// text to its translation, installed by the window or the report tool from Qt's translation
// files; without one, every text stays exactly as written. The model's texts are marked where
// they are written so that Qt's lupdate finds them (model/TextMarks.h).
using Translator = std::string (*)(const char* russian);

// Safe to call while other threads are writing texts; nullptr goes back to Russian.
void setTranslator(Translator translator);

// `russian` in the chosen language.
std::string translated(const char* russian);

} // namespace model
