#include "model/NumberFormat.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

using model::formatGeneral;
using model::formatPattern;
using model::FormatPoint;
using model::FormatSci;
using model::FormatShort;
using model::ReadNumber;

TEST(NumberFormat, FormatPointPatterns) {
    EXPECT_EQ(FormatPoint(2.5, "0.000"), "2.500");
    EXPECT_EQ(FormatPoint(0.0001, "0.000"), "0.000");
    EXPECT_EQ(FormatPoint(-3, "0.00"), "-3.00");
    EXPECT_EQ(FormatPoint(7800, "0.0"), "7800.0");
    EXPECT_EQ(FormatPoint(0.001006, "0.0000000"), "0.0010060");
    EXPECT_EQ(FormatPoint(1.82e-5, "0.0000000"), "0.0000182");
    EXPECT_EQ(FormatPoint(0.4, "0.0000"), "0.4000");
    // No grouping, and the point whatever the regional separator.
    EXPECT_EQ(FormatPoint(1234.5, "0.000"), "1234.500");
    EXPECT_EQ(formatPattern(1234.5, "0.000", ','), "1234,500");
    // Half-way cases go away from zero on the decimal value, not on the binary one:
    // 2.0005 is stored a little below 2.0005 and still rounds up.
    EXPECT_EQ(FormatPoint(0.0005, "0.000"), "0.001");
    EXPECT_EQ(FormatPoint(2.0005, "0.000"), "2.001");
    EXPECT_EQ(FormatPoint(-2.0005, "0.000"), "-2.001");
    EXPECT_EQ(FormatPoint(0.35, "0.0"), "0.4");
    EXPECT_EQ(FormatPoint(89.995, "0.00"), "90.00");
    EXPECT_EQ(FormatPoint(9.9996, "0.000"), "10.000");
    EXPECT_EQ(FormatPoint(0.00049, "0.000"), "0.000");
    // A negative number that rounds to zero shows no sign.
    EXPECT_EQ(FormatPoint(-0.0004, "0.000"), "0.000");
    EXPECT_EQ(FormatPoint(-0.0, "0.00"), "0.00");
    EXPECT_EQ(formatPattern(0.5, "#0.000"), "0.500");
    EXPECT_EQ(FormatPoint(1e20, "0.0"), "100000000000000000000.0");
}

TEST(NumberFormat, FormatShort) {
    EXPECT_EQ(FormatShort(2.5), " 2.5");
    EXPECT_EQ(FormatShort(0.125), " .125");
    EXPECT_EQ(FormatShort(2.0004), " 2");
    EXPECT_EQ(FormatShort(-1.25), "-1.25");
    EXPECT_EQ(FormatShort(0.0002), " 0");
    EXPECT_EQ(FormatShort(0.5), " .5");
    EXPECT_EQ(FormatShort(-0.5), "-.5");
    EXPECT_EQ(FormatShort(45), " 45");
    EXPECT_EQ(FormatShort(34.6693204), " 34.669");
    EXPECT_EQ(FormatShort(2.0005), " 2.001");
    EXPECT_EQ(FormatShort(1234.5), " 1234.5");
    // Negative values that round to zero lose their sign.
    EXPECT_EQ(FormatShort(-0.0004), " 0");
    EXPECT_EQ(FormatShort(-0.0005), "-.001");
    EXPECT_EQ(FormatShort(-3.4733269f), "-3.473");
}

TEST(NumberFormat, FormatSci) {
    EXPECT_EQ(FormatSci(0.0001234), "1.234E-04");
    EXPECT_EQ(FormatSci(261.3), "2.613E+02");
    EXPECT_EQ(FormatSci(0.0001234, ','), "1,234E-04");
    EXPECT_EQ(FormatSci(261.380524f), "2.614E+02");
    EXPECT_EQ(FormatSci(68919.8144), "6.892E+04");
    EXPECT_EQ(FormatSci(589663.795, ','), "5,897E+05");
    EXPECT_EQ(FormatSci(9.9995), "1.000E+01"); // carry moves the exponent
    EXPECT_EQ(FormatSci(-0.0005), "-5.000E-04");
    EXPECT_EQ(FormatSci(0), "0.000E+00");
    EXPECT_EQ(FormatSci(1e-300), "1.000E-300");
    EXPECT_EQ(FormatSci(DBL_MAX), "1.798E+308");
}

TEST(NumberFormat, GeneralFormOfStartTexts) {
    EXPECT_EQ(formatGeneral(0.5), " .5");
    EXPECT_EQ(formatGeneral(3), " 3");
    EXPECT_EQ(formatGeneral(30), " 30");
    EXPECT_EQ(formatGeneral(0.4), " .4");
    EXPECT_EQ(formatGeneral(7800), " 7800");
    EXPECT_EQ(formatGeneral(1000), " 1000");
    EXPECT_EQ(formatGeneral(0.001006), " .001006");
    EXPECT_EQ(formatGeneral(0), " 0");
    EXPECT_EQ(formatGeneral(-0.25), "-.25");
    EXPECT_EQ(formatGeneral(0.1 + 0.2), " .3"); // fifteen significant digits
    EXPECT_EQ(formatGeneral(1e20), " 1E+20");
    EXPECT_EQ(formatGeneral(1.5e-7), " 1.5E-07");
}

TEST(NumberFormat, ReadNumberGrammar) {
    EXPECT_EQ(ReadNumber("0,5"), 0);
    EXPECT_EQ(ReadNumber(" 1.006E-03"), 0.001006);
    EXPECT_EQ(ReadNumber(" .5"), 0.5);
    EXPECT_EQ(ReadNumber("12abc"), 12);
    EXPECT_EQ(ReadNumber(""), 0);
    EXPECT_EQ(ReadNumber("   "), 0);
    EXPECT_EQ(ReadNumber("abc"), 0);
    // Blanks anywhere, also inside the digits and the exponent.
    EXPECT_EQ(ReadNumber(" 1 2 . 5 e 1"), 125);
    EXPECT_EQ(ReadNumber("\t-7"), -7);
    EXPECT_EQ(ReadNumber("- 3"), -3);
    EXPECT_EQ(ReadNumber("+.25"), 0.25);
    EXPECT_EQ(ReadNumber("-.5"), -0.5);
    EXPECT_EQ(ReadNumber("5."), 5);
    EXPECT_EQ(ReadNumber("5.e3"), 5000);
    // E and D exponents, either case, signed or not.
    EXPECT_EQ(ReadNumber("1E2"), 100);
    EXPECT_EQ(ReadNumber("1e+2"), 100);
    EXPECT_EQ(ReadNumber("1D2"), 100);
    EXPECT_EQ(ReadNumber("1d-2"), 0.01);
    // Reading stops at the first misfit.
    EXPECT_EQ(ReadNumber("1.2.3"), 1.2);
    EXPECT_EQ(ReadNumber("--5"), 0);
    EXPECT_EQ(ReadNumber("+-5"), 0);
    EXPECT_EQ(ReadNumber("..5"), 0);
    EXPECT_EQ(ReadNumber("e5"), 0);
    EXPECT_EQ(ReadNumber(".e5"), 0);
    EXPECT_EQ(ReadNumber("1e"), 1);
    EXPECT_EQ(ReadNumber("2e+"), 2);
    EXPECT_EQ(ReadNumber("3e2e1"), 300);
    EXPECT_EQ(ReadNumber("7-1"), 7);
    // Beyond the double range: the largest finite double, or zero.
    EXPECT_EQ(ReadNumber("1e400"), DBL_MAX);
    EXPECT_EQ(ReadNumber("-1e400"), -DBL_MAX);
    EXPECT_EQ(ReadNumber("1e-400"), 0);
    EXPECT_EQ(ReadNumber("1" + std::string(400, '0')), DBL_MAX);
    EXPECT_EQ(ReadNumber("0." + std::string(400, '0') + "1"), 0);
    EXPECT_EQ(ReadNumber("0e99999999999"), 0);
    EXPECT_EQ(ReadNumber("1e99999999999999999999"), DBL_MAX);
    EXPECT_EQ(ReadNumber("100000000000000000000e-20"), 1);
    EXPECT_EQ(ReadNumber("0.0001e4"), 1);
}

TEST(NumberFormat, ReadNumberAgreesWithCorrectlyRoundedReading) {
    // Well-formed numbers with blanks sprinkled in read as the C library reads them unblanked.
    std::mt19937 rng(71);
    std::uniform_int_distribution<int> digit(0, 9), len(0, 20), expLen(0, 3), coin(0, 1),
        blank(0, 6);
    for (int i = 0; i < 20000; ++i) {
        std::string plain;
        if (coin(rng))
            plain += coin(rng) ? '-' : '+';
        for (int n = len(rng); n > 0; --n)
            plain += char('0' + digit(rng));
        if (coin(rng)) {
            plain += '.';
            for (int n = len(rng); n > 0; --n)
                plain += char('0' + digit(rng));
        }
        const bool hasDigits = plain.find_first_of("0123456789") != std::string::npos;
        std::string exponent;
        if (hasDigits && coin(rng)) {
            exponent += "eEdD"[digit(rng) % 4];
            if (coin(rng))
                exponent += coin(rng) ? '-' : '+';
            for (int n = expLen(rng); n > 0; --n)
                exponent += char('0' + digit(rng));
        }
        std::string blanked;
        for (char ch : plain + exponent) {
            if (blank(rng) == 0)
                blanked += ' ';
            blanked += ch;
        }
        std::string forC = plain;
        if (exponent.size() > 1 && exponent.find_first_of("0123456789") != std::string::npos)
            forC += "e" + exponent.substr(1);
        double expected = hasDigits ? std::strtod(forC.c_str(), nullptr) : 0;
        if (std::isinf(expected))
            expected = std::copysign(DBL_MAX, expected);
        ASSERT_EQ(ReadNumber(blanked), expected) << '<' << blanked << "> vs <" << forC << '>';
    }
}

TEST(NumberFormat, ReadNumberNeverFailsOnArbitraryBytes) {
    std::mt19937 rng(4242);
    std::uniform_int_distribution<int> byte(0, 255), len(0, 40), pick(0, 3);
    const std::string grammar = "0123456789.+-eEdD ,";
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        for (int n = len(rng); n > 0; --n)
            text += pick(rng) == 0 ? char(byte(rng)) : grammar[byte(rng) % grammar.size()];
        const double v = ReadNumber(text);
        ASSERT_TRUE(std::isfinite(v)) << text;
        // Whatever was read is shown and read back unchanged by the field patterns.
        const std::string shown = FormatPoint(v, "0.0");
        ASSERT_EQ(FormatPoint(ReadNumber(shown), "0.0"), shown);
    }
}

TEST(NumberFormat, RoundTripsStayWithinHalfAUnit) {
    std::mt19937 rng(9);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> power(-8, 12);
    for (int i = 0; i < 20000; ++i) {
        const double x = mantissa(rng) * std::pow(10.0, power(rng));
        const double fixed = ReadNumber(FormatPoint(x, "0.000"));
        // Half a unit of the third decimal, or of the fifteenth significant digit when that
        // is coarser.
        ASSERT_LE(std::fabs(fixed - x), 0.0005 + 5e-15 * std::fabs(x)) << x;
        const double sci = ReadNumber(FormatSci(x));
        ASSERT_LE(std::fabs(sci - x), 5.0001e-4 * std::fabs(x)) << x;
        const double shortForm = ReadNumber(FormatShort(x));
        ASSERT_EQ(shortForm, fixed) << x;
    }
}
