// A click stops eig, integ and solve part way with message 65: a formula's
// run that was stopped, or the library's own iteration, ends the operator,
// and the variables it uses come back as they were.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "advanced_test_support.h"
#include "long_work_stop.h"

namespace advanced_testing {
namespace {

using orvana::testing::LongWorkStop;

constexpr uint16_t kInterrupted = 65;

class AdvancedLongWorkStop : public AdvancedTest {
  protected:
    void SetUp() override {
        AdvancedTest::SetUp();
        std::mt19937_64 rng(7);
        std::uniform_real_distribution<double> dist(-1.0, 1.0);
        std::vector<double> a(40 * 40);
        for (double& x : a) x = dist(rng);
        setMatrix(u"a", 40, 40, a);
        std::vector<double> m(64 * 64, 0.0);
        for (int i = 0; i < 64; ++i) m[size_t(i * 65)] = 1.0;
        setMatrix(u"m", 64, 64, m);
        runOk(u"v=7");
        runOk(u"x=3");
    }
};

TEST_F(AdvancedLongWorkStop, EigStopsInItsOwnIterationAndKeepsTheVectorsVariable) {
    for (std::u16string_view line : {u"eig(a)", u"eig(a,\"v\")"}) {
        const LongWorkStop stop(2);
        EXPECT_EQ(run(line).status, kInterrupted) << narrow(line);
        EXPECT_EQ(stop.pointerPolls(), 2) << narrow(line);  // after the first look
    }
    EXPECT_EQ(variable(u"v").re(), 7.0);
    EXPECT_EQ(variable(u"v").rows(), 1);
}

TEST_F(AdvancedLongWorkStop, EigGivesTheSameBitsWhenNobodyPresses) {
    const Outcome plain = run(u"eig(a)");
    ASSERT_EQ(plain.status, 0);
    const LongWorkStop nobodyPresses(0);
    const Outcome polled = run(u"eig(a)");
    ASSERT_EQ(polled.status, 0);
    EXPECT_GT(nobodyPresses.pointerPolls(), 0);
    for (int i = 0; i < 40; ++i) {
        EXPECT_EQ(std::memcmp(&plain.value->re[i], &polled.value->re[i], sizeof(double)), 0);
        EXPECT_EQ(std::memcmp(&plain.value->im[i], &polled.value->im[i], sizeof(double)), 0);
    }
}

TEST_F(AdvancedLongWorkStop, IntegAndSolveStopWhenTheirFormulaIsStopped) {
    const std::u16string_view lines[] = {
        // The time goes into one big operator inside the formula.
        u"integ(\"det(m*m)*x\",0,1)",
        u"solve(\"det(m*m)*x-1\",0,2)",
        // Many short runs of the formula: the evaluator's token count.
        u"integ(\"x*x\",0,1,1000000)",
    };
    for (std::u16string_view line : lines) {
        const LongWorkStop stop;
        EXPECT_EQ(run(line).status, kInterrupted) << narrow(line);
        EXPECT_EQ(stop.pointerPolls(), 1) << narrow(line);
    }
    EXPECT_EQ(variable(u"x").re(), 3.0);
    // And they work as ever afterwards.
    EXPECT_NEAR(run(u"integ(\"det(m*m)*x\",0,1)").re(), 0.5, 1e-12);
    EXPECT_NEAR(run(u"solve(\"det(m*m)*x-1\",0,2)").re(), 1.0, 1e-7);
}

}  // namespace
}  // namespace advanced_testing
