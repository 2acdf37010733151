#include "NumberFormat.h"

#include "model/NumberText.h"

#include <cmath>
#include <limits>
#include <string>

namespace model {
namespace {

// The decimal value a person reads: 15 significant digits and a decimal exponent.
struct Decimal15 {
    bool negative = false;
    std::string digits; // exactly 15 digits, first one non-zero unless the value is 0
    int exponent = 0;   // value = 0.d1d2…d15 × 10^(exponent+1), i.e. d1 has weight 10^exponent
};

Decimal15 toDecimal15(double value) {
    Decimal15 r;
    r.negative = std::signbit(value) && value != 0;
    const std::string s = scientificText(std::fabs(value), 14); // d.dddddddddddddde±xx
    r.digits = s.substr(0, 1) + s.substr(2, 14);
    r.exponent = std::stoi(s.substr(s.find('e') + 1));
    return r;
}

// Rounds the 15 digits half away from zero so that the last kept digit has weight
// 10^-decimals. Returns the kept digits (at least one) and the weight of the first of them.
std::string roundToDecimals(const Decimal15& v, int decimals, int& firstWeight) {
    if (v.digits.find_first_not_of('0') == std::string::npos) {
        firstWeight = -decimals;
        return "0";
    }
    // Number of the 15 digits that fall at or above 10^-decimals.
    const int keep = v.exponent + decimals + 1;
    if (keep <= 0) {
        // Everything lies below the last place; only an exact digit 5 or more one place below
        // rounds up.
        firstWeight = -decimals;
        return (keep == 0 && v.digits[0] >= '5') ? "1" : "0";
    }
    std::string kept =
        keep >= 15 ? v.digits + std::string(keep - 15, '0') : v.digits.substr(0, keep);
    const bool up = keep < 15 && v.digits[keep] >= '5';
    firstWeight = v.exponent;
    if (up) {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[i] == '9') {
            kept[i] = '0';
            --i;
        }
        if (i >= 0) {
            ++kept[i];
        } else {
            kept.insert(kept.begin(), '1');
            ++firstWeight;
        }
    }
    return kept;
}

struct PatternShape {
    int integerZeros = 0; // digits always written before the point
    int decimals = 0;
};

PatternShape shapeOf(std::string_view pattern) {
    PatternShape p;
    const auto point = pattern.find('.');
    const auto intPart = pattern.substr(0, point);
    for (char ch : intPart)
        if (ch == '0')
            ++p.integerZeros;
    if (point != std::string_view::npos)
        p.decimals = static_cast<int>(pattern.size() - point - 1);
    return p;
}

bool isBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r';
}

// A decimal comma stands between digits: the next character that is not a blank is a digit.
bool digitFollows(std::string_view text, std::size_t at) {
    for (std::size_t i = at + 1; i < text.size(); ++i)
        if (!isBlank(text[i]))
            return text[i] >= '0' && text[i] <= '9';
    return false;
}

} // namespace

std::string formatPattern(double value, std::string_view pattern, char decimalSeparator) {
    if (!std::isfinite(value))
        return std::isnan(value) ? "NaN" : (value < 0 ? "-Infinity" : "Infinity");
    const PatternShape shape = shapeOf(pattern);
    const Decimal15 dec = toDecimal15(value);
    int firstWeight = 0;
    std::string kept = roundToDecimals(dec, shape.decimals, firstWeight);

    // Place the kept digits: weights firstWeight down to -decimals.
    std::string integerDigits, fraction;
    for (int i = 0, w = firstWeight; i < static_cast<int>(kept.size()); ++i, --w)
        (w >= 0 ? integerDigits : fraction) += kept[i];
    // Digits between the point and a first digit of weight below -1.
    if (firstWeight < -1)
        fraction.insert(0, std::string(-1 - firstWeight, '0'));
    if (static_cast<int>(fraction.size()) > shape.decimals)
        fraction.resize(shape.decimals);
    fraction.append(shape.decimals - fraction.size(), '0');
    const auto nonZero = integerDigits.find_first_not_of('0');
    integerDigits = nonZero == std::string::npos ? "" : integerDigits.substr(nonZero);
    if (static_cast<int>(integerDigits.size()) < shape.integerZeros)
        integerDigits.insert(0, shape.integerZeros - integerDigits.size(), '0');

    const bool allZero = kept.find_first_not_of('0') == std::string::npos;
    std::string out = (dec.negative && !allZero) ? "-" : "";
    out += integerDigits;
    if (shape.decimals > 0) {
        out += decimalSeparator;
        out += fraction;
    }
    return out;
}

std::string formatFixed(double value, std::string_view pattern) {
    return formatPattern(value, pattern, '.');
}

std::string formatGeneral(double value) {
    if (!std::isfinite(value))
        return formatPattern(value, "0");
    if (value == 0)
        return " 0";
    const std::string s = generalText(std::fabs(value), 15);
    const auto e = s.find('e');
    std::string mantissa = s.substr(0, e), exponent = e == std::string::npos ? "" : s.substr(e + 1);
    if (mantissa.size() > 1 && mantissa[0] == '0' && mantissa[1] == '.')
        mantissa.erase(0, 1);
    std::string out = (value < 0 ? "-" : " ") + mantissa;
    if (!exponent.empty()) {
        const char sign = exponent[0] == '-' ? '-' : '+';
        std::string digits = exponent.substr(exponent[0] == '-' || exponent[0] == '+' ? 1 : 0);
        if (digits.size() < 2)
            digits.insert(0, "0");
        out += "E";
        out += sign;
        out += digits;
    }
    return out;
}

std::string formatShort(double value) {
    return formatGeneral(readNumber(formatPattern(value, "#0.000", '.')));
}

std::string formatScientific(double value, char decimalSeparator) {
    if (!std::isfinite(value))
        return formatPattern(value, "0");
    const Decimal15 dec = toDecimal15(value);
    if (dec.digits.find_first_not_of('0') == std::string::npos)
        return std::string("0") + decimalSeparator + "000E+00";
    int firstWeight = 0;
    // Keep four significant digits: the last has weight exponent - 3.
    std::string kept = roundToDecimals(dec, 3 - dec.exponent, firstWeight);
    const int exponent = firstWeight;
    kept.resize(4, '0');
    std::string out = dec.negative ? "-" : "";
    out += kept[0];
    out += decimalSeparator;
    out += kept.substr(1, 3);
    out += exponent < 0 ? "E-" : "E+";
    std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
    if (digits.size() < 2)
        digits.insert(0, "0");
    return out + digits;
}

std::string formatByRule(double value, NumberRule rule, char decimalSeparator) {
    switch (rule) {
    case NumberRule::point3:
        return formatFixed(value, "0.000");
    case NumberRule::shortForm:
        return formatShort(value);
    case NumberRule::scientific:
        return formatScientific(value, decimalSeparator);
    }
    return {};
}

std::string resultText(std::string_view prefix, double value, NumberRule rule,
                       std::string_view unit, char decimalSeparator) {
    std::string text(prefix);
    if (!std::isfinite(value))
        return text + "—";
    return text + formatByRule(value, rule, decimalSeparator) + std::string(unit);
}

bool isWholeNumber(std::string_view text) {
    enum class Stage { Sign, Integer, Fraction, ExponentSign, Exponent } stage = Stage::Sign;
    bool digits = false, exponentDigits = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (isBlank(ch))
            continue;
        const bool digit = ch >= '0' && ch <= '9';
        if (stage == Stage::Sign && (ch == '+' || ch == '-'))
            stage = Stage::Integer;
        else if ((stage == Stage::Sign || stage == Stage::Integer) && digit)
            digits = true, stage = Stage::Integer;
        else if ((stage == Stage::Sign || stage == Stage::Integer) &&
                 (ch == '.' || (ch == ',' && digits && digitFollows(text, i))))
            stage = Stage::Fraction;
        else if (stage == Stage::Fraction && digit)
            digits = true;
        else if ((stage == Stage::Integer || stage == Stage::Fraction) && digits &&
                 (ch == 'e' || ch == 'E' || ch == 'd' || ch == 'D'))
            stage = Stage::ExponentSign;
        else if (stage == Stage::ExponentSign && (ch == '+' || ch == '-'))
            stage = Stage::Exponent;
        else if ((stage == Stage::ExponentSign || stage == Stage::Exponent) && digit)
            exponentDigits = true, stage = Stage::Exponent;
        else
            return false;
    }
    const bool inExponent = stage == Stage::ExponentSign || stage == Stage::Exponent;
    return digits && (!inExponent || exponentDigits);
}

double readNumber(std::string_view text) {
    // Collect the characters that fit the grammar, ignoring blanks wherever they stand.
    std::string mantissa;
    std::string exponentDigits;
    bool negative = false, exponentNegative = false;
    enum class Stage { Sign, Integer, Fraction, ExponentSign, Exponent } stage = Stage::Sign;
    bool anyMantissaDigit = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (isBlank(ch))
            continue;
        const bool digit = ch >= '0' && ch <= '9';
        if (stage == Stage::Sign && (ch == '+' || ch == '-')) {
            negative = ch == '-';
            stage = Stage::Integer;
        } else if ((stage == Stage::Sign || stage == Stage::Integer) && digit) {
            mantissa += ch;
            anyMantissaDigit = true;
            stage = Stage::Integer;
        } else if ((stage == Stage::Sign || stage == Stage::Integer) &&
                   (ch == '.' || (ch == ',' && anyMantissaDigit && digitFollows(text, i)))) {
            mantissa += '.';
            stage = Stage::Fraction;
        } else if (stage == Stage::Fraction && digit) {
            mantissa += ch;
            anyMantissaDigit = true;
        } else if ((stage == Stage::Integer || stage == Stage::Fraction) && anyMantissaDigit &&
                   (ch == 'e' || ch == 'E' || ch == 'd' || ch == 'D')) {
            stage = Stage::ExponentSign;
        } else if (stage == Stage::ExponentSign && (ch == '+' || ch == '-')) {
            exponentNegative = ch == '-';
            stage = Stage::Exponent;
        } else if ((stage == Stage::ExponentSign || stage == Stage::Exponent) && digit) {
            exponentDigits += ch;
            stage = Stage::Exponent;
        } else {
            break;
        }
    }
    if (!anyMantissaDigit)
        return 0;

    // Decimal exponent of the leading significant digit, to tell overflow from underflow.
    long long exponent = 0;
    for (char ch : exponentDigits) {
        exponent = exponent * 10 + (ch - '0');
        if (exponent > 1'000'000'000)
            break;
    }
    if (exponentNegative)
        exponent = -exponent;

    std::string normal = mantissa;
    if (normal.front() == '.')
        normal.insert(0, "0");
    if (normal.back() == '.')
        normal.pop_back();
    std::string full = normal + "e" + std::to_string(exponent);
    const ReadDouble read = readDouble(full);
    double value = read.value.value_or(0.0);
    if (read.outOfRange) {
        const auto point = normal.find('.');
        const std::string intPart = normal.substr(0, point);
        const auto firstNonZeroInt = intPart.find_first_not_of('0');
        long long leadWeight;
        if (firstNonZeroInt != std::string::npos) {
            leadWeight = static_cast<long long>(intPart.size() - firstNonZeroInt) - 1;
        } else {
            const std::string frac = point == std::string::npos ? "" : normal.substr(point + 1);
            const auto firstNonZeroFrac = frac.find_first_not_of('0');
            leadWeight = firstNonZeroFrac == std::string::npos
                             ? -1'000'000'000
                             : -static_cast<long long>(firstNonZeroFrac) - 1;
        }
        value = leadWeight + exponent > 0 ? std::numeric_limits<double>::max() : 0.0;
    }
    return negative ? -value : value;
}

} // namespace model
