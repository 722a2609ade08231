// Renumbering ANS(n) references of moved texts and splitting off an
// assignment prefix.
#include <gtest/gtest.h>

#include <string>

#include "engine/rpn_text.h"
#include "engine_test_support.h"

using engine::testing::utf8;

namespace {

struct MatrixFree {
    void operator()(Matrix* m) const { delMatrix(m); }
};

struct RenumberCase {
    std::u16string text;
    int delta;
    bool withAnswer;
    std::u16string expected;
    bool found;
};

TEST(RenumberAns, ShiftsOneAndTwoDigitArgumentsAndReplacesTheMergedBlock) {
    std::unique_ptr<Matrix, MatrixFree> five(newMatrix(1, 1));
    copyValMatrix(five.get(), 5.0, 0.0);
    const RenumberCase cases[] = {
        {u"ANS(2)+1", -1, true, u"ANS(1)+1", true},
        {u"ANS(1)+1", -1, true, u"(5)+1", true},
        {u"ANS(1)+1", -1, false, u"ANS(0)+1", true},
        {u"ANS(1)*ANS(3)", +1, false, u"ANS(2)*ANS(4)", true},
        {u"ANS(9)", +1, false, u"ANS(10)", true},
        {u"ANS(10)", -1, false, u"ANS(09)", true},
        {u"ANS(19)", +1, false, u"ANS(20)", true},
        {u"ANS(99)", +1, false, u"ANS(99)", true},
        {u"ANS(1)-ANS(1)", -1, true, u"(5)-(5)", true},
        {u"ANS(a)+ANS(123)", -1, true, u"ANS(a)+ANS(123)", true},
        {u"ANS(1+1)", -1, true, u"ANS(1+1)", true},
        {u"ANS+2", -1, true, u"ANS+2", false},
        {u"", -1, true, u"", false},
    };
    for (const RenumberCase& c : cases) {
        std::u16string text = c.text;
        const bool found = engine::renumberAns(text, c.delta, c.withAnswer ? five.get() : nullptr);
        EXPECT_EQ(utf8(text), utf8(c.expected)) << utf8(c.text) << " by " << c.delta;
        EXPECT_EQ(found, c.found) << utf8(c.text);
    }
}

TEST(RenumberAns, WritesValuesWithEightSignificantDigitsAndComplexParts) {
    std::unique_ptr<Matrix, MatrixFree> value(newMatrix(1, 1));
    struct Case {
        double re, im;
        std::u16string expected;
    } cases[] = {
        {1.0 / 3.0, 0.0, u"2*(0.33333333)"},
        {-2.5, 0.0, u"2*(-2.5)"},
        {1.0e20, 0.0, u"2*(1E+20)"},
        {1.0, -2.0, u"2*(1-2i)"},
        {0.5, 0.25, u"2*(0.5+0.25i)"},
    };
    for (const Case& c : cases) {
        copyValMatrix(value.get(), c.re, c.im);
        std::u16string text = u"2*ANS(1)";
        engine::renumberAns(text, -1, value.get());
        EXPECT_EQ(utf8(text), utf8(c.expected));
    }

    // A matrix has no single value to put in: the reference stays, and
    // evaluating it says the argument is bad instead of giving a wrong value.
    std::unique_ptr<Matrix, MatrixFree> matrix(newMatrix(2, 2));
    std::u16string text = u"ANS(1)";
    engine::renumberAns(text, -1, matrix.get());
    EXPECT_EQ(utf8(text), "ANS(0)");
}

TEST(RenumberAns, CutsTheResultAt99Characters) {
    std::unique_ptr<Matrix, MatrixFree> value(newMatrix(1, 1));
    copyValMatrix(value.get(), 1.2345678e-100, 0.0);
    std::u16string text = std::u16string(90, u'1') + u"+ANS(1)";
    engine::renumberAns(text, -1, value.get());
    EXPECT_EQ(text.size(), 99u);
    EXPECT_EQ(utf8(text.substr(90)), "+(1.23456");
}

TEST(SplitAssignment, SplitsAtTheFirstEqualsSignOrElementwisePrefix) {
    struct Case {
        std::u16string text;
        bool split;
        std::u16string prefix, rest;
    } cases[] = {
        {u"a=1+2", true, u"a=", u"1+2"},
        {u"a=b=3", true, u"a=", u"b=3"},
        {u"V:a*b", true, u"V:", u"a*b"},
        {u"V:c=a*b", true, u"V:c=", u"a*b"},
        {u"1+2", false, u"", u"1+2"},
        {u"", false, u"", u""},
    };
    for (const Case& c : cases) {
        std::u16string prefix = u"junk", rest;
        EXPECT_EQ(engine::splitAssignment(c.text, prefix, rest), c.split) << utf8(c.text);
        EXPECT_EQ(utf8(prefix), utf8(c.prefix)) << utf8(c.text);
        EXPECT_EQ(utf8(rest), utf8(c.rest)) << utf8(c.text);
    }
}

}  // namespace
