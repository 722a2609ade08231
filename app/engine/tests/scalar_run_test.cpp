// Lists of scalar arithmetic run on plain values: the same answers, stack
// and variables as the matrix path, falling back to it for anything that is
// not a scalar, and still stopped by a press during a long run.
#include <gtest/gtest.h>

#include "engine/evaluator.h"
#include "engine/long_run.h"
#include "engine/parser.h"
#include "engine/scripts.h"
#include "engine/value_stack.h"
#include "engine/variables.h"
#include "evaluator_test_support.h"
#include "platform/clock.h"
#include "scripted_backend.h"

namespace engine::evaluation_testing {
namespace {

using ScalarRun = EvaluatorTest;

struct Case {
    const char* what;
    std::vector<std::u16string_view> lines;
    uint16_t status;
    std::string answer;
};

TEST_F(ScalarRun, AnswersMatchTheMatrixArithmetic) {
    const Case cases[] = {
        {"real chain", {u"x=2", u"x*3.5-2+x*x"}, 0, "9"},
        {"complex product", {u"(1+2i)*(3-i)"}, 0, "5+5i"},
        {"complex quotient falls back", {u"(1+2i)/(1+i)"}, 0, "1.5+0.5i"},
        {"zero divisor falls back with its code", {u"x=0", u"5/x"}, 52, "5"},
        {"matrix variable falls back", {u"m={1,2}", u"V:m*2+1"}, 0, "{3,5}"},
        {"matrix and scalar keep their code", {u"m={1,2}", u"m*2+1"}, 51, "{2,4}"},
        {"string variable falls back", {u"s=\"ab\"", u"s+s"}, 0, "abab"},
        {"assignment of a scalar", {u"a=1", u"a=a+41", u"a"}, 0, "42"},
        {"assignment of a matrix falls back", {u"b={1,2}*2", u"b"}, 0, "{2,4}"},
        {"unary minus keeps the signed zero", {u"-(2i)"}, 0, "-0-2i"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        resetEngine();
        Outcome out;
        for (std::u16string_view line : c.lines) out = run(line);
        EXPECT_EQ(out.status, c.status);
        EXPECT_EQ(out.text, c.answer);
        EXPECT_EQ(stackTop(), kBlockStartTop);
    }
}

// A variable without a value reads as 0 and holds 0 from then on, whether
// the list runs on plain values or falls back.
TEST_F(ScalarRun, AnEmptyVariableReadsZero) {
    for (std::u16string_view line : {u"e*2+1", u"e*2+\"a\""}) {
        resetEngine();
        const uint16_t e = createVariable(u"e");
        ASSERT_EQ(variableAt(e)->kind, LATTIX_KIND_EMPTY);
        run(line);
        const Matrix* value = variableAt(e);
        ASSERT_EQ(value->kind, LATTIX_KIND_SCALAR);
        EXPECT_EQ(value->re[0], 0.0);
    }
    resetEngine();
    createVariable(u"e");
    EXPECT_EQ(run(u"e*2+1").text, "1");
}

// A nested run (eval inside a line) starts on its caller's top and leaves
// the caller's values alone.
TEST_F(ScalarRun, NestedRunsKeepTheCallersValues) {
    const Outcome out = run(u"10+eval(\"2*3\")*2");
    EXPECT_EQ(out.status, 0);
    EXPECT_EQ(out.text, "22");
}

TEST_F(ScalarRun, APressStopsAStringOfScalarRuns) {
    orvana::testing::ScriptedBackend ui;
    platformUseVirtualClock(1);
    clearScriptAbort();
    createVariable(u"s");
    Token* list = nullptr;
    ASSERT_EQ(compileExpression(u"s=s+1", &list), 0);
    uint16_t status = 0;
    int runs = 0;
    {
        const LongRunWatch outer(true);
        ui.setPointerPressed(true);
        for (; runs < 100000 && status == 0; ++runs) {
            if (runs == 2000) platformAdvanceClock(kLongRunMs);
            setStackTop(kBlockStartTop);
            status = runCode(list, nullptr, 0);
        }
    }
    EXPECT_EQ(status, 65);
    EXPECT_TRUE(scriptAborted());
    // Five tokens a run: stopped within a few thousand tokens of the clock
    // passing the limit.
    EXPECT_LT(runs, 2000 + 2 * int(kTokensBetweenChecks));
    freeCode(list);
    // The run that answered 65 did nothing: every run before it added one.
    clearScriptAbort();
    EXPECT_EQ(run(u"s").text, std::to_string(runs - 1));
    platformUseVirtualClock(0);
}

}  // namespace
}  // namespace engine::evaluation_testing
