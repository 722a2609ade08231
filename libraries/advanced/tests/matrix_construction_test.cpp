// size, ones, fill, augr, augc, aug: shapes, values and refusals.
#include "advanced_test_support.h"

namespace advanced_testing {
namespace {

using MatrixConstruction = AdvancedTest;

struct ShapeRow {
    std::u16string_view line;
    int rows;
    int cols;
    std::vector<double> reals;
};

TEST_F(MatrixConstruction, Results) {
    const ShapeRow rows[] = {
        {u"size({1,2,3,4|5,6,7,8|9,10,11,12})", 1, 2, {3, 4}},
        {u"size(\"hello\")", 1, 2, {0, 5}},
        {u"size(7)", 1, 2, {1, 1}},
        {u"size(ones(0,3))", 1, 2, {0, 0}},
        {u"ones(2,3)", 2, 3, {1, 1, 1, 1, 1, 1}},
        {u"ones(1,1)", 1, 1, {1}},
        {u"ones(2.9,1.5)", 2, 1, {1, 1}},
        {u"fill(1,0.5,3)", 5, 1, {1, 1.5, 2, 2.5, 3}},
        {u"fill(5,-1,1)", 5, 1, {5, 4, 3, 2, 1}},
        // The step turns negative only after the count came from -4 + 1e-10.
        {u"fill(5,1,1)", 4, 1, {5, 4, 3, 2}},
        {u"fill(1,0,3)", 3, 1, {1, 2, 3}},
        {u"fill(2,1,2)", 1, 1, {2}},
        {u"augc({1|2},{3|4})", 2, 2, {1, 3, 2, 4}},
        {u"augc({1,2|3,4},{5|6},{7,8,9|10,11,12})", 2, 6, {1, 2, 5, 7, 8, 9, 3, 4, 6, 10, 11, 12}},
        {u"augr({1,2},{3,4})", 2, 2, {1, 2, 3, 4}},
        {u"augr({1,2},{3,4|5,6},{7,8})", 4, 2, {1, 2, 3, 4, 5, 6, 7, 8}},
        {u"aug({1,2|3,4},5)", 5, 1, {1, 2, 3, 4, 5}},
        {u"aug(1,{2,3},{4|5})", 5, 1, {1, 2, 3, 4, 5}},
    };
    for (const ShapeRow& row : rows) {
        const Outcome out = run(row.line);
        ASSERT_EQ(out.status, 0) << narrow(row.line);
        EXPECT_EQ(out.rows(), row.rows) << narrow(row.line);
        EXPECT_EQ(out.cols(), row.cols) << narrow(row.line);
        EXPECT_EQ(out.reals(), row.reals) << narrow(row.line);
    }
}

TEST_F(MatrixConstruction, ComplexPartsTravelAlong) {
    const Outcome c = run(u"augc({1|2*i},{3*i|4})");
    ASSERT_EQ(c.status, 0);
    EXPECT_EQ(c.at(1), std::complex<double>(0, 3));
    EXPECT_EQ(c.at(2), std::complex<double>(0, 2));
    const Outcome a = run(u"aug({i,2},1+i)");
    ASSERT_EQ(a.status, 0);
    EXPECT_EQ(a.at(0), std::complex<double>(0, 1));
    EXPECT_EQ(a.at(2), std::complex<double>(1, 1));
    const Outcome o = run(u"ones(1,2)");
    EXPECT_EQ(o.at(1), std::complex<double>(1, 0));
}

TEST_F(MatrixConstruction, EmptyResults) {
    EXPECT_EQ(run(u"ones(0,3)").value->kind, LATTIX_KIND_EMPTY);
    EXPECT_EQ(run(u"ones(3,0)").value->kind, LATTIX_KIND_EMPTY);
}

TEST_F(MatrixConstruction, Refusals) {
    const struct {
        std::u16string_view line;
        uint16_t code;
    } rows[] = {
        {u"ones(300,300)", 62},
        {u"ones(32001,1)", 62},
        {u"ones(1,32001)", 62},
        {u"ones(253,253)", 62},
        {u"ones(-1,3)", 14},
        {u"ones(3,-2)", 14},
        {u"ones(\"a\",2)", 9},
        {u"fill(0,0.001,40)", 62},
        {u"fill(0,0.0000001,1)", 62},
        {u"fill(\"s\",1,3)", 9},
        {u"augr({1,2},{3,4,5})", 51},
        {u"augr(\"ab\",{1,2})", 51},
        {u"augr({1,2},\"ab\")", 51},
        {u"augc({1|2},{3|4|5})", 51},
        {u"augc(\"ab\",1)", 51},
        {u"aug(\"ab\",1)", 51},
        {u"aug(1,\"ab\")", 51},
        {u"aug({1,2},3,\"ab\")", 51},
        {u"aug(1)", 6},
        {u"augr({1,2})", 6},
        {u"augc(1)", 6},
        {u"augr()", 6},
        {u"aug(ones(200,160),1)", 62},
        {u"augc(ones(1,16000),ones(1,16001))", 62},
        {u"augr(ones(16000,1),ones(16001,1))", 62},
        {u"augr(ones(200,200),ones(121,200))", 62},
    };
    for (const auto& row : rows)
        EXPECT_EQ(run(row.line).status, routed(row.code)) << narrow(row.line);
}

TEST_F(MatrixConstruction, LimitsAreInclusive) {
    EXPECT_EQ(run(u"ones(32000,2)").status, 0);
    EXPECT_EQ(run(u"ones(250,256)").status, 0);
    EXPECT_EQ(run(u"fill(1,1,32000)").rows(), 32000);
    EXPECT_EQ(run(u"aug(ones(1,16000),ones(16000,1))").rows(), 32000);
}

}  // namespace
}  // namespace advanced_testing
