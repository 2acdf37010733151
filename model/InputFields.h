#pragma once

#include "model/Inputs.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace model {

// The seven input fields, in window order (Text1 … Text7).
enum class Field { h0, v0, alphaDeg, d, rho, rho0, eta };

inline constexpr std::array<Field, 7> allFields{Field::h0,  Field::v0,   Field::alphaDeg, Field::d,
                                                Field::rho, Field::rho0, Field::eta};

// "Text1" … "Text7".
const char* fieldControlName(Field f);

// Picture pattern the field rewrites its text in: "0.000", "0.000", "0.00", "0.0000", "0.0",
// "0.0", "0.0000000".
std::string_view fieldPattern(Field f);

// The input a field edits.
double& inputOf(Inputs& in, Field f);
double inputOf(const Inputs& in, Field f);

// A value the field refuses: the message box to show (OK only, no icon, after the warning tone)
// and the value stored in its place.
struct Rejection {
    std::string message;
    std::string title;
    double replacement;

    friend bool operator==(const Rejection&, const Rejection&) = default;
};

// The first of the field's checks that refuses value, or nothing. A replacement that depends on
// the other density takes it from current.
std::optional<Rejection> checkInput(Field f, double value, const Inputs& current);

// Outcome of one edit of a field.
struct FieldSettlement {
    double value;                      // the input as finally stored
    std::string text;                  // the field's final text
    std::vector<Rejection> rejections; // message boxes in the order they appear
    int handlingRuns;                  // change handlings run, each ending with a recompute
};

// Runs the field's change handling for typedText as the window does: read the text, store it,
// check it (a refusal stores the replacement), rewrite the field in its pattern. Rewriting
// changes the text, which runs the handling again, nested, on the rewritten text, until a run
// leaves the text as it is. Updates in; the other inputs should satisfy the field invariants
// (they always do between edits), which guarantees the nesting ends after a few runs.
FieldSettlement settleField(Field f, std::string_view typedText, Inputs& in);

} // namespace model
