#pragma once

#include <string>
#include <string_view>

namespace model {

// Number-to-text rules. Half-way cases round away from zero, decided on the decimal value a
// person reads (the double's 15-significant-digit form), so 2.0005 with "0.000" gives "2.001".

// Writes value with a picture pattern such as "0.000", "#0.00" or "0.0000000" using
// decimalSeparator, no digit grouping.
std::string formatPattern(double value, std::string_view pattern, char decimalSeparator = '.');

// The pattern rule of result labels and fields: always "." as the decimal point.
std::string formatFixed(double value, std::string_view pattern);

// "#0.000", then the shortest general form: " 2.5", " .125", "-1.25", " 0".
std::string formatShort(double value);

// "0.000E+00" with the regional decimal separator: "2.614E+02", "1,234E-04".
std::string formatScientific(double value, char decimalSeparator = '.');

// How a result label writes its number.
enum class NumberRule {
    point3,     // formatFixed with "0.000"
    shortForm,  // formatShort
    scientific, // formatScientific with the regional separator
};

std::string formatByRule(double value, NumberRule rule, char decimalSeparator = '.');

// A result label: prefix, the number by its rule, unit («Tmax1= 0.560 c»). A value that is not
// finite is never shown as a number: the label then reads the prefix and an em dash («m= —»).
std::string resultText(std::string_view prefix, double value, NumberRule rule,
                       std::string_view unit, char decimalSeparator = '.');

// Shortest general form without prior rounding (" .5", " 7800"), as used for the start texts.
std::string formatGeneral(double value);

// Text-to-number rule of the input fields: blanks skipped anywhere, optional sign, digits,
// optional "." and digits, optional exponent (E or D, either case); stops at the first
// character that does not fit; empty or non-numeric text reads as 0. A "," between digits is
// the decimal point ("2,5" is 2.5); a second one does not fit ("1,2,3" reads as 1.2). A magnitude
// beyond the double range reads as the largest finite double of that sign, never as infinity.
double readNumber(std::string_view text);

// True when the whole text (blanks aside) is one number of that grammar, its exponent complete:
// "0.05", " -3", "1e-3", "5." and ".5" are; "", "-", ".", "1e", "1e-" and "12abc" are not.
bool isWholeNumber(std::string_view text);

} // namespace model
