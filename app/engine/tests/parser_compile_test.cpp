// Lines that compile, checked through their disassembly.
#include <gtest/gtest.h>

#include "engine/script_folder.h"
#include "engine/user_functions.h"
#include "engine/variables.h"
#include "engine_test_support.h"

namespace engine::testing {
namespace {

struct Row {
    std::u16string_view text;
    const char* code;
};

class ParserCompile : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        defineVariables({u"a", u"b", u"c", u"m", u"e", u"ff", u"A", u"B", u"s"});
        loadFakeLibraries();
        setUserFunction(0, {u"g", 2});
        setUserFunction(1, {u"h", 0});
        setUserFunction(2, {u"fa", 1});
    }

    static void expectRows(std::initializer_list<Row> rows) {
        for (const Row& r : rows) {
            SCOPED_TRACE(utf8(r.text));
            const Compiled c = compileText(r.text);
            EXPECT_EQ(c.status, 0);
            EXPECT_TRUE(c.hasList);
            EXPECT_EQ(c.code, r.code);
        }
    }
};

TEST_F(ParserCompile, FunctionArgumentsPrecedeTheFunction) {
    expectRows({
        {u"round(x,2)", "x 2 round"},
        {u"det(2)", "2 det"},
        {u"det(a)*b", "a det b *"},
        {u"mat(2,3)", "2 3 mat"},
        {u"eval(\"1+2\")", "\"1+2\" eval"},
        {u"sin(x)", "x lib1:0x0115"},
        {u"pairtest()", "0 lib1:0x02F5"},
        {u"pairtest(1,2,3)", "1 2 3 3 lib1:0x02F5"},
        {u"FOR(x,1,3,1)", "x 1 3 1 FOR:0"},
        {u"WHILE(x)", "x WHILE:0"},
        {u"x ; y", "x y"},
    });
}

TEST_F(ParserCompile, MatrixLiteralsPushElementsRowsAndCount) {
    expectRows({
        {u"{1,2|3,4}", "1 2 3 4 2 4 {"},
        {u"{1,2,3}", "1 2 3 1 3 {"},
        {u"{1|2|3}", "1 2 3 3 3 {"},
        {u"{1,2|3}", "1 2 3 2 3 {"},
        {u"{1,2}{3,4}", "1 2 1 2 { 3 4 1 2 { *"},
        {u"{1,2,3}[2]", "1 2 3 1 3 { 2 1 [ index"},
    });
}

TEST_F(ParserCompile, IndexingAndRanges) {
    expectRows({
        {u"a[2,3]", "2 3 2 a[]"},
        {u"a[:,4:7]", ": 4 7 range 2 a[]"},
        {u"a[:,1]", ": 1 2 a[]"},
        {u"a[1:3]", "1 3 range 1 a[]"},
        {u"4:7", "4 7 range"},
        {u"4:7+1", "4 7 1 + range"},
        {u"(m)[2]", "m 2 1 [ index"},
        {u"ANS", "ANS"},
        {u"ANS(2)", "2 ANS()"},
        {u"ANS[1]", "1 1 ANS[]"},
    });
}

TEST_F(ParserCompile, AssignmentsBecomeIndexedStores) {
    expectRows({
        {u"b={1,2}", "1 2 1 2 { 1 =:b"},
        {u"a=3+4", "3 4 + 1 =:a"},
        {u"a[2]=5", "2 5 2 =:a"},
        {u"m[1,2]=b", "1 2 b 3 =:m"},
        {u"ANS[1]=2", "1 2 2 =:ANS"},
        {u"a = 1 ; 2", "1 2 2 =:a"},
    });
}

TEST_F(ParserCompile, PrecedenceAndAssociativity) {
    expectRows({
        {u"8-3-2", "8 3 - 2 -"},
        {u"2+3*4", "2 3 4 * +"},
        {u"2*3+4", "2 3 * 4 +"},
        {u"2^3^2", "2 3 lib1:0x0103 2 lib1:0x0103"},
        {u"2*3^2", "2 3 2 lib1:0x0103 *"},
        {u"-2^2", "2 2 lib1:0x0103 neg"},
        {u"2^-3", "2 3 pneg lib1:0x0103"},
        {u"-a*b", "a neg b *"},
        {u"1+-2", "1 2 neg +"},
        {u"+3", "3"},
        {u"(+3)", "3"},
        // A plus wherever a minus would be unary is dropped.
        {u"2*+3", "2 3 *"},
        {u"{1,+2}", "1 2 1 2 {"},
        {u"3-+2", "3 2 -"},
        {u"1++2", "1 2 +"},
        {u"2^+3", "2 3 lib1:0x0103"},
        {u"2/+-3", "2 3 neg /"},
        {u"_NOT_A*B", "A lib1:0x0305 B *"},
        {u"((1+2))*3", "1 2 + 3 *"},
    });
}

TEST_F(ParserCompile, ImplicitMultiplication) {
    expectRows({
        {u"2x", "2 x *"},
        {u"2(x+1)", "2 x 1 + *"},
        {u"(a)(b)", "a b *"},
        {u"x2", "x 2 *"},
        {u"2e3", "2 e * 3 *"},
        {u"2i", "2 i *"},
        {u"i*i", "i i *"},
        {u"3!2", "3 lib1:0x0204 2 *"},
        {u"2h", "2 h *"},
    });
}

TEST_F(ParserCompile, NamedOperatorsDropTheImplicitProduct) {
    expectRows({
        {u"3 mod 2", "3 2 lib1:0x0101"},
        {u"3 fact", "3 lib1:0x0104"},
        {u"3!", "3 lib1:0x0204"},
        {u"2pi", "2 lib1:0x0100 *"},
    });
}

TEST_F(ParserCompile, NamesResolveToVariablesOrLetterRuns) {
    expectRows({
        {u"xy", "x y *"},
        {u"abc", "a b * c *"},
        {u"ab[2]", "a 2 1 b[] *"},
        {u"0xff", "0 ff *"},
    });
    defineVariables({u"xy"});
    expectRows({{u"xy", "xy"}});
}

TEST_F(ParserCompile, NumeralForms) {
    expectRows({
        {u"0xFFFFFFFF", "4294967295"},
        {u"0x80000000", "2147483648"},
        {u"0x1F.8", "31"},
        {u"0x123456789", "4294967295"},
        {u"0x", "0"},
        {u"1.5E-3", "0.0015"},
        {u"2.5E2", "250"},
        {u"1.2.3", "1.2"},
        {u"1E+", "1"},
        {u".5", "0.5"},
        {u"1E400", "inf"},
    });
}

TEST_F(ParserCompile, StringLiteralsKeepTheirText) {
    expectRows({
        {u"\"a:b\"", "\"a:b\""},
        {u"\"x y = 2\"", "\"x y = 2\""},
        {u"s=\"a;b]\"", "\"a;b]\" 1 =:s"},
    });
    const std::u16string longText = u"\"" + std::u16string(120, u'q') + u"\"";
    const Compiled c = compileText(longText);
    EXPECT_EQ(c.code, "\"" + std::string(99, 'q') + "\"");
}

TEST_F(ParserCompile, UserFunctionsAndLibraries) {
    expectRows({
        {u"g(1,2)", "1 2 g"},
        {u"fa(2)", "2 fa"},
        {u"h", "h"},
        {u"cos(x)", "x lib2:0x0115"},
        {u"3#2", "3 2 lib2:0x0A02"},
    });
}

TEST_F(ParserCompile, CommasOutsideFunctionsSeparateNothing) {
    expectRows({
        {u"1,2", "1 2"},
        {u"(1,2)", "1 2"},
    });
}

TEST_F(ParserCompile, ElementwiseLinesStartWithTheMarker) {
    expectRows({
        {u"V:a*b", "V: a b *"},
        {u"  V:S:x", "V: \"x\" lib1:0x0405"},
    });
}

TEST_F(ParserCompile, LibraryTextLinesSpliceEarlierAnswers) {
    expectRows({
        {u"S:fit ANS(2) to data", "\"fit \" ANS$2 + \" to data\" + lib1:0x0405"},
        {u"S:   plain = text", "\"plain = text\" lib1:0x0405"},
        {u"S:ANS", "\"\" ANS$1 + \"\" + lib1:0x0405"},
        {u"S:ANSANS(3)", "\"\" ANS$1 + \"\" + ANS$3 + \"\" + lib1:0x0405"},
    });
}

TEST_F(ParserCompile, BlankAndCommentLines) {
    for (std::u16string_view text : {u"", u"    "}) {
        const Compiled c = compileText(text);
        EXPECT_EQ(c.status, 0);
        EXPECT_FALSE(c.hasList);
    }
    for (std::u16string_view text : {u"*x", u"   * anything (", u"*"}) {
        const Compiled c = compileText(text);
        EXPECT_EQ(c.status, 63);
        EXPECT_FALSE(c.hasList);
    }
}

TEST_F(ParserCompile, LimitsAreInclusive) {
    // 200 characters, spaces aside, and 40 open levels still compile.
    std::u16string line;
    for (int i = 0; i < 99; ++i) line += u"1 + ";
    line += u"11";
    EXPECT_EQ(compileText(line).status, 0);

    const std::u16string nested = std::u16string(40, u'(') + u"1" + std::u16string(40, u')');
    EXPECT_EQ(compileText(nested).code, "1");

    EXPECT_EQ(compileText(u"abcdefghij=1").status, 0);
}

}  // namespace
}  // namespace engine::testing
