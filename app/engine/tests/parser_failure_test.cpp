// Lines that fail, each with the code it must give; no failure leaves a list
// (and, under the sanitizers, nothing allocated).
#include <gtest/gtest.h>

#include "engine/compile_failure.h"
#include "engine/parser.h"
#include "engine/user_functions.h"
#include "engine/variables.h"
#include "engine_test_support.h"
#include "heap_failures.h"

namespace engine::testing {
namespace {

struct Row {
    std::u16string text;
    uint16_t status;
};

class ParserFailure : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        defineVariables({u"a", u"b"});
        setUserFunction(0, {u"g", 2});
    }

    static void expectRows(const std::vector<Row>& rows) {
        for (const Row& r : rows) {
            SCOPED_TRACE(utf8(r.text));
            const Compiled c = compileText(r.text);
            EXPECT_EQ(c.status, r.status);
            EXPECT_FALSE(c.hasList);
        }
    }
};

TEST_F(ParserFailure, UnrecognizedSymbols) {
    expectRows({
        {u"q", 1},           // a letter that is no variable
        {u"aq", 1},
        {u"3 @ 4", 1},
        {u"#", 1},           // no library knows it
        {u"1\t+2", 1},
        {u"1E", 1},
        {u"1Ex", 1},
        {u"2*1E", 1},
        {u"1" + std::u16string(100, u'0'), 1},
        {u"\"ok\"+q", 1},
    });
}

TEST_F(ParserFailure, MissingEndOfQuote) {
    expectRows({
        {u"\"abc", 2},
        {u"\"a\" + \"b", 2},
        {u"a=\"x", 2},
    });
}

TEST_F(ParserFailure, SyntaxErrors) {
    expectRows({
        {u"=3", 4},
        {u"  =3", 4},
        {u"a=b=3", 4},
        {u"2=3", 4},
        {u"(a)=3", 4},
        {u"{1,{2}}", 4},
        {u"abcdefghijk=1", 4},
        {std::u16string(98, u'a'), 4},
        {u"Q:text", 4},      // no library has externQ
        {u"x:3", 4},         // a letter and ':' make a library-text line
    });
}

TEST_F(ParserFailure, MissingParentheses) {
    expectRows({
        {u"((1)", 5},
        {u"1)", 5},
        {u"{1,2", 5},
        {u"a[1", 5},
        {u"}", 5},
        {u"a=(1", 5},
    });
}

TEST_F(ParserFailure, WrongNumberOfParameters) {
    expectRows({
        {u"det()", 6},
        {u"det(1,2)", 6},
        {u"det 2", 6},
        {u"round(1)", 6},
        {u"zero", 6},
        {u"g(1)", 6},
        {u"g(1,2,3)", 6},
        {u"g()", 6},
        {u"ANS()", 6},
    });
}

TEST_F(ParserFailure, EquationTooLong) {
    std::u16string chars;
    for (int i = 0; i < 100; ++i) chars += u"1+";
    chars += u"1";  // 201 characters
    std::u16string tokens = u"1";
    for (int i = 0; i < 33; ++i) tokens += u"[1]";  // 100 characters, 232 tokens
    expectRows({
        {chars, 7},
        {u"a=" + chars, 7},
        {tokens, 7},
        {std::u16string(41, u'(') + u"1" + std::u16string(41, u')'), 7},
        {std::u16string(500, u'('), 7},
    });
}

TEST_F(ParserFailure, LibraryTextLines) {
    loadFakeLibraries();
    std::u16string many = u"S:";
    for (int i = 0; i < 60; ++i) many += u"ANS";
    expectRows({
        {u"S:ANS(2", 4},
        {u"S:see ANS(", 4},
        {many, 7},
    });
    // Forty answers fit in the token buffer.
    std::u16string forty = u"S:";
    for (int i = 0; i < 40; ++i) forty += u"ANS";
    EXPECT_EQ(compileText(forty).status, 0);
}

TEST_F(ParserFailure, TheFirstFailureWins) {
    expectRows({
        {u"q+\"abc", 1},
        {u"\"abc\"+((q", 1},
        {u"det()+\"x", 6},
    });
}

TEST_F(ParserFailure, NullArgumentsAreRefused) {
    Token* list = reinterpret_cast<Token*>(1);
    EXPECT_EQ(compileExpression(nullptr, &list), 0);
    EXPECT_EQ(list, nullptr);
    EXPECT_EQ(compileExpression(u"1", nullptr), 4);
    freeCode(nullptr);
}

// Every allocation the parser makes is made to fail once in turn: each
// attempt must fail cleanly (no list, nothing leaked) until the line
// compiles.
TEST_F(ParserFailure, OutOfMemoryLeavesNothingBehind) {
    const char16_t* text = u"\"a\"+\"bc\"+{1,2}[1]";
    for (long k = 0;; ++k) {
        SCOPED_TRACE(k);
        Token* list = nullptr;
        uint16_t status;
        long failed;
        {
            orvana::testing::HeapFailures failures(k, 1);
            status = compileExpression(text, &list);
            failed = failures.failed();
        }
        if (failed == 0) {
            EXPECT_EQ(status, 0);
            EXPECT_NE(list, nullptr);
            freeCode(list);
            break;
        }
        EXPECT_EQ(status, 7);
        EXPECT_EQ(list, nullptr);
        ASSERT_LT(k, 50);
    }
}

// Where a failing line went wrong, as an index into the line as typed (so
// spaces, "V:" and the assignment's rewriting are accounted for); none when
// the line compiles or only the ordering of its tokens fails.
TEST_F(ParserFailure, TheTokenTheCompilerStoppedAtIsFoundInTheTypedLine) {
    constexpr int kNone = -1;
    const std::vector<std::pair<std::u16string, int>> rows = {
        {u"1+2", kNone},
        {u"#", 0},
        {u"1+#2", 2},
        {u"  1 +   #", 8},        // leading and inner spaces
        {u"V:1+#", 4},            // after the element-wise prefix
        {u"a=b+q", 4},            // the assignment is rewritten, positions are not
        {u"a[2]=b+q", 7},
        {u"3=4", 0},              // no variable before "="
        {u"a=1=2", 3},            // the second "="
        {u"=1", 0},
        {u"inv(1", 5},            // the line ends too early
        {u"1+)", 2},
        {u"\"open", 0},          // the quote never closes
        {u"abcdefghijklmno+1", 0},  // a name too long
        {u"g(1)", 3},             // the wrong number of arguments, at the ")"
        {u"1+*2", kNone},         // found only when the tokens are ordered
        {u"* a comment", kNone},
    };
    for (const auto& [text, column] : rows) {
        SCOPED_TRACE(utf8(text));
        const std::optional<size_t> at = compileFailureColumn(text);
        if (column == kNone) {
            EXPECT_FALSE(at.has_value()) << *at;
        } else {
            ASSERT_TRUE(at.has_value());
            EXPECT_EQ(*at, size_t(column));
        }
    }
}

}  // namespace
}  // namespace engine::testing
