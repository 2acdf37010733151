#include "model/NumberText.h"

// {fmt} is used as headers only, so the model links nothing new.
#define FMT_HEADER_ONLY
#include <fast_float/fast_float.h>
#include <fmt/format.h>

#include <cmath>

namespace model {

std::string generalText(double value, int digits) {
    return fmt::format("{:.{}g}", value, digits);
}

std::string scientificText(double value, int decimals) {
    return fmt::format("{:.{}e}", value, decimals);
}

std::string shortestText(double value) {
    if (std::isnan(value))
        return std::signbit(value) ? "-nan" : "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    const std::string sign = std::signbit(value) ? "-" : "";
    if (value == 0)
        return sign + "0";
    // {fmt}'s shortest digits (Dragonbox), laid out again: its own choice of form differs.
    const std::string s = fmt::format("{}", std::fabs(value));
    std::string digits;
    int exponent = 0; // weight of the first digit
    const auto e = s.find('e');
    const std::string mantissa = s.substr(0, e);
    const auto point = mantissa.find('.');
    const std::string whole = mantissa.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : mantissa.substr(point + 1);
    digits = whole + fraction;
    exponent = static_cast<int>(whole.size()) - 1;
    if (e != std::string::npos)
        exponent += std::stoi(s.substr(e + 1));
    const auto first = digits.find_first_not_of('0');
    exponent -= static_cast<int>(first);
    digits.erase(0, first);
    digits.erase(digits.find_last_not_of('0') + 1);
    const int n = static_cast<int>(digits.size());

    std::string scientific = digits.substr(0, 1);
    if (n > 1)
        scientific += "." + digits.substr(1);
    const int magnitude = exponent < 0 ? -exponent : exponent;
    scientific += fmt::format("e{}{:02}", exponent < 0 ? '-' : '+', magnitude);

    std::string fixed;
    if (exponent < 0)
        fixed = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    else if (n <= exponent + 1)
        fixed = fmt::format("{:.0f}", std::fabs(value)); // a whole number: its exact digits
    else
        fixed = digits.substr(0, exponent + 1) + "." + digits.substr(exponent + 1);
    return sign + (scientific.size() < fixed.size() ? scientific : fixed);
}

ReadDouble readDouble(std::string_view text) {
    double v = 0;
    const char* end = text.data() + text.size();
    const auto res = fast_float::from_chars(text.data(), end, v);
    if (res.ec != std::errc() || res.ptr != end || text.empty())
        return {};
    if (std::isinf(v) && text.find_first_of("iI") == std::string_view::npos)
        return {std::nullopt, true};
    if (v == 0) {
        // A zero that is not written as one underflowed.
        const auto exponentAt = text.find_first_of("eE");
        const auto mantissa = text.substr(0, exponentAt);
        if (mantissa.find_first_of("123456789") != std::string_view::npos)
            return {std::nullopt, true};
    }
    return {v, false};
}

} // namespace model
