#pragma once

#include "model/Quantities.h"
#include "model/physics/Inputs.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace model {

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

// The refusal of a drag coefficient Cd that is not a positive finite number, or nothing; the
// replacement is the usual 0.5.
std::optional<Rejection> checkDragCoefficient(double cd);

// What the field accepts, in Russian, for a text that is refused while it is typed:
// "допустимо h > 0 м"; the density limits name the other density's current value.
std::string allowedRange(Field f, const Inputs& current);

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
