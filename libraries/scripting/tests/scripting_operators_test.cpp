// The scripting keypad's operators through the engine: comparisons, mod,
// frac, int, sign, angle, isvar and EPS, with their failures.
#include <cmath>
#include <string>
#include <vector>

#include "scripting_test_support.h"

namespace scripting::testing {
namespace {

struct ValueCase {
    std::u16string line;
    std::vector<double> reals;
};

class Values : public ScriptingTest, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(Values, GiveTheirAnswer) {
    const ValueCase& c = GetParam();
    const Outcome out = run(c.line);
    ASSERT_EQ(out.status, 0) << narrowView(c.line) << ": " << message(out.status);
    EXPECT_EQ(reals(out), c.reals) << narrowView(c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Operators, Values,
    ::testing::Values(
        // Comparisons of scalars.
        ValueCase{u"3_LT_4", {1}}, ValueCase{u"4_LT_3", {0}}, ValueCase{u"3_LT_3", {0}},
        ValueCase{u"5_GT_2", {1}}, ValueCase{u"2_GT_5", {0}}, ValueCase{u"2_EQ_2", {1}},
        ValueCase{u"2_EQ_2.5", {0}}, ValueCase{u"3_LE_3", {1}}, ValueCase{u"4_LE_3", {0}},
        ValueCase{u"3_GE_3", {1}}, ValueCase{u"2_GE_3", {0}}, ValueCase{u"2_NE_3", {1}},
        ValueCase{u"3_NE_3", {0}},
        // Only the real parts are compared.
        ValueCase{u"(1+5i)_EQ_(1-2i)", {1}},
        // Level 1: below "*", so the products are compared.
        ValueCase{u"2*3_EQ_6", {1}}, ValueCase{u"1_LT_2_EQ_1", {1}},
        // Element-wise: shapes matched, a scalar spread over a matrix.
        ValueCase{u"V:{1,5}_GT_{2,2}", {0, 1}}, ValueCase{u"V:{1,2|3,4}_LE_2", {1, 1, 0, 0}},
        ValueCase{u"V:3_NE_{1,3,5}", {1, 0, 1}}, ValueCase{u"V:2_EQ_2", {1}},
        // mod: the remainder takes the sign of x; the first elements count.
        ValueCase{u"mod(-7,3)", {-1}}, ValueCase{u"mod(7,3)", {1}}, ValueCase{u"mod(7,-3)", {1}},
        ValueCase{u"mod(5.5,2)", {1.5}}, ValueCase{u"mod({9,1},{4,7})", {1}},
        ValueCase{u"mod(0,3)", {0}},
        // frac and int split a value whose fraction is not within 1e-13 of 1.
        ValueCase{u"frac(2.9999999999999996)", {0}},
        ValueCase{u"int(2.9999999999999996)", {2.9999999999999996}},
        ValueCase{u"frac(-1.25)", {-0.25}}, ValueCase{u"int(-1.25)", {-1}},
        ValueCase{u"frac(7.5)", {0.5}}, ValueCase{u"int(7.5)", {7}},
        ValueCase{u"frac(-3.9999999999999)", {0}}, ValueCase{u"int(-3.99999999999999)", {-3.99999999999999}},
        ValueCase{u"frac({1.5,-2.25|3,0.125})", {0.5, -0.25, 0, 0.125}},
        ValueCase{u"int({1.5,-2.25|3,0.125})", {1, -2, 3, 0}},
        // A fraction below 2^-51 in magnitude is 0 in frac only.
        ValueCase{u"frac(1+EPS)", {0}}, ValueCase{u"frac(EPS)", {0}},
        ValueCase{u"frac(-1-EPS)", {0}}, ValueCase{u"frac(0.5+4*EPS)", {0.5 + 0x1p-50}},
        // sign: 1 for 0 and for positive values.
        ValueCase{u"sign(0)", {1}}, ValueCase{u"sign(-0.5)", {-1}}, ValueCase{u"sign(3)", {1}},
        ValueCase{u"sign({-2,0,2})", {-1, 1, 1}},
        // isvar: the six predefined globals exist.
        ValueCase{u"isvar(\"q\")", {0}}, ValueCase{u"isvar(\"x\")", {1}},
        ValueCase{u"isvar(5)", {0}}, ValueCase{u"isvar({1,2})", {0}},
        // EPS: the distance from 1 to the next larger double.
        ValueCase{u"EPS", {2.220446049250313e-16}}, ValueCase{u"(1+EPS)_GT_1", {1}},
        ValueCase{u"(1+EPS/2)_EQ_1", {1}}));

TEST_F(ScriptingTest, ComplexPartsSurviveWhereTheyShould) {
    // A truth value is real.
    Outcome out = run(u"(1+2i)_LT_(3+4i)");
    ASSERT_EQ(out.status, 0);
    EXPECT_EQ(out.re(), 1);
    EXPECT_EQ(out.value->im[0], 0);
    // frac and int work on both parts, sign drops the imaginary part.
    out = run(u"frac(2.5-1.75i)");
    EXPECT_EQ(out.re(), 0.5);
    EXPECT_EQ(out.value->im[0], -0.75);
    out = run(u"int(2.5-1.75i)");
    EXPECT_EQ(out.re(), 2);
    EXPECT_EQ(out.value->im[0], -1);
    out = run(u"sign(-2+3i)");
    EXPECT_EQ(out.re(), -1);
    EXPECT_EQ(out.value->im[0], 0);
    // mod keeps the real parts only.
    out = run(u"mod(7+2i,3)");
    EXPECT_EQ(out.re(), 1);
    EXPECT_EQ(out.value->im[0], 0);
}

TEST_F(ScriptingTest, AngleFollowsTheBlocksAngleMode) {
    Outcome out = run(u"angle(90)");
    ASSERT_EQ(out.status, 0);
    EXPECT_EQ(out.re(), 1.5707963267948966);
    out = run(u"angle(90)", 1);
    EXPECT_EQ(out.re(), 90);
    out = run(u"angle({180,45+90i})");
    EXPECT_EQ(reals(out), (std::vector<double>{180 * 0.017453292519943295,
                                                 45 * 0.017453292519943295}));
    EXPECT_EQ(out.value->im[1], 90 * 0.017453292519943295);
}

struct FailureCase {
    std::u16string line;
    int code;
    const char* message;
};

class Failures : public ScriptingTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(Failures, GiveTheirCodeAndMessage) {
    const FailureCase& c = GetParam();
    const Outcome out = run(c.line);
    EXPECT_EQ(out.status, routed(uint16_t(c.code))) << narrowView(c.line);
    EXPECT_EQ(message(out.status), c.message) << narrowView(c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Operators, Failures,
    ::testing::Values(
        FailureCase{u"mod(7,0)", 10, "Divide by zero"},
        FailureCase{u"mod(7,0+3i)", 10, "Divide by zero"},
        FailureCase{u"mod(\"a\",2)", 14, "Invalid parameter value"},
        FailureCase{u"{1,2}_LT_3", 55, "Not supported on data type"},
        FailureCase{u"1_EQ_\"a\"", 55, "Not supported on data type"},
        FailureCase{u"V:{1,2}_LT_{1,2,3}", 9, "Incompatible data types"},
        FailureCase{u"V:\"a\"_NE_\"b\"", 9, "Incompatible data types"},
        FailureCase{u"frac(\"a\")", 14, "Invalid parameter value"},
        FailureCase{u"int(\"a\")", 14, "Invalid parameter value"},
        FailureCase{u"sign(\"a\")", 14, "Invalid parameter value"},
        FailureCase{u"angle(\"a\")", 14, "Invalid parameter value"},
        FailureCase{u"ASK(1,2,3)", 6, "Wrong # of parameters"},
        FailureCase{u"ASK(\"a\",\"x\",\"b\",\"y\",\"c\")", 6, "Wrong # of parameters"},
        FailureCase{u"ASK(\"a\",\"x\",\"b\",\"y\",\"c\",\"z\",\"d\",\"q\")", 6,
                    "Wrong # of parameters"},
        FailureCase{u"ASK()", 6, "Wrong # of parameters"}));

TEST_F(ScriptingTest, IsvarTellsGlobalsFromLocals) {
    EXPECT_EQ(run(u"isvar(\"q\")").re(), 0);
    ASSERT_EQ(run(u"q=3").status, 0);
    EXPECT_EQ(run(u"isvar(\"q\")").re(), 1);
    // Inside a called Workspace: its LOCAL names and the fixed locals are
    // locals; globals are still seen.
    saveScript(u"Probe", {u"LOCAL(\"p\")",
                          u"RETURN(100*isvar(\"p\")+10*isvar(\"q\")+isvar(\"x\")+1000*isvar(\"w\"))"});
    const Outcome inside = run(u"Probe");
    ASSERT_EQ(inside.status, 0) << message(inside.status);
    EXPECT_EQ(inside.re(), 212);
    // Outside the call, p is no variable.
    EXPECT_EQ(run(u"isvar(\"p\")").re(), 0);
}

}  // namespace
}  // namespace scripting::testing
