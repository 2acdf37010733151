#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace model {

// The program's texts are written in Russian. Another language is a function from a Russian
// text to its translation, installed by the window or the report tool from Qt's translation
// files; without one, every text stays exactly as written. The model's texts are marked where
// they are written so that Qt's lupdate finds them (model/TextMarks.h).
using Translator = std::string (*)(const char* russian, const char* disambiguation);

// A Russian text and, where the same words mean two things that another language says apart,
// the note that tells them apart (lupdate's disambiguation; QT_TRANSLATE_NOOP3 marks it).
struct MarkedText {
    constexpr MarkedText(const char* text, const char* meaning = nullptr)
        : russian(text), disambiguation(meaning) {}
    const char* russian;
    const char* disambiguation;
};

// Safe to call while other threads are writing texts; nullptr goes back to Russian.
void setTranslator(Translator translator);

// `russian` in the chosen language.
std::string translated(const char* russian);
std::string translated(const MarkedText& text);

// `russian` in the chosen language with %1 … %9 replaced by `args`, in one pass (an argument
// that itself holds "%1" stays as it is). A translation may put the arguments in another order.
std::string translated(const char* russian, std::initializer_list<std::string_view> args);

} // namespace model
