// The data tests and the least-squares fit against values from scipy.stats,
// and their refusals.
#include <cmath>

#include "statistics_test_support.h"

namespace statistics::testing {
namespace {

class StatisticsHypothesisTest : public StatisticsTest {
  protected:
    void SetUp() override {
        StatisticsTest::SetUp();
        runAll({u"m={1,2.1|2,3.9|3,6.2|4,7.8|5,10.1}", u"n={0,3|0,5|0,4|0,6|0,8|0,7}",
                u"flat={1,4|2,4|3,4}", u"one={1,2}", u"single={1|2|3}"});
    }
};

struct Expected {
    std::u16string_view line;
    double statistic;
    double p;
};

TEST_F(StatisticsHypothesisTest, AgreeWithScipy) {
    const Expected cases[] = {
        {u"mdtest(\"m\")", -1.9156175004375533, 0.0917333772940634},
        {u"mdtest(\"m\",\"n\")", 0.3406124362393852, 0.7412111851212573},
        {u"pairtest(\"m\")", -4.290707820056413, 0.012739005949209148},
        {u"sdtest(\"m\")", 0.25183842046942684, 0.21026069607263714},
        {u"sdtest(\"m\",\"n\")", 0.3525737886571976, 0.2831259824556064},
        {u"mtest(\"m\",5)", 0.7238959768590952, 0.5092003374574503},
    };
    for (const Expected& e : cases) {
        const Outcome out = run(e.line);
        ASSERT_EQ(out.status, 0) << narrow(e.line) << ": " << message(out.status);
        ASSERT_EQ(out.value->rows, 1);
        ASSERT_EQ(out.value->cols, 2);
        EXPECT_NEAR(out.re(0), e.statistic, 1e-12 * std::fabs(e.statistic)) << narrow(e.line);
        EXPECT_NEAR(out.re(1), e.p, 1e-6) << narrow(e.line);
    }
}

TEST_F(StatisticsHypothesisTest, EqualDataGiveAPValueOfOne) {
    const Outcome out = run(u"mtest(\"m\",6.02)");
    ASSERT_EQ(out.status, 0);
    EXPECT_NEAR(out.re(0), 0.0, 1e-12);
    EXPECT_NEAR(out.re(1), 1.0, 1e-12);
}

TEST_F(StatisticsHypothesisTest, Refusals) {
    struct Refusal {
        std::u16string_view line;
        int code;
        std::string_view message;
    };
    const Refusal cases[] = {
        {u"mdtest(\"nosuch\")", 56, "Value out of bounds"},
        {u"mdtest(m)", 55, "Not supported on data type"},
        {u"sdtest(\"m\",5)", 55, "Not supported on data type"},
        {u"mtest(\"m\",\"n\")", 55, "Not supported on data type"},
        {u"mtest(5,1)", 55, "Not supported on data type"},
        {u"pairtest(\"m\",\"n\")", 51, "Incompatible matrices"},
        {u"mdtest(\"one\")", 104, "Insufficient data"},
        {u"pairtest(\"one\")", 104, "Insufficient data"},
        {u"sdtest(\"one\",\"m\")", 104, "Insufficient data"},
        {u"mtest(\"one\",1)", 104, "Insufficient data"},
        {u"sdtest(\"flat\")", 105, "Data has zero variance"},
        {u"mtest(\"flat\",4)", 105, "Data has zero variance"},
        {u"mdtest(\"flat\",\"flat\")", 105, "Data has zero variance"},
        {u"pairtest(\"flat\",\"flat\")", 105, "Data has zero variance"},
        {u"mdtest(\"single\")", 56, "Value out of bounds"},
        {u"mdtest(\"m\",\"n\",\"m\")", 6, "Wrong # of parameters"},
    };
    run(u"clrv(\"e\")");
    for (const Refusal& r : cases) {
        const Outcome out = run(r.line);
        EXPECT_EQ(out.status, libraryNumber() * 256 + r.code) << narrow(r.line);
        EXPECT_EQ(message(out.status), r.message) << narrow(r.line);
    }
    EXPECT_EQ(message(run(u"mdtest(\"e\")").status), "Empty Data Matrix");
}

TEST_F(StatisticsHypothesisTest, LeastSquaresLine) {
    Outcome out = run(u"lsq(\"m\")");
    ASSERT_EQ(out.status, 0);
    ASSERT_EQ(out.value->cols, 3);
    EXPECT_NEAR(out.re(0), 1.99, 1e-12);
    EXPECT_NEAR(out.re(1), 0.05, 1e-12);
    EXPECT_NEAR(out.re(2), 0.9986517555689656, 1e-12);
    out = run(u"lsq({1,3|2,2|3,1})");
    EXPECT_EQ(out.reals(), (std::vector<double>{-1, 4, -1}));
    // A horizontal line has no correlation to measure.
    EXPECT_EQ(run(u"lsq(\"flat\")").reals(), (std::vector<double>{0, 4, 0}));
    // x far from zero with a small spread keeps its digits.
    out = run(u"lsq({1E8+1,1|1E8+2,3|1E8+3,5})");
    ASSERT_EQ(out.status, 0);
    EXPECT_EQ(out.reals(), (std::vector<double>{2, -200000001, 1}));
}

TEST_F(StatisticsHypothesisTest, LeastSquaresRefusals) {
    struct Refusal {
        std::u16string_view line;
        int code;
        std::string_view message;
    };
    const Refusal cases[] = {
        {u"lsq({2,1|2,5|2,7})", 103, "Infinite slope"},
        {u"lsq({0.1,1|0.1,5|0.1,7})", 103, "Infinite slope"},
        {u"lsq(\"one\")", 102, "Data Matrix contains a single value"},
        {u"lsq({1,2})", 102, "Data Matrix contains a single value"},
        {u"lsq(\"single\")", 56, "Value out of bounds"},
        {u"lsq(\"nosuch\")", 56, "Value out of bounds"},
    };
    for (const Refusal& r : cases) {
        const Outcome out = run(r.line);
        EXPECT_EQ(out.status, libraryNumber() * 256 + r.code) << narrow(r.line);
        EXPECT_EQ(message(out.status), r.message) << narrow(r.line);
    }
}

}  // namespace
}  // namespace statistics::testing
