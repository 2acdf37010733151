#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace model {

// The model's one way to write and read a double as text, with "." in any locale and the same
// bytes in the desktop and the browser build (both go through {fmt} and fast_float, never the
// C library's printf or the standard library's to_chars, which a browser build lacks).

// As printf's "%.{digits}g": " 0.125", "1.5e-07", "1e+20".
std::string generalText(double value, int digits);

// As printf's "%.{decimals}e": "2.6140000000000e+02".
std::string scientificText(double value, int decimals);

// The shortest text that reads back as the same double, in the fixed or the exponent form,
// whichever is shorter (fixed on a tie): "0.05", "1200", "1e+22", "1.5e-07", "inf", "nan".
std::string shortestText(double value);

// A decimal number in the C form (optional "-", digits, ".", exponent; also "inf" and "nan"), the
// whole of text. Nothing when the text is not such a number; outOfRange when it is one whose
// magnitude the double cannot hold (it would read as infinity, or as 0 though a digit is not 0).
struct ReadDouble {
    std::optional<double> value;
    bool outOfRange = false;
};
ReadDouble readDouble(std::string_view text);

} // namespace model
