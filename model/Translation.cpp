#include "model/Translation.h"

#include <atomic>

namespace model {

namespace {
std::atomic<Translator> current{nullptr};
} // namespace

void setTranslator(Translator translator) {
    current.store(translator);
}

std::string translated(const char* russian) {
    return translated(MarkedText(russian));
}

std::string translated(const MarkedText& text) {
    const Translator translator = current.load();
    return translator && *text.russian ? translator(text.russian, text.disambiguation)
                                       : std::string(text.russian);
}

std::string translated(const char* russian, std::initializer_list<std::string_view> args) {
    const std::string pattern = translated(russian);
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto n = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && n < args.size()) {
            text += *(args.begin() + n);
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

} // namespace model
