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
    const Translator translator = current.load();
    return translator ? translator(russian) : std::string(russian);
}

} // namespace model
