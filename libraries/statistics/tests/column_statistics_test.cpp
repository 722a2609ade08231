// Column statistics, sorting, storing and counting, evaluated through the
// engine with the module loaded as the program loads it.
#include <cmath>

#include "statistics_test_support.h"

namespace statistics::testing {
namespace {

struct Case {
    std::u16string_view line;
    int code;  // the library's code, 0 for success
    uint16_t rows = 0;
    uint16_t cols = 0;
    std::vector<double> reals = {};
};

class StatisticsDataTest : public StatisticsTest {
  protected:
    void check(const Case& c) {
        const Outcome out = run(c.line);
        SCOPED_TRACE(narrow(c.line));
        EXPECT_EQ(out.code(), c.code) << message(out.status);
        if (c.code != 0) {
            EXPECT_EQ(out.status >> 8, libraryNumber()) << "not the library's code";
            return;
        }
        ASSERT_NE(out.value, nullptr) << "no answer";
        ASSERT_EQ(out.value->rows, c.rows);
        ASSERT_EQ(out.value->cols, c.cols);
        EXPECT_EQ(out.reals(), c.reals);
    }
};

TEST_F(StatisticsDataTest, ColumnStatisticsFollowTheSingleRowRule) {
    const Case cases[] = {
        {u"avg({1,2,3})", 0, 1, 1, {2}},
        {u"avg({1|2|3})", 0, 1, 1, {2}},
        {u"avg({1,2|3,4})", 0, 1, 2, {2, 3}},
        {u"std({5,5})", 0, 1, 1, {0}},
        {u"std(7)", 0, 1, 1, {0}},
        {u"std({0.1,0.1,0.1})", 0, 1, 1, {0}},
        {u"std({1|2|3|4})", 0, 1, 1, {std::sqrt((30.0 - 100.0 / 4.0) / 3.0)}},
        {u"std({1,5|2,5|3,5})", 0, 1, 2, {1, 0}},
        // Large values with a small spread keep their digits.
        {u"std({1E8+1|1E8+2|1E8+3})", 0, 1, 1, {1}},
        {u"std({1E12+1,1E12+3,1E12+5})", 0, 1, 1, {2}},
        {u"sx({1,2|3,4})", 0, 1, 2, {4, 6}},
        {u"sx({1,2,3})", 0, 1, 3, {1, 2, 3}},
        {u"sxx({1,2|3,4})", 0, 1, 2, {10, 20}},
        {u"sxy({1,2|3,4})", 0, 1, 1, {14}},
        {u"num({1,2|3,4|5,6})", 0, 1, 1, {3}},
        {u"num({1,2,3})", 0, 1, 1, {1}},
        {u"mm({3,1|2,5|1,4})", 0, 2, 2, {1, 1, 3, 5}},
        {u"mm({3,1,2})", 0, 2, 1, {1, 3}},
        {u"mm(4)", 0, 2, 1, {4, 4}},
    };
    for (const Case& c : cases) check(c);
}

TEST_F(StatisticsDataTest, DataByVariableNameAndItsFailures) {
    runAll({u"m={1,2|3,4|5,9}", u"clrv(\"e\")"});
    const Case cases[] = {
        {u"sx(\"m\")", 0, 1, 2, {9, 15}},
        {u"avg(\"m\")", 0, 1, 2, {3, 5}},
        {u"num(\"m\")", 0, 1, 1, {3}},
        {u"num(\"e\")", 0, 1, 1, {0}},
        {u"avg(\"nosuch\")", 56},
        {u"sx(\"e\")", 101},
        {u"sxx(\"e\")", 101},
        {u"sxy(\"e\")", 101},
        {u"avg(\"e\")", 101},
        {u"std(\"e\")", 101},
        {u"mm(\"e\")", 101},
        {u"sort(\"e\",1)", 101},
        {u"lsq(\"e\")", 101},
        {u"sxy({1|2})", 56},
    };
    for (const Case& c : cases) check(c);
}

TEST_F(StatisticsDataTest, ComplexElementsKeepTheirImaginaryParts) {
    Outcome out = run(u"avg({1+2i|3+4i})");
    ASSERT_EQ(out.status, 0);
    EXPECT_EQ(out.re(), 2.0);
    EXPECT_EQ(out.im(), 3.0);
    out = run(u"sxx(1+2i)");
    ASSERT_EQ(out.status, 0);
    EXPECT_EQ(out.re(), -3.0);
    EXPECT_EQ(out.im(), 4.0);
}

TEST_F(StatisticsDataTest, SortIsStableAndInPlaceOnANamedVariable) {
    Outcome out = runAll({u"m={2,1|1,2|2,3|1,4}", u"sort(\"m\",1)"});
    EXPECT_EQ(out.re(), 4.0);
    const Matrix* m = variable(u"m");
    ASSERT_EQ(m->rows, 4);
    EXPECT_EQ(std::vector<double>(m->re, m->re + 8), (std::vector<double>{1, 2, 1, 4, 2, 1, 2, 3}));

    const Case cases[] = {
        {u"sort({3,1,2},1)", 0, 1, 3, {1, 2, 3}},
        {u"sort({3,30|1,10|2,20},2)", 0, 3, 2, {1, 10, 2, 20, 3, 30}},
        {u"sort({3,30|1,10},3)", 14},
        {u"sort({3,30|1,10},0)", 14},
        {u"sort({3,1,2},2)", 14},
        {u"sort(\"nosuch\",1)", 56},
    };
    for (const Case& c : cases) check(c);
}

TEST_F(StatisticsDataTest, SortMovesWholeElements) {
    Outcome out = run(u"sort({2+5i|1},1)");
    ASSERT_EQ(out.status, 0);
    EXPECT_EQ(out.reals(), (std::vector<double>{1, 2}));
    EXPECT_EQ(out.im(0), 0.0);
    EXPECT_EQ(out.im(1), 5.0);
    out = runAll({u"m={3,30i|1,10+i|2,20}", u"sort(\"m\",1)", u"m"});
    ASSERT_EQ(out.status, 0);
    EXPECT_EQ(out.reals(), (std::vector<double>{1, 10, 2, 20, 3, 0}));
    EXPECT_EQ(out.im(1), 1.0);
    EXPECT_EQ(out.im(3), 0.0);
    EXPECT_EQ(out.im(5), 30.0);
}

TEST_F(StatisticsDataTest, StoreAppendsRowsAndGrowsAheadOfThem) {
    EXPECT_EQ(run(u"store(1,\"m\",5)").re(), 1.0);
    runAll({u"store(2,\"m\",7)", u"store(3,\"m\",1.5,8)"});
    const Matrix* m = variable(u"m");
    ASSERT_NE(m, nullptr);
    ASSERT_EQ(m->rows, 3);
    ASSERT_EQ(m->cols, 2);
    EXPECT_EQ(std::vector<double>(m->re, m->re + 6), (std::vector<double>{1, 5, 2, 7, 1.5, 8}));
    // Room for ten rows ahead of the first one.
    EXPECT_GE(m->capacity, 20);

    // Rewriting the last row of full storage keeps the row count.
    for (char16_t i = u'1'; i <= u'9'; ++i) run(std::u16string(u"store(") + i + u",\"w\",1)");
    runAll({u"store(10,\"w\",1)", u"store(10,\"w\",2)"});
    const Matrix* w = variable(u"w");
    EXPECT_EQ(w->rows, 10);
    EXPECT_EQ(w->re[19], 2.0);
}

TEST_F(StatisticsDataTest, StoreLeavesNoGapsAndKeepsPositions) {
    runAll({u"store(3,\"g\",9)", u"m={1,2,3|4,5,6}", u"store(3,\"m\",9)"});
    const Matrix* g = variable(u"g");
    ASSERT_EQ(g->rows, 3);
    EXPECT_EQ(std::vector<double>(g->re, g->re + 6), (std::vector<double>{0, 0, 0, 0, 3, 9}));
    const Matrix* m = variable(u"m");
    ASSERT_EQ(m->rows, 3);
    ASSERT_EQ(m->cols, 2);
    EXPECT_EQ(std::vector<double>(m->re, m->re + 6), (std::vector<double>{1, 2, 4, 5, 3, 9}));
}

TEST_F(StatisticsDataTest, StoreAndClrvRefuseWhatTheyCannotDo) {
    const Case cases[] = {
        {u"store(0,\"m\",1)", 14},
        {u"store(1,\"\",1)", 9},
        {u"store(1,2,3)", 9},
        {u"store(1,\"m\")", 6},
        {u"store(1,\"m\",1,2,3)", 6},
        {u"store({1,2},\"m\",1)", 9},
        {u"store(1,\"m\",{1,2})", 9},
        {u"store(40000,\"m\",1)", 14},
        {u"store(1,\"abcdefghijk\",1)", 9},
        {u"clrv(5)", 55},
        {u"clrv(\"\")", 9},
    };
    for (const Case& c : cases) check(c);
    EXPECT_EQ(variable(u"m"), nullptr) << "a refused store created its variable";
}

TEST_F(StatisticsDataTest, ClrvEmptiesOrCreatesTheVariable) {
    Outcome out = runAll({u"m={1,2|3,4}", u"clrv(\"m\")"});
    EXPECT_EQ(out.value->kind, LATTIX_KIND_STRING);
    EXPECT_EQ(variable(u"m")->rows, 0);
    EXPECT_EQ(variable(u"m")->kind, LATTIX_KIND_EMPTY);
    run(u"clrv(\"fresh\")");
    ASSERT_NE(variable(u"fresh"), nullptr);
}

TEST_F(StatisticsDataTest, CountingAndFactorials) {
    const Case cases[] = {
        {u"perm(5,2)", 0, 1, 1, {20}},
        {u"comb(5,2)", 0, 1, 1, {10}},
        {u"perm(5,0)", 0, 1, 1, {1}},
        {u"comb(5,0)", 0, 1, 1, {1}},
        {u"comb(5,5)", 0, 1, 1, {1}},
        {u"perm(5.9,2.9)", 0, 1, 1, {20}},
        {u"perm(3,5)", 0, 1, 1, {0}},
        {u"comb(3,5)", 0, 1, 1, {0}},
        {u"perm(-1,2)", 14},
        {u"comb(5,-1)", 14},
        {u"comb({1,2},1)", 9},
        {u"perm(5,\"m\")", 9},
        {u"5!", 0, 1, 1, {120}},
        {u"0!", 0, 1, 1, {1}},
        {u"3.7!", 0, 1, 1, {6}},
        {u"169!", 56},
        {u"(-1)!", 56},
        {u"(2+i)!", 55},
        {u"{1,2}!", 55},
        {u"V:{1,2,3}!", 0, 1, 3, {1, 2, 6}},
        {u"V:{1,169}!", 56},
    };
    for (const Case& c : cases) check(c);
    EXPECT_TRUE(std::isfinite(run(u"168!").re()));
    // Both literal products overflow; the quotient does not.
    const double c400 = run(u"comb(400,200)").re();
    EXPECT_NEAR(c400 / 1.0295250013541443e119, 1.0, 1e-12);
    EXPECT_TRUE(std::isinf(run(u"comb(5000,2500)").re()));
    const Outcome big = run(u"perm(1E15,1E15)");
    EXPECT_TRUE(std::isinf(big.re())) << message(big.status);
}

TEST_F(StatisticsDataTest, VariableCountFunctionsRefuseAnEmptyList) {
    for (std::u16string_view line : {u"pairtest()", u"mdtest()", u"sdtest()", u"store()"})
        EXPECT_EQ(run(line).code(), 6) << narrow(line);
}

}  // namespace
}  // namespace statistics::testing
