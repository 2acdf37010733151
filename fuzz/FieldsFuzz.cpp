// libFuzzer target: the text-to-number rule and the change handling of the seven input fields.
//
// The input is a script of edits, one per line. The first byte of a line picks the field
// (byte % 7) and the kind of edit (byte / 7 % 4): paste the rest of the line over the whole
// text, type it at the end one keystroke at a time (each keystroke is one change), clear the
// field, or paste it in at a position given by the second byte. After every change the field
// invariants must hold and every field must show the number its input holds.
#include "model/InputFields.h"
#include "model/NumberFormat.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void fail(const char* what, model::Field f, const std::string& text) {
    std::fprintf(stderr, "field invariant broken: %s (%s, text \"%s\")\n", what, model::row(f).key,
                 text.c_str());
    std::abort();
}

void checkReadNumber(std::string_view text) {
    const double v = model::readNumber(text);
    if (!std::isfinite(v)) {
        std::fprintf(stderr, "readNumber gave a non-finite value\n");
        std::abort();
    }
}

bool invariantsHold(const model::Inputs& in) {
    return in.h0 > 0 && in.v0 > 0 && in.alphaDeg > -90 && in.alphaDeg < 90 && in.d > 0 &&
           in.rho > in.rho0 && in.rho0 > 0 && in.eta > 0 && std::isfinite(in.h0) &&
           std::isfinite(in.v0) && std::isfinite(in.d) && std::isfinite(in.rho) &&
           std::isfinite(in.eta);
}

struct Window {
    model::Inputs in;
    std::array<std::string, 7> texts;

    Window() {
        for (const model::Field f : model::allFields)
            texts[static_cast<std::size_t>(f)] =
                model::formatFixed(model::inputOf(in, f), model::row(f).pattern);
    }

    void change(model::Field f, const std::string& newText) {
        checkReadNumber(newText);
        const auto s = model::settleField(f, newText, in);
        texts[static_cast<std::size_t>(f)] = s.text;
        // Four runs at most for inputs that keep the invariants (a replacement re-checked on
        // the rewritten text, which may fire the cross-check of the other density).
        if (s.handlingRuns < 1 || s.handlingRuns > 4)
            fail("number of handling runs", f, newText);
        if (s.rejections.size() > static_cast<std::size_t>(s.handlingRuns))
            fail("more messages than runs", f, newText);
        if (!invariantsHold(in))
            fail("inputs out of their limits", f, newText);
        for (const model::Field g : model::allFields) {
            const std::string& t = texts[static_cast<std::size_t>(g)];
            const double v = model::inputOf(in, g);
            if (model::readNumber(t) != v)
                fail("input differs from its field text", g, t);
            if (model::formatFixed(v, model::row(g).pattern) != t)
                fail("field text not in its pattern", g, t);
        }
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    checkReadNumber(all);

    Window w;
    std::size_t pos = 0;
    int edits = 0;
    while (pos < all.size() && edits < 64) {
        std::size_t end = all.find('\n', pos);
        if (end == std::string_view::npos)
            end = all.size();
        const std::string_view line = all.substr(pos, end - pos);
        pos = end + 1;
        if (line.empty())
            continue;
        ++edits;
        const auto head = static_cast<unsigned char>(line[0]);
        const auto f = model::allFields[head % 7];
        std::string_view payload = line.substr(1);
        std::string& text = w.texts[static_cast<std::size_t>(f)];
        switch (head / 7 % 4) {
        case 0:
            w.change(f, std::string(payload));
            break;
        case 1:
            for (std::size_t i = 0; i < payload.size() && i < 32; ++i)
                w.change(f, text + payload[i]);
            break;
        case 2:
            w.change(f, std::string());
            break;
        default: {
            std::size_t at = 0;
            if (!payload.empty()) {
                at = static_cast<unsigned char>(payload[0]) % (text.size() + 1);
                payload.remove_prefix(1);
            }
            std::string edited = text;
            edited.insert(at, payload);
            w.change(f, edited);
            break;
        }
        }
    }
    return 0;
}
