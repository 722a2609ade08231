// RPN entry through insertKey: compositions of the main program's operator
// keys, sign change, swap, the real keypads' function keys, and Undo after
// each kind of operation.
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "engine/key_insertion.h"
#include "engine/rpn_composition.h"
#include "key_test_support.h"

using shell::testing::KeyEntryTest;
using shell::testing::utf8;

namespace {

// Page 1 keys in the RPN display.
#define PLUS u"{1.}"
#define TIMES u"{14}"
#define MINUS u"{17}"
#define DIVIDE u"{11}"
#define SIGN u"{12}"
#define SWAP u"{13}"

struct RpnCase {
    const char* name;
    std::u16string keys;
    std::vector<std::u16string> entries;
    std::u16string line;
    double topAnswer;  // answer of the last entry
};

std::string joined(const std::vector<std::u16string>& texts) {
    std::string out;
    for (const auto& t : texts) {
        out += '\'';
        out += utf8(t);
        out += "' ";
    }
    return out;
}

class RpnTest : public KeyEntryTest {
protected:
    void SetUp() override {
        KeyEntryTest::SetUp();
        startRpn();
    }

    // Presses each case's keys on an empty document and checks the result.
    void run(std::span<const RpnCase> cases) {
        for (const RpnCase& c : cases) {
            clear();
            press(c.keys);
            check(c);
        }
    }

    void check(const RpnCase& c) {
        EXPECT_EQ(joined(entries()), joined(c.entries)) << c.name;
        EXPECT_EQ(utf8(line()), utf8(c.line)) << c.name;
        if (!c.entries.empty()) {
            EXPECT_DOUBLE_EQ(answerOf(int(c.entries.size()) - 1), c.topAnswer) << c.name;
        }
    }
};

TEST_F(RpnTest, OperatorKeysComposeTextsWithTheParenthesesPrecedenceNeeds) {
    const RpnCase cases[] = {
        {"two entries added", u"2\r3\r" PLUS, {u"2+3"}, u"", 5},
        {"edit line added to the top", u"2\r3" PLUS, {u"2+3"}, u"", 5},
        {"sum times entry", u"1+2\r3\r" TIMES, {u"(1+2)*3"}, u"", 9},
        {"left to right subtraction", u"8\r3" MINUS u"2" MINUS, {u"8-3-2"}, u"", 3},
        {"nested subtraction", u"8\r3\r2" MINUS MINUS, {u"8-(3-2)"}, u"", 7},
        {"associative sum", u"1\r2\r3" PLUS PLUS, {u"1+2+3"}, u"", 6},
        {"subtraction of a difference", u"1\r2\r3" MINUS PLUS, {u"1+2-3"}, u"", 0},
        {"associative product", u"2\r3\r4" TIMES TIMES, {u"2*3*4"}, u"", 24},
        {"divisor product", u"12\r2\r3" TIMES DIVIDE, {u"12/(2*3)"}, u"", 2},
        {"sum of products", u"2*3\r4*5" PLUS, {u"2*3+4*5"}, u"", 26},
        {"product of sums", u"1+1\r2+3" TIMES, {u"(1+1)*(2+3)"}, u"", 10},
        {"negative right operand", u"3\r-4" TIMES, {u"3*-4"}, u"", -12},
        {"assignment kept in front", u"a=2\r3" PLUS, {u"a=2+3"}, u"", 5},
        {"difference subtracted", u"9\r2\r1" PLUS MINUS, {u"9-(2+1)"}, u"", 6},
        {"a lone entry cannot add", u"7\r" PLUS, {u"7"}, u"", 7},
        {"nothing at all", PLUS, {}, u"", 0},
    };
    run(cases);
}

TEST_F(RpnTest, ReferencesOfAMovedTextKeepTheirTargetOrBecomeItsValue) {
    const RpnCase cases[] = {
        {"reference to the merged entry", u"4\r5\rANS(1)+1" TIMES, {u"4", u"5*((5)+1)"}, u"", 30},
        {"reference past it", u"4\r5\rANS(2)+1" TIMES, {u"4", u"5*(ANS(1)+1)"}, u"", 25},
        {"entry reference merged", u"4\r5\rANS(1)*2\r" PLUS, {u"4", u"5+(5)*2"}, u"", 15},
    };
    run(cases);
}

TEST_F(RpnTest, SignChangeTogglesTheNumberOrItsExponentAndNegatesTheTopEntry) {
    struct Case {
        std::u16string typed, expected;
    } lines[] = {
        {u"1.5E3", u"1.5E-3"}, {u"1.5E-3", u"1.5E3"}, {u"1.5E+3", u"1.5E+3"},
        {u"2E", u"2E-"},       {u"-4", u"4"},         {u"+7", u"-7"},
        {u"7", u"-7"},
    };
    for (const Case& c : lines) {
        clear();
        press(c.typed + SIGN);
        EXPECT_EQ(utf8(line()), utf8(c.expected)) << utf8(c.typed);
        EXPECT_EQ(selectionEnd(), int(c.expected.size())) << utf8(c.typed);
    }

    const RpnCase tops[] = {
        {"number", u"5\r" SIGN, {u"-5"}, u"", -5},
        {"twice", u"5\r" SIGN SIGN, {u"5"}, u"", 5},
        {"negative number", u"-4\r" SIGN, {u"4"}, u"", 4},
        {"sum", u"1+2\r" SIGN, {u"-(1+2)"}, u"", -3},
        {"negated sum", u"-(1+2)\r" SIGN, {u"1+2"}, u"", 3},
        {"negated product", u"-(1+2)*(3)\r" SIGN, {u"-(-(1+2)*(3))"}, u"", 9},
        {"assignment", u"b=6\r" SIGN, {u"b=-6"}, u"", -6},
    };
    run(tops);
}

TEST_F(RpnTest, SwapExchangesTheEditLineWithTheTopOrTheTopTwoEntries) {
    const RpnCase cases[] = {
        {"line and top", u"1\r2" SWAP, {u"2"}, u"1", 2},
        {"two entries", u"1\r2\r" SWAP, {u"2", u"1"}, u"", 1},
        {"line reference", u"7\r10\rANS(2)" SWAP, {u"7", u"ANS(1)"}, u"10", 7},
        {"entry reference merged", u"10\rANS(1)+1\r" SWAP, {u"(10)+1", u"10"}, u"", 10},
        {"entry reference kept", u"7\r10\rANS(2)+1\r" SWAP, {u"7", u"ANS(1)+1", u"10"}, u"", 10},
        {"moved down", u"7\rANS(1)\r5\r" SWAP, {u"7", u"5", u"ANS(2)"}, u"", 7},
        {"single entry", u"1\r" SWAP, {u"1"}, u"", 1},
    };
    run(cases);
    // The moved entries keep answering what they meant.
    clear();
    press(u"7\r10\rANS(2)+1\r" SWAP);
    EXPECT_DOUBLE_EQ(answerOf(1), 8);
}

TEST_F(RpnTest, EnterOnAnEmptyLinePushesACopyOfTheTopEntry) {
    press(u"6*7\r\r");
    EXPECT_EQ(joined(entries()), "'6*7' '6*7' ");
    EXPECT_DOUBLE_EQ(answerOf(1), 42);
    EXPECT_TRUE(doc().rpnDisplay());
}

TEST_F(RpnTest, CompositionOverOtherTextsAndClasses) {
    struct Case {
        const char* name;
        std::u16string before;  // keys first
        std::u16string keyText;
        std::vector<std::u16string> entries;
        std::u16string line;
    } cases[] = {
        {"join", u"1\r2\r", u",", {u"1,2"}, u""},
        {"row join", u"1\r2", u"|", {u"1|2"}, u""},
        {"assign the value below", u"5\ra", u"=", {u"a=5"}, u""},
        {"assignment typed whole", u"5\rb=3", u"=", {u"b=3"}, u""},
        {"braces on the line", u"1,2", u"{}", {}, u"{1,2}"},
        {"braces on the top", u"1,2\r", u"{}", {u"{1,2}"}, u""},
        {"prefix", u"a*b\r", u"V:", {u"V:a*b"}, u""},
        {"prefix already there", u"V:a*b\r", u"V:", {u"V:a*b"}, u""},
        {"built-in function", u"3\r", u"det()", {u"det(3)"}, u""},
        {"2-parameter built-in", u"2.567\r1\r", u"round()", {u"round(2.567,1)"}, u""},
        {"2-parameter on the line", u"2.567\r1", u"round()", {u"round(2.567,1)"}, u""},
        {"2-parameter with a comma", u"2.567,1", u"round()", {}, u"round(2.567,1)"},
        {"unknown name with arguments", u"2\r", u"foo(,1)", {u"foo(2,1)"}, u""},
        {"operand name typed", u"", u"pi", {}, u"pi"},
        {"parenthesis typed", u"2", u"(3", {}, u"2(3"},
        {"string entry", u"", u"\"\"", {}, u"\"\""},
    };
    for (const Case& c : cases) {
        clear();
        startRpn();
        press(c.before);
        engine::composeRpn(keys, c.keyText);
        EXPECT_EQ(joined(entries()), joined(c.entries)) << c.name;
        EXPECT_EQ(utf8(line()), utf8(c.line)) << c.name;
    }
    // A string entry leaves the caret inside its quotes and the RPN display.
    EXPECT_EQ(selectionEnd(), 1);
    EXPECT_FALSE(doc().rpnDisplay());
}

TEST_F(RpnTest, PrecedenceIsTheClassOfTheLastCode) {
    struct Case {
        std::u16string text;
        int precedence;
    } cases[] = {
        {u"3", 50}, {u"a", 50}, {u"1+2", 1}, {u"1-2*3", 1}, {u"2*3", 2},
        {u"-4", 2}, {u"det(2)", 5}, {u"2\u00B2", 50}, {u"", 50},
    };
    for (const Case& c : cases)
        EXPECT_EQ(engine::textPrecedence(c.text), c.precedence) << utf8(c.text);
}

TEST_F(RpnTest, ScientificKeysComposeFunctionsOfTheTopEntries) {
    useModule("Scientific");
    const RpnCase cases[] = {
        {"sin of the top entry", u"0\r{21}", {u"sin(0)"}, u"", 0},
        {"sin of the edit line", u"0{21}", {}, u"sin(0)", 0},
        {"rect of two entries", u"3\r0\r{42}", {u"rect(3,0)"}, u"", 3},
        {"rect of top and line", u"3\r0{42}", {u"rect(3,0)"}, u"", 3},
        {"power", u"1+1\r3\r{28}", {u"(1+1)^3"}, u"", 8},
        {"square of a sum", u"1+2\r{38}", {u"(1+2)\u00B2"}, u"", 9},
        {"ten to the power", u"2\r{37}", {u"10^(2)"}, u"", 100},
        {"operand key typed", u"{26}", {}, u"pi", 0},
        {"square root keeps an assignment", u"c=16\r{29}", {u"c=sqrt(16)"}, u"", 4},
    };
    run(cases);
}

TEST_F(RpnTest, AdvancedKeysComposeMatricesPrefixesAndFunctions) {
    useModule("Advanced");
    const RpnCase cases[] = {
        {"braces", u"1,2|3,4\r{21}", {u"{1,2|3,4}"}, u"", 1},
        {"determinant of the top", u"{1,2|3,4}\r{41}", {u"det({1,2|3,4})"}, u"", -2},
        {"element-wise prefix", u"a*b\r{26}", {u"V:a*b"}, u"", 0},
        {"inverse on the line", u"4{32}", {}, u"inv(4)", 0},
    };
    run(cases);
}

TEST_F(RpnTest, UndoRestoresTheTextsOfEachKindOfOperation) {
    useModule("Scientific");
    const RpnCase cases[] = {
        {"EXE pushed an entry", u"2\r", {}, u"2", 0},
        {"two entries merged", u"2\r3\r" PLUS, {u"2", u"3"}, u"", 3},
        {"line merged into the top", u"2\r3" PLUS, {u"2"}, u"3", 2},
        {"top negated", u"5\r" SIGN, {u"5"}, u"", 5},
        {"line sign changed", u"7" SIGN, {}, u"7", 0},
        {"function of the top", u"0\r{21}", {u"0"}, u"", 0},
        {"function of the line", u"0{21}", {}, u"0", 0},
        {"2-parameter function of two entries", u"3\r0\r{42}", {u"3", u"0"}, u"", 0},
        {"line and top swapped", u"1\r2" SWAP, {u"1"}, u"2", 1},
        {"entries swapped", u"1\r2\r" SWAP, {u"1", u"2"}, u"", 2},
        {"typed key", u"4\r12", {u"4"}, u"", 4},
    };
    for (const RpnCase& c : cases) {
        clear();
        press(c.keys);
        undo();
        check(c);
        EXPECT_EQ(doc().active(), doc().blocks().count() - 1) << c.name;
    }
}

}  // namespace
