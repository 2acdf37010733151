#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

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

// `russian` in the chosen language with %1 … %9 replaced by `args`, in one pass (an argument
// that itself holds "%1" stays as it is). A translation may put the arguments in another order.
std::string translated(const char* russian, std::initializer_list<std::string_view> args);

} // namespace model
