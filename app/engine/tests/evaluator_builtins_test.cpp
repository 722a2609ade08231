// Built-in operators, from expression text to answer: each row is a line, the
// answer as plain text, and the code.
#include "engine/code_list.h"
#include "engine/evaluator.h"
#include "engine/value_stack.h"
#include "engine/variables.h"
#include "evaluator_test_support.h"

namespace engine::evaluation_testing {
namespace {

struct Row {
    const char16_t* line;
    const char* answer;  // ignored when the code is not 0
    uint16_t code;
};

class EvaluatorBuiltins : public EvaluatorTest {
protected:
    // Runs the setup lines before every row.
    static void check(std::initializer_list<std::u16string_view> setup,
                      std::initializer_list<Row> rows) {
        for (const Row& r : rows) {
            for (std::u16string_view l : setup) ASSERT_EQ(run(l).status, 0) << narrow(l);
            const Outcome out = run(r.line);
            EXPECT_EQ(out.status, r.code) << narrow(r.line);
            if (r.code == 0) {
                EXPECT_EQ(out.text, r.answer) << narrow(r.line);
            }
        }
    }
};

TEST_F(EvaluatorBuiltins, ArithmeticGoesThroughLattix) {
    check({}, {
        {u"1+2*3", "7", 0},
        {u"8-3-2", "3", 0},
        {u"i*i", "-1", 0},
        {u"(1+2i)/(1+i)", "1.5+0.5i", 0},
        {u"-{1,2}", "{-1,-2}", 0},
        {u"-\"ab\"", "ab", 0},
        {u"1/0", "", 52},
        {u"{1,2|3,4}+5", "", 51},
        {u"V:{1,2|3,4}+5", "{6,7|8,9}", 0},
        {u"V:{1,2}*{3,4}", "{3,8}", 0},
        {u"V:{1,2}/{1,0}", "", 52},
    });
}

TEST_F(EvaluatorBuiltins, LinearAlgebraAndParts) {
    check({}, {
        {u"inv({2,0|0,4})", "{0.5,0|0,0.25}", 0},
        {u"det({1,2|3,4})", "-2", 0},
        {u"det({1,2,3})", "", 51},
        {u"T({1,2})", "{1|2}", 0},
        {u"rref({2,4,6|1,3,5})", "{1,0,-1|0,1,2}", 0},
        {u"rref({1,2|2,4})", "", 51},
        {u"re(3+4i)", "3", 0},
        {u"im(3+4i)", "4", 0},
        {u"im(\"s\")", "s", 0},
        {u"round(123.456,3)", "123", 0},
        {u"round(0.0012345,3)", "0.0012", 0},
        {u"round(\"a\",3)", "", 14},
        {u"round(2,\"a\")", "", 14},
        {u"round(-123.456,3)", "-123", 0},
        {u"round(123.456,-5)", "100", 0},
        {u"round(1E300,100000)", "1E+300", 0},  // 10^digits would overflow
    });
}

TEST_F(EvaluatorBuiltins, BuildingMatrices) {
    check({}, {
        {u"{1,2|3,4}", "{1,2|3,4}", 0},
        {u"{1,2,3}", "{1,2,3}", 0},
        {u"{1|2|3}", "{1|2|3}", 0},
        {u"{1,2|3}", "{2|3}", 0},
        {u"{1,\"a\"}", "", 9},
        {u"I(2)", "{1,0|0,1}", 0},
        {u"I(0)", "", 62},
        {u"I(801)", "", 62},
        {u"I(444444444444443)", "", 62},
        {u"zero(2,3)", "{0,0,0|0,0,0}", 0},
        {u"zero(0,3)", "", 14},
        {u"zero(1000,1000)", "", 62},
        {u"zero(1,40000)", "", 62},
        {u"zero(200,200)[1:40000]", "", 62},  // one row longer than a Matrix can hold
        {u"mat(1,2,3,4,2,2)", "{1,2|3,4}", 0},
        {u"mat(1,2,2)", "", 11},
        {u"mat(1,0,2)", "", 14},
        {u"4:7", "{4,7}", 0},
        {u"4.9:7.9", "{4,7}", 0},
        {u"(1,2)", "2", 0},
        {u"1,2", "2", 0},
    });
}

TEST_F(EvaluatorBuiltins, Indexing) {
    check({u"m={1,2,3|4,5,6}"}, {
        {u"m[2]", "2", 0},
        {u"m[2,3]", "6", 0},
        {u"m[:,2]", "{2|5}", 0},
        {u"m[1:2,2:3]", "{2,3|5,6}", 0},
        {u"m[5:6]", "{5,6}", 0},
        {u"m[7]", "", 14},
        {u"m[3,1]", "", 14},
        {u"m[2:1]", "", 14},
        {u"m[1,2,3]", "", 6},
        {u"(m)[2]", "2", 0},
        {u"{7,8,9}[3]", "9", 0},
        {u"\"abcdef\"[2:4]", "bcd", 0},
        {u"\"abcdef\"[:]", "abcdef", 0},
        {u"\"abc\"[3:2]", "", 14},
        {u"\"abc\"[4]", "", 14},
        {u"\"abc\"[2,1]", "", 14},
    });
}

TEST_F(EvaluatorBuiltins, VariablesWithoutValueReadAsZero) {
    createVariable(u"q");
    EXPECT_EQ(run(u"q[1]").text, "0");
    createVariable(u"r");
    EXPECT_EQ(run(u"r").text, "0");
    EXPECT_EQ(run(u"t+x").text, "0");
    createVariable(u"u");
    EXPECT_EQ(run(u"u[2]=1").status, 14);  // set to 0 first, and never grown
}

TEST_F(EvaluatorBuiltins, AssignmentToWholeAndPartVariables) {
    const char* grid = "{1,2,3|4,5,6}";
    struct Case {
        const char16_t* line;
        uint16_t code;
        const char* m;  // m afterwards
    };
    const Case cases[] = {
        {u"m[2]=9", 0, "{1,9,3|4,5,6}"},
        {u"m[2,3]=7", 0, "{1,2,3|4,5,7}"},
        {u"m[:,1]={7|8}", 0, "{7,2,3|8,5,6}"},
        {u"m[5:6]={0,0}", 0, "{1,2,3|4,0,0}"},
        {u"m[1:2,1]={7,8}", 51, grid},
        {u"m[1]={1,2}", 51, grid},
        {u"m[7]=1", 14, grid},
        {u"m[3,1]=0", 14, grid},
        {u"m[2:1]=0", 14, grid},
        {u"m[1]=\"a\"", 51, grid},
        {u"m[1,1,1]=0", 6, grid},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(run(u"m={1,2,3|4,5,6}").status, 0);
        EXPECT_EQ(run(c.line).status, c.code) << narrow(c.line);
        EXPECT_EQ(run(u"m").text, c.m) << narrow(c.line);
    }
    // The value stays as the answer.
    EXPECT_EQ(run(u"m[1]=42").text, "42");
    EXPECT_EQ(run(u"b={1,2}").text, "{1,2}");
    EXPECT_EQ(run(u"b").text, "{1,2}");
    EXPECT_EQ(run(u"ANS[1]=2").status, 4);
}

TEST_F(EvaluatorBuiltins, AssignmentIntoStrings) {
    struct Case {
        const char16_t* line;
        uint16_t code;
        const char* s;
    };
    const Case cases[] = {
        {u"s[1:3]=\"abc\"", 0, "abclo"},
        {u"s[2]=\"a\"", 0, "hallo"},
        {u"s[1:3]=\"ab\"", 14, "hello"},
        {u"s[4:9]=\"abcdef\"", 14, "hello"},
        {u"s[3:2]=\"\"", 14, "hello"},
        {u"s[2,1]=\"a\"", 14, "hello"},
        {u"s[1]=5", 14, "hello"},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(run(u"s=\"hello\"").status, 0);
        EXPECT_EQ(run(c.line).status, c.code) << narrow(c.line);
        EXPECT_EQ(run(u"s").text, c.s) << narrow(c.line);
    }
    EXPECT_EQ(runAll({u"n=3", u"n[1]=\"a\""}).status, 51);
}

TEST_F(EvaluatorBuiltins, EvalRunsTextWithoutReportingItsFailures) {
    check({}, {
        {u"eval(\"1+2\")", "3", 0},
        {u"eval(3)", "", 9},
        {u"eval(\"1+\")", "0", 0},
        {u"eval(\"((\")", "0", 0},
        {u"eval(\"1/0\")", "0", 0},
        {u"eval(\"\")", "0", 0},
        {u"eval(\"eval(\"\"2*3\"\")\")", "0", 0},
    });
    // A text that evaluates itself ends at the nesting limit instead of
    // exhausting the machine's stack.
    EXPECT_EQ(runAll({u"e=\"eval(e)\"", u"eval(e)"}).text, "0");
    EXPECT_EQ(runAll({u"w=4", u"eval(\"w*2\")"}).text, "8");
}

TEST_F(EvaluatorBuiltins, ElementwiseFlagBelongsToEachList) {
    // The inner list has no "V:", so its product is a matrix product...
    EXPECT_EQ(run(u"V:eval(\"{1,2}*{3,4}\")").text, "0");
    EXPECT_EQ(run(u"eval(\"V:{1,2}*{3,4}\")").text, "{3,8}");
    // ...and the outer list gets its flag back afterwards.
    EXPECT_EQ(run(u"V:eval(\"1\")+{1,2}").text, "{2,3}");
    EXPECT_FALSE(elementwiseFlag());
}

TEST_F(EvaluatorBuiltins, StackIndexIsCheckedAfterEveryToken) {
    // 75 values fill slots 5 to 79; a 76th lands in the headroom.
    std::u16string full = u"1";
    for (int i = 1; i < 75; ++i) full += u",1";
    EXPECT_EQ(run(full).status, 0);
    EXPECT_EQ(run(full + u",2").status, 13);

    // An operator that takes more operands than there are is refused before
    // it runs: a block starts on slot 4 holding 0, whatever was left there.
    const Token add[] = {{code(Code::Add), 0.0}, {0, 0.0}};
    OwnedMatrix result(newMatrix(0, 0));
    setStackTop(kBlockStartTop);
    copyValMatrix(&valueStack()[kBlockStartTop], 5.0, 0.0);
    EXPECT_EQ(runCode(add, result.get(), 0), 11);
    EXPECT_EQ(textOf(result.get()), "0");
    for (int i = 0; i < kFirstValueSlot; ++i) EXPECT_EQ(textOf(&valueStack()[i]), "0") << i;

    // A run that starts with no room is refused before it touches anything.
    copyValMatrix(result.get(), 7.0, 0.0);
    setStackTop(80);
    const Token one[] = {{code(Code::Numeral), 1.0}, {0, 0.0}};
    EXPECT_EQ(runCode(one, result.get(), 0), 13);
    EXPECT_EQ(textOf(result.get()), "7");
    setStackTop(kBlockStartTop);

    // No list at all is an empty line: the answer 0.
    EXPECT_EQ(runCode(nullptr, result.get(), 0), 0);
    EXPECT_EQ(textOf(result.get()), "0");
}

TEST_F(EvaluatorBuiltins, ShortOperatorsReadZeroNotEarlierAnswers) {
    // Each block starts from a zero slot, so nothing leaks from one to the
    // next however often it runs.
    for (int i = 0; i < 3; ++i) {
        const Outcome out = run(u"5+");
        EXPECT_EQ(out.status, 0);
        EXPECT_EQ(out.text, "5") << "run " << i;
    }
    check({u"7*6"}, {
        {u"-", "-0", 0},
        {u"3*", "0", 0},
        {u"5-", "-5", 0},
        {u"2**3", "0", 0},
    });
    // Inside a nested run (eval here) the caller's values lie below: an
    // operator short of operands is refused there, and eval gives 0.
    check({}, {
        {u"10+eval(\"2**3\")", "10", 0},
        {u"10,20,eval(\"-\")", "0", 0},
        {u"{10,20,eval(\"4*\")}", "{10,20,0}", 0},
    });
}

TEST_F(EvaluatorBuiltins, EvaluationFlagRoundsAnswers) {
    setEvaluationFlag(true);
    const Outcome rounded = run(u"2/3");
    setEvaluationFlag(false);
    const Outcome exact = run(u"2/3");
    EXPECT_EQ(exact.value->re[0], 2.0 / 3.0);
    EXPECT_NE(rounded.value->re[0], 2.0 / 3.0);
    // The mantissa 0.666... lies below 1, so 12 digits keep 11.
    EXPECT_NEAR(rounded.value->re[0], 0.66666666667, 1e-16);
}

TEST_F(EvaluatorBuiltins, ScriptCodesWithoutTheScriptComponent) {
    EXPECT_EQ(run(u"save(\"w\")").status, kCantSaveWorkspace);
    EXPECT_EQ(run(u"load(\"w\")").status, kCantOpenFile);
    const Token loop[] = {{code(Code::Numeral), 1.0}, {code(Code::While), 3.0}, {0, 0.0}};
    OwnedMatrix result(newMatrix(0, 0));
    EXPECT_EQ(runCode(loop, result.get(), 0), kMissingControlStructure);
    EXPECT_EQ(textOf(result.get()), "1");

    static int calls = 0;
    calls = 0;
    setScriptCodeHandler([](const Token& t, int32_t, Matrix*, int16_t*) -> Status {
        ++calls;
        return t.code == engine::code(Code::While) ? 0 : 99;
    });
    EXPECT_EQ(runCode(loop, result.get(), 0), 0);
    EXPECT_EQ(calls, 1);
}

TEST_F(EvaluatorBuiltins, ResetStackGivesBackGrownSlots) {
    ASSERT_EQ(run(u"zero(100,100)").status, 0);
    EXPECT_GE(valueStack()[5].capacity, 10000);
    resetStack();
    for (int i = 0; i < kStackSlots; ++i) EXPECT_EQ(valueStack()[i].capacity, 1) << i;
    EXPECT_EQ(textOf(&valueStack()[5]), "0");
}

}  // namespace
}  // namespace engine::evaluation_testing
