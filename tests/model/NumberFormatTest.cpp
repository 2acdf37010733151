#include "model/NumberFormat.h"
#include "model/NumberText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <tuple>
#include <vector>

using namespace model;

TEST(NumberFormat, Forms) {
    // Field patterns: no grouping. Half-way cases go away from zero on the decimal value, not on
    // the binary one (2.0005 is stored a little below 2.0005 and still rounds up). A negative
    // number that rounds to zero shows no sign.
    // clang-format off
    const std::tuple<double, const char*, const char*> points[] = {
        {2.5, "0.000", "2.500"},       {-3, "0.00", "-3.00"},        {1234.5, "0.000", "1234.500"},
        {0.001006, "0.0000000", "0.0010060"},  {1.82e-5, "0.0000000", "0.0000182"},
        {0.5, "#0.000", "0.500"},      {0.0005, "0.000", "0.001"},   {2.0005, "0.000", "2.001"},
        {-2.0005, "0.000", "-2.001"},  {0.35, "0.0", "0.4"},         {89.995, "0.00", "90.00"},
        {9.9996, "0.000", "10.000"},   {0.00049, "0.000", "0.000"},  {-0.0004, "0.000", "0.000"},
        {-0.0, "0.00", "0.00"}};
    // clang-format on
    for (const auto& [value, pattern, text] : points)
        EXPECT_EQ(formatFixed(value, pattern), text) << value;
    EXPECT_EQ(formatFixed(1e20, "0.0"), "100000000000000000000.0");
    EXPECT_EQ(formatPattern(1234.5, "0.000", ','), "1234,500");

    // Labels: three decimals at most, no leading zero, a blank for the sign. Scientific labels:
    // a carry moves the exponent. The general form of the start texts: fifteen significant digits.
    using Cases = std::pair<double, const char*>[];
    // clang-format off
    for (const auto& [value, text] : Cases{
             {2.5, " 2.5"}, {0.125, " .125"}, {2.0004, " 2"}, {-1.25, "-1.25"}, {0.0002, " 0"},
             {-0.5, "-.5"}, {45, " 45"}, {34.6693204, " 34.669"}, {2.0005, " 2.001"},
             {1234.5, " 1234.5"}, {-0.0004, " 0"}, {-0.0005, "-.001"}, {-3.4733269f, "-3.473"}})
        EXPECT_EQ(formatShort(value), text) << value;
    for (const auto& [value, text] : Cases{
             {0.0001234, "1.234E-04"}, {261.380524f, "2.614E+02"}, {9.9995, "1.000E+01"},
             {-0.0005, "-5.000E-04"}, {0, "0.000E+00"}, {1e-300, "1.000E-300"},
             {DBL_MAX, "1.798E+308"}})
        EXPECT_EQ(formatScientific(value), text) << value;
    for (const auto& [value, text] : Cases{
             {0.5, " .5"}, {3, " 3"}, {7800, " 7800"}, {0.001006, " .001006"}, {0, " 0"},
             {-0.25, "-.25"}, {0.1 + 0.2, " .3"}, {1e20, " 1E+20"}, {1.5e-7, " 1.5E-07"}})
        EXPECT_EQ(formatGeneral(value), text) << value;
    // clang-format on
    EXPECT_EQ(formatScientific(0.0001234, ','), "1,234E-04");
}

TEST(NumberFormat, ReadNumberGrammar) {
    // Blanks anywhere, also inside the digits and the exponent; E and D exponents, either case,
    // signed or not; reading stops at the first misfit (also a byte outside ASCII); beyond the
    // double range comes the largest finite double, or zero. A comma between digits is the
    // decimal point, once.
    // clang-format off
    const std::pair<std::string, double> cases[] = {
        {"0,05", 0.05},   {"1,2,3", 1.2},   {",5", 0},      {"5,", 5},      {"7 , 2", 7.2},
        {" 1.006E-03", 0.001006},           {" .5", 0.5},   {"12abc", 12},  {"", 0},
        {"   ", 0},       {"abc", 0},       {"П5", 0},      {"5\xFF", 5},   {" 1 2 . 5 e 1", 125},
        {"\t-7", -7},     {"- 3", -3},      {"+.25", 0.25}, {"-.5", -0.5},  {"5.", 5},
        {"5.e3", 5000},   {"1E2", 100},     {"1e+2", 100},  {"1D2", 100},   {"1d-2", 0.01},
        {"1.2.3", 1.2},   {"--5", 0},       {"+-5", 0},     {"..5", 0},     {"e5", 0},
        {".e5", 0},       {"1e", 1},        {"2e+", 2},     {"3e2e1", 300}, {"7-1", 7},
        {"1e400", DBL_MAX}, {"-1e400", -DBL_MAX}, {"1e-400", 0}, {"0e99999999999", 0},
        {"0.0001e4", 1},  {"1e99999999999999999999", DBL_MAX}, {"100000000000000000000e-20", 1},
        {"1" + std::string(400, '0'), DBL_MAX},  {"0." + std::string(400, '0') + "1", 0}};
    // clang-format on
    for (const auto& [text, value] : cases)
        EXPECT_EQ(readNumber(text), value) << '<' << text << '>';
}

TEST(NumberFormat, ReadNumberAgreesWithCorrectlyRoundedReading) {
    // Long mantissas and exponents near the ends of the range read as the C library reads them:
    // correctly rounded, not digit by digit.
    std::mt19937 rng(71);
    std::uniform_int_distribution<int> digit(0, 9), len(1, 20), coin(0, 1), exponent(-330, 330);
    auto digits = [&](int n) {
        std::string s;
        while (n-- > 0)
            s += char('0' + digit(rng));
        return s;
    };
    for (int i = 0; i < 20000; ++i) {
        std::string text = (coin(rng) ? "-" : "") + digits(len(rng) - 1);
        text += coin(rng) ? "." + digits(len(rng)) : digits(1);
        if (coin(rng))
            text += (coin(rng) ? "e" : "D") + std::to_string(exponent(rng));
        std::string forC = text;
        std::replace(forC.begin(), forC.end(), 'D', 'e');
        double expected = std::strtod(forC.c_str(), nullptr);
        if (std::isinf(expected))
            expected = std::copysign(DBL_MAX, expected);
        ASSERT_EQ(readNumber(text), expected) << '<' << text << '>';
    }
}

// The browser build has no floating-point to_chars/from_chars: NumberText must give their bytes.
TEST(NumberText, WritesAndReadsAsTheStandardLibrary) {
    auto chars = [](double v, auto... how) {
        char buf[64];
        return std::string(buf, std::to_chars(buf, buf + sizeof buf, v, how...).ptr);
    };
    std::mt19937_64 rng(5);
    std::uniform_real_distribution<double> unit(-3, 3);
    std::vector<double> values{0.0,  -0.0,     1e22,     1e21,      123456.0, 1e-7,
                               0.1,  5e-324,   DBL_MAX,  -DBL_MIN,  2.0005,   1e15,
                               1e16, 0.000123, INFINITY, -INFINITY, NAN};
    for (int i = 0; i < 4000; ++i) {
        values.push_back(std::ldexp(unit(rng), int(rng() % 2100) - 1050)); // any magnitude
        values.push_back(std::round(unit(rng) * 1e4) / 1000);              // typed-like decimals
    }
    for (const double v : values) {
        ASSERT_EQ(shortestText(v), chars(v)) << v;
        ASSERT_EQ(scientificText(v, 14), chars(v, std::chars_format::scientific, 14)) << v;
        for (const int digits : {9, 15, 17})
            ASSERT_EQ(generalText(v, digits), chars(v, std::chars_format::general, digits)) << v;
        const std::string text = chars(v);
        double back = 0;
        std::from_chars(text.data(), text.data() + text.size(), back);
        const ReadDouble read = readDouble(text);
        if (std::isnan(v)) {
            ASSERT_TRUE(read.value && std::isnan(*read.value));
        } else {
            ASSERT_EQ(read.value, std::optional(back)) << text;
        }
    }
    for (const char* text : {"1e309", "-1e400", "1e-400", "0.0000e-999", "2e-324", "3e-324", "",
                             "-", "1.5x", ".5", "5.", "+1", "1e", " 1", "0x10", "inf", "nan"}) {
        const std::string_view s(text);
        double back = 0;
        const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), back);
        const ReadDouble read = readDouble(s);
        EXPECT_EQ(read.outOfRange, ec == std::errc::result_out_of_range) << text;
        EXPECT_EQ(read.value.has_value(), ec == std::errc() && ptr == s.data() + s.size()) << text;
        if (read.value && !std::isnan(back)) {
            EXPECT_EQ(*read.value, back) << text;
        }
    }
}
