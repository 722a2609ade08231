// A press during a long evaluation stops it wherever the time goes (a big
// operator, calls nested deep in user functions) with message 65, assigns
// nothing, ends a running script, and leaves the engine working as before.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "engine/messages.h"
#include "engine/parser.h"
#include "engine/scripts.h"
#include "engine/user_functions.h"
#include "evaluator_test_support.h"
#include "long_work_stop.h"

namespace engine::evaluation_testing {
namespace {

using orvana::testing::LongWorkStop;

class LongWorkStopTest : public EvaluatorTest {
  protected:
    void SetUp() override {
        EvaluatorTest::SetUp();
        clearScriptAbort();
        ASSERT_EQ(runAll({u"a=I(64)*2", u"b=5"}).status, 0);
    }
    void TearDown() override {
        resetUserFunctions();
        for (Token*& l : lists_) freeCode(l);
        clearScriptAbort();
        EvaluatorTest::TearDown();
    }
    void define(int slot, std::u16string name, int parameters, const std::u16string& text) {
        Token*& list = lists_[size_t(slot)];
        ASSERT_TRUE(
            setUserFunction(slot, UserFunction{std::move(name), parameters, &list, nullptr}));
        ASSERT_EQ(compileExpression(text.c_str(), &list), 0);
    }

  private:
    std::array<Token*, kUserFunctionSlots> lists_{};
};

TEST_F(LongWorkStopTest, BigOperatorsStopWith65AndTheAssignmentAssignsNothing) {
    for (std::u16string_view value : {u"a*a", u"inv(a)", u"det(a)", u"a*a*a"}) {
        const std::u16string assignment = u"b=" + std::u16string(value);
        const Outcome plain = run(value);
        ASSERT_EQ(plain.status, 0) << narrow(value);
        const std::string& expected = plain.text;
        {
            const LongWorkStop stop;
            EXPECT_EQ(run(assignment).status, kInterrupted) << narrow(value);
        }
        EXPECT_EQ(run(u"b").text, "5") << narrow(value);
        // Nothing is left stopped: the same line runs to its answer.
        EXPECT_EQ(runAll({assignment, u"b=b"}).text, expected) << narrow(value);
        ASSERT_EQ(run(u"b=5").status, 0);
    }
    EXPECT_EQ(narrow(messageText(kInterrupted)), "Interrupted");
}

TEST_F(LongWorkStopTest, AStopInsideNestedUserFunctionsEndsTheOutermostRunAndItsScript) {
    define(0, u"sq", 1, u"x*x");
    define(1, u"quad", 1, u"sq(sq(x))");
    {
        const LongWorkStop stop;
        EXPECT_EQ(run(u"b=quad(a)").status, kInterrupted);
        EXPECT_TRUE(scriptAborted());
    }
    EXPECT_EQ(run(u"b").text, "5");
    EXPECT_EQ(run(u"x").text, "0");  // the parameters were given back
    clearScriptAbort();
    EXPECT_EQ(run(u"b=quad(a)").text, run(u"a*a*a*a").text);
    EXPECT_FALSE(scriptAborted());
}

TEST_F(LongWorkStopTest, AnEndlessFanOfUserFunctionCallsIsStoppedByTheTokenCount) {
    // fa = x+1 and each next one calls the one before twice: 2^20 small
    // runs, where only the evaluator's own token count notices the time.
    std::u16string callee = u"fa";
    define(0, callee, 1, u"x+1");
    for (int k = 1; k <= 20; ++k) {
        const std::u16string name{u'f', char16_t(u'a' + k)};
        define(k, name, 1, callee + u"(x)+" + callee + u"(x)");
        callee = name;
    }
    {
        const LongWorkStop stop;
        EXPECT_EQ(run(u"b=fu(1)").status, kInterrupted);
        EXPECT_EQ(stop.pointerPolls(), 1);
    }
    EXPECT_EQ(run(u"b").text, "5");
    EXPECT_EQ(run(u"fd(1)").text, "16");
}

TEST_F(LongWorkStopTest, TooDeepRecursionStillEndsWithStackOverflowBeforeAnyStop) {
    define(0, u"r", 1, u"r(x*a)");
    const LongWorkStop nobodyPresses(0);
    EXPECT_EQ(run(u"b=r(1)").status, kStackOverflow);
    EXPECT_EQ(run(u"b").text, "5");
}

}  // namespace
}  // namespace engine::evaluation_testing
