// Numbers and values as the user sees them.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/display_format.h"

using engine::buildFormat;
using engine::formatNumber;
using engine::formatStringFor;
using engine::valueToText;

namespace {

enum Kind { Floating = 0, Scientific = 1, Engineering = 2, Fractions = 3, Hexadecimal = 4, Fixed = 5 };

std::u16string show(int kind, int digits, double re, double im = 0.0, bool degrees = false,
                    bool polar = false) {
    const std::u16string format = formatStringFor(uint16_t(kind << 8 | digits));
    return formatNumber(re, im, format.c_str(), degrees, polar);
}

struct Row {
    int kind, digits;
    double re, im;
    const char16_t* expected;
};

template <size_t N>
void expectShown(const Row (&rows)[N]) {
    for (const Row& row : rows)
        EXPECT_EQ(show(row.kind, row.digits, row.re, row.im), row.expected)
            << "kind " << row.kind << " digits " << row.digits << " value " << row.re << "+"
            << row.im << "i";
}

}  // namespace

TEST(DisplayFormatString, BuiltFromTheFormatCode) {
    EXPECT_EQ(formatStringFor(0x0005), u"% #0.05G");
    EXPECT_EQ(formatStringFor(0x0000), u"%  0.00G");
    EXPECT_EQ(formatStringFor(0x0103), u"% #0.02E");
    EXPECT_EQ(formatStringFor(0x0101), u"%  0.00E");  // one digit: precision 0
    EXPECT_EQ(formatStringFor(0x020E), u"% #0.13K");
    EXPECT_EQ(formatStringFor(0x0307), u"% #0.07Y");
    EXPECT_EQ(formatStringFor(0x0400), u"%  0.00X");
    EXPECT_EQ(formatStringFor(0x0500), u"% #0.04f");
    EXPECT_EQ(formatStringFor(0x0502), u"% #0.02f");
    EXPECT_EQ(formatStringFor(0x0905), u"% #0.05G");  // unknown kinds show as Floating
    EXPECT_EQ(std::u16string(buildFormat(0x0106)), u"% #0.05E");
    EXPECT_EQ(std::u16string(buildFormat(engine::kDefaultFormatCode)), u"% #0.05G");
}

TEST(DisplayFormatNumber, RealValuesInEveryKind) {
    const Row rows[] = {
        {Floating, 5, 3, 0, u" 3.0000"},
        {Floating, 5, 1.0 / 3, 0, u" 0.33333"},
        {Floating, 5, -2.5, 0, u"-2.5000"},
        {Floating, 5, 1e-20, 0, u" 1.0000E-020"},
        {Floating, 0, 3, 0, u" 3"},
        {Floating, 0, 0.1, 0, u" 0.1"},
        {Floating, 0, 1e100, 0, u" 1E+100"},
        {Fixed, 2, 0.001, 0, u" 1.00E-003"},
        {Fixed, 2, 123456789, 0, u" 1.23E+008"},
        {Fixed, 2, 0, 0, u" 0.00"},
        {Fixed, 0, 3.14159, 0, u" 3.1416"},
        {Scientific, 3, 1234, 0, u" 1.23E+003"},
        {Scientific, 0, 1500, 0, u" 1.5E+003"},
        {Scientific, 0, 2000, 0, u" 2E+003"},
        {Engineering, 4, 123456, 0, u" 123.5E+003"},
        {Engineering, 4, 0.000123456, 0, u" 123.5E-006"},
        {Engineering, 4, 1234, 0, u" 1.234E+003"},
        {Engineering, 2, 12345, 0, u" 12.E+003"},
        {Engineering, 0, 12000, 0, u" 12E+003"},
        {Fractions, 7, 0.333333333, 0, u" 1/3"},
        {Fractions, 7, 1e-9, 0, u" 0"},
        {Fractions, 7, 2.75, 0, u" 2  3/4"},
        {Fractions, 7, -0.5, 0, u"-1/2"},
        {Fractions, 7, 2.001, 0, u" 2"},
        {Fractions, 7, 2.999, 0, u" 3"},
        {Fractions, 20, 3.14159265358979, 0, u" 3  16/113"},
        {Hexadecimal, 0, 255, 0, u"0x000000FF"},
        {Hexadecimal, 0, 30, 0, u"0x0000001E"},
        {Hexadecimal, 0, 5e9, 0, u"5.00000E+009"},
        {Hexadecimal, 0, 0, 0, u"0x00000000"},
        {Hexadecimal, 0, 0.5, 0, u"0x00000000"},
        {Hexadecimal, 0, -1, 0, u"0xFFFFFFFF"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(show(row.kind, row.digits, row.re, row.im), row.expected)
            << "kind " << row.kind << " digits " << row.digits << " value " << row.re;
}

TEST(DisplayFormatNumber, ImaginaryAndComplexValues) {
    const Row rows[] = {
        {Floating, 5, 0, 3, u" 3.0000i"},
        {Floating, 5, 1, 2, u" 1.0000+2.0000i"},
        {Floating, 5, 1, -2, u" 1.0000-2.0000i"},
        {Floating, 0, 1.5, -0.25, u" 1.5-0.25i"},
        {Floating, 10, 1.0 / 3, 1, u" 0.3333333+1.000000i"},
        {Scientific, 0, 1500, 2, u" 1.5E+003+2E+000i"},
        {Engineering, 4, 12346, 0.5, u" 12.35E+003+500.0E-003i"},
        {Fractions, 7, 0.5, -0.25, u" 1/2-1/4i"},
        {Fractions, 7, 0, 1.5, u" 1  1/2i"},
        {Fractions, 7, 2, 3, u" 2+3i"},
        {Hexadecimal, 0, 0, 16, u"0x00000010i"},
        {Hexadecimal, 0, 1, 2, u"0x00000001+0x00000002i"},
        {Hexadecimal, 0, 1, 5e9, u"1.00000+5.00000E+009i"},
        {Hexadecimal, 0, 7, 0.25, u"0x00000007"},
    };
    expectShown(rows);
}

TEST(DisplayFormatNumber, PolarForm) {
    EXPECT_EQ(show(Floating, 5, 3, 4, true, true), u" 5.0000@53.130\u00B0");
    EXPECT_EQ(show(Floating, 5, 3, 4, false, true), u" 5.0000@0.92730\u00B0");
    EXPECT_EQ(show(Floating, 5, 0, -2, true, true), u" 2.0000@-90.000\u00B0");
    EXPECT_EQ(show(Fixed, 2, 0, 1, true, true), u" 1.00@90.0\u00B0");
    EXPECT_EQ(show(Floating, 10, 1, 1, true, true), u" 1.414214@45.000\u00B0");
    // Real values are not turned into polar form.
    EXPECT_EQ(show(Floating, 5, -3, 0, true, true), u"-3.0000");
}

TEST(DisplayFormatNumber, RoundingIntoANewPowerOfTenKeepsTrailingZeros) {
    const Row rows[] = {
        {Floating, 5, 99999.5, 0, u" 1.0000E+005"},
        {Floating, 5, -99999.5, 0, u"-1.0000E+005"},
        {Floating, 2, 99.5, 0, u" 1.0E+002"},
        {Floating, 14, 99999999999999.5, 0, u" 1.0000000000000E+014"},
        {Floating, 5, 9.999996, 0, u" 10.000"},
        {Floating, 5, 0.0000999996, 0, u" 0.00010000"},
        {Floating, 1, 9.7, 0, u" 1.E+001"},
        {Floating, 5, 0, 99999.5, u" 1.0000E+005i"},
        {Floating, 5, 1, 99999.5, u" 1.0000+1.0000E+005i"},
        {Floating, 10, 1, 9999999.7, u" 1.000000+1.000000E+007i"},
        {Hexadecimal, 0, 9999996000000.0, 0, u"1.00000E+013"},
        {Floating, 0, 99999.5, 0, u" 99999.5"},
    };
    expectShown(rows);
    // The angle of the polar form too.
    const double angle = 99.6 / 57.29577951308232;
    EXPECT_EQ(show(Floating, 2, std::cos(angle), std::sin(angle), true, true),
              u" 1.0@1.0E+002\u00B0");
}

TEST(DisplayFormatNumber, NonFiniteValuesShowInf) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(show(Floating, 5, inf), u"Inf");
    EXPECT_EQ(show(Floating, 5, 1, NAN), u"Inf");
    EXPECT_EQ(show(Hexadecimal, 0, -inf), u"Inf");
    EXPECT_EQ(show(Fractions, 7, NAN), u"Inf");
}

TEST(DisplayFormatNumber, SharedFormatBufferIsUsable) {
    const char16_t* format = buildFormat(0x0103);
    EXPECT_EQ(formatNumber(1234, 0, format, false, false), u" 1.23E+003");
    // The format is unchanged after a complex value reduced its precision.
    formatNumber(1, 2, format, false, false);
    EXPECT_EQ(std::u16string(format), u"% #0.02E");
}

TEST(DisplayValueText, StringsMatricesAndNumbers) {
    Matrix* m = newMatrix(2, 2);
    for (int k = 0; k < 4; ++k) m->re[k] = k + 1;
    EXPECT_EQ(valueToText(m, 250), u"{1,2|3,4}");
    m->im[1] = -1.5;
    EXPECT_EQ(valueToText(m, 250), u"{1,2-1.5i|3,4}");
    resizeMatrix(m, 1, 3);
    EXPECT_EQ(valueToText(m, 250), u"{1,2-1.5i,3}");

    Matrix* big = newMatrix(40, 10);
    for (int k = 0; k < 400; ++k) big->re[k] = 0.125;
    std::u16string text = valueToText(big, 50);
    // Rows stop after the one that passes limit + 20 characters.
    EXPECT_EQ(text.back(), u'}');
    EXPECT_GT(text.size(), 70u);
    EXPECT_LT(text.size(), 70u + 62u);
    EXPECT_EQ(text.substr(0, 7), u"{0.125,");

    copyStrMatrix(m, u" hello");
    EXPECT_EQ(valueToText(m, 250), u"hello");
    EXPECT_EQ(valueToText(m, 4), u"hel");
    copyValMatrix(m, 2, 3);
    EXPECT_EQ(valueToText(m, 250), u"2+3i");
    copyValMatrix(m, 1e-7, 0);
    EXPECT_EQ(valueToText(m, 250), u"1E-007");
    resizeMatrix(m, 0, 0);
    EXPECT_EQ(valueToText(m, 250), u"");
    EXPECT_EQ(valueToText(nullptr, 250), u"");
    delMatrix(m);
    delMatrix(big);
}
