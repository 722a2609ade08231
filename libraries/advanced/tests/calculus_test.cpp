// integ, ddt and solve on formulas given as text.
#include <cmath>

#include "advanced_test_support.h"
#include "engine/variables.h"

namespace advanced_testing {
namespace {

using Calculus = AdvancedTest;

TEST_F(Calculus, IntegrationMethods) {
    const struct {
        std::u16string_view line;
        double expected;
        double tolerance;
    } rows[] = {
        // Richardson extrapolation makes Romberg exact for cubics.
        {u"integ(\"x*x\",0,3)", 9.0, 1e-13},
        {u"integ(\"x*x\",0,3,\"x\")", 9.0, 1e-13},
        {u"integ(\"x*x*x\",-1,2)", 3.75, 1e-13},
        // Tolerance 1: one level, T(2,2), already Simpson's exact value.
        {u"integ(\"x*x\",0,3,1)", 9.0, 1e-13},
        // The tolerance bounds the error.
        {u"integ(\"x*x*x*x\",0,1)", 0.2, 1e-6},
        {u"integ(\"1/(1+x)\",0,1,1E-10)", 0.69314718055994531, 1e-10},
        {u"integ(\"1/(1+x*x)\",0,1,1E-12)", 0.78539816339744831, 1e-12},
        {u"integ(\"x*x\",0,3,4)", 9.0, 1e-13},
        {u"integ(\"x*x\",0,3,5)", 9.0, 1e-13},
        // Simpson is exact for cubics on any even partition.
        {u"integ(\"x*x*x\",0,2,5)", 4.0, 1e-13},
        {u"integ(\"x*x*x\",0,2,1.5)", 4.0, 1e-13},
        {u"integ(\"x*x\",3,0,4)", -9.0, 1e-13},
        {u"integ(\"1\",2,2)", 0.0, 0.0},
        {u"integ(\"2\",0,1,0)", 2.0, 1e-13},
    };
    for (const auto& row : rows) {
        const Outcome out = run(row.line);
        ASSERT_EQ(out.status, 0) << narrow(row.line);
        EXPECT_NEAR(out.re(), row.expected, row.tolerance) << narrow(row.line);
        EXPECT_EQ(out.value->kind, LATTIX_KIND_SCALAR);
    }
}

TEST_F(Calculus, SimpsonPartitions) {
    // 5 partitions become 6: the error term h^4 tells the counts apart.
    const double four = run(u"integ(\"x*x*x*x\",0,1,4)").re();
    const double five = run(u"integ(\"x*x*x*x\",0,1,5)").re();
    const double six = run(u"integ(\"x*x*x*x\",0,1,6)").re();
    const double two = run(u"integ(\"x*x*x*x\",0,1,2)").re();
    EXPECT_EQ(five, six);
    EXPECT_EQ(two, four);  // counts below 3 become 4
    EXPECT_NE(four, six);
    EXPECT_NEAR(six, 0.2, 1e-3);
}

TEST_F(Calculus, RombergOutOfLevels) {
    // A negative tolerance can never be met: 8 levels, then 103 with the
    // last estimate as the answer.
    const Outcome out = run(u"integ(\"x*x\",0,3,-1)");
    EXPECT_EQ(out.status, routed(103));
}

TEST_F(Calculus, IntegrationKeepsX) {
    runOk(u"x=7");
    runOk(u"integ(\"x*x\",0,3)");
    EXPECT_EQ(variable(u"x").re(), 7.0);
    runOk(u"x={1,2}");
    runOk(u"integ(\"x*x\",0,3,4)");
    EXPECT_EQ(variable(u"x").reals(), (std::vector<double>{1, 2}));
    // The formula sees x as a scalar while it runs.
    EXPECT_NEAR(run(u"integ(\"size(x)*{1|0}\",0,1)").re(), 1.0, 1e-12);
}

TEST_F(Calculus, Derivatives) {
    runOk(u"x=2");
    EXPECT_NEAR(run(u"ddt(\"x*x*x\")").re(), 12.0, 1e-8);
    EXPECT_NEAR(run(u"ddt(\"x*x*x\",0.1)").re(), 12.0, 1e-12);
    // The five-point rule with d = 0.1 is not exact for x^5: its error
    // shows which step was used.
    const auto fifth = [](double v) { return v * v * v * v * v; };
    const double d = 0.1;
    const double rule =
        (fifth(2 - 2 * d) - 8 * fifth(2 - d) + 8 * fifth(2 + d) - fifth(2 + 2 * d)) / (12 * d);
    EXPECT_GT(std::fabs(rule - 80.0), 1e-4);
    EXPECT_NEAR(run(u"ddt(\"x*x*x*x*x\",0.1)").re(), rule, 1e-10);
    EXPECT_NEAR(run(u"ddt(\"x*x*x*x*x\")").re(), 80.0, 1e-6);
    EXPECT_EQ(variable(u"x").re(), 2.0);
}

TEST_F(Calculus, RootSearch) {
    const struct {
        std::u16string_view line;
        double expected;
    } rows[] = {
        {u"solve(\"x*x-2\",0,2)", std::sqrt(2.0)},
        {u"solve(\"x*x-2\",0,20)", std::sqrt(2.0)},  // the scan finds the bracket
        {u"solve(\"x-3\")", 3.0},                    // stepped out from 0
        {u"solve(\"x\",-1,1)", 0.0},
        {u"solve(\"x-1\",1,5)", 1.0},  // a bound that is the root
        {u"solve(\"c-5\",\"c\")", 5.0},
        {u"solve(\"c*c-9\",0,10,\"c\")", 3.0},
    };
    for (const auto& row : rows) {
        const Outcome out = run(row.line);
        ASSERT_EQ(out.status, 0) << narrow(row.line);
        EXPECT_NEAR(out.re(), row.expected, 1e-7) << narrow(row.line);
    }
}

TEST_F(Calculus, RootSearchFailures) {
    const Outcome none = run(u"solve(\"x*x+1\",-1,1)");
    EXPECT_EQ(none.status, routed(101));
    EXPECT_EQ(none.re(), 0.0);
    // Bounds of equal sign are scanned for a sign change, reversed ones not.
    EXPECT_NEAR(run(u"solve(\"(x-1)*(x-3)\",0,4)").re(), 1.0, 1e-7);
    EXPECT_EQ(run(u"solve(\"(x-1)*(x-3)\",4,0)").status, routed(101));
}

TEST_F(Calculus, RootSearchRestoresItsVariable) {
    runOk(u"x=42");
    runOk(u"solve(\"x*x-2\",0,2)");
    EXPECT_EQ(variable(u"x").re(), 42.0);
    EXPECT_EQ(run(u"solve(\"x*x+1\",-1,1)").status, routed(101));
    EXPECT_EQ(variable(u"x").re(), 42.0);

    // A variable solve creates keeps the value it was created with.
    ASSERT_EQ(::findVariable(u"q"), KEYPAD_NO_VARIABLE);
    EXPECT_NEAR(run(u"solve(\"q-5\",\"q\")").re(), 5.0, 1e-9);
    EXPECT_NE(::findVariable(u"q"), KEYPAD_NO_VARIABLE);
    EXPECT_EQ(variable(u"q").re(), 0.0);
    runOk(u"q=\"text\"");
    EXPECT_NEAR(run(u"solve(\"q-5\",\"q\")").re(), 5.0, 1e-9);
    EXPECT_EQ(variable(u"q").value->kind, LATTIX_KIND_STRING);
}

TEST_F(Calculus, ArgumentRefusals) {
    const struct {
        std::u16string_view line;
        uint16_t code;
    } rows[] = {
        {u"integ(\"x\",0)", 6},
        {u"integ(\"x\",0,1,2,3)", 6},
        {u"integ(5,0,1)", 8},
        {u"integ(\"x\",\"a\",1)", 9},
        {u"integ(\"x\",0,1,2000000)", 14},
        {u"ddt(\"x\",1,2)", 6},
        {u"ddt()", 6},
        {u"ddt(3)", 8},
        {u"ddt(\"x\",0)", 14},
        {u"solve()", 6},
        {u"solve(\"x\",1,2,\"x\",5)", 6},
        {u"solve(5,0,1)", 8},
        {u"solve(\"x\",5)", 8},
        {u"solve(\"x\",0,1,7)", 8},
        {u"solve(\"x\",\"\")", 14},
        {u"solve(\"x\",\"waytoolongname\")", 14},
    };
    for (const auto& row : rows)
        EXPECT_EQ(run(row.line).status, routed(row.code)) << narrow(row.line);
}

TEST_F(Calculus, AFailingEvaluationEndsTheOperatorWithItsCode) {
    // 1/x has no value at 0: division by zero, code 52.
    const struct {
        std::u16string_view line;
        uint16_t code;
    } rows[] = {
        {u"integ(\"1/x\",0,1)", 52},
        {u"integ(\"1/x\",0,1,4)", 52},
        {u"integ(\"1/(x-0.5)\",0,1,1E-3)", 52},
        {u"ddt(\"1/x\",0.5)", 52},
        {u"solve(\"1/(x-1)\",1,2)", 52},
        {u"integ(\"zero(0,1)\",0,1)", 14},
    };
    runOk(u"x=1");
    for (const auto& row : rows)
        EXPECT_EQ(run(row.line).status, routed(row.code)) << narrow(row.line);
    EXPECT_EQ(variable(u"x").re(), 1.0);
    // Only the first run of solve's unbounded start may fail: it starts
    // again off 0.
    EXPECT_NEAR(run(u"solve(\"1/x-1\")").re(), 1.0, 1e-7);
}

TEST_F(Calculus, CompileFailuresComeBackUnchanged) {
    // "Missing parenthesis" from the compiler, as the library's own code.
    EXPECT_EQ(run(u"integ(\"(x\",0,1)").status, routed(5));
    EXPECT_EQ(run(u"ddt(\"(x\")").status, routed(5));
    EXPECT_EQ(run(u"solve(\"(x\",0,1)").status, routed(5));
}

}  // namespace
}  // namespace advanced_testing
