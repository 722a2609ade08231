// Every operator with every kind of argument: no crash, the top index given
// back, and only the codes the library documents. Also the sort of NaN keys
// and allocation failures while drawing a trace.
#include <cmath>
#include <set>

#include "engine/evaluator.h"
#include "engine/value_stack.h"
#include "heap_failures.h"
#include "platform/heap.h"
#include "statistics_test_support.h"

namespace statistics::testing {
namespace {

class StatisticsRobustnessTest : public StatisticsTest {};

struct Function {
    std::u16string_view name;
    int fewest;
    int most;
};

TEST_F(StatisticsRobustnessTest, EveryOperatorWithEveryKindOfArgument) {
    const Function functions[] = {
        {u"sx", 1, 1},       {u"sxx", 1, 1},     {u"sxy", 1, 1},        {u"num", 1, 1},
        {u"avg", 1, 1},      {u"std", 1, 1},     {u"mm", 1, 1},         {u"clrv", 1, 1},
        {u"lsq", 1, 1},      {u"sort", 2, 2},    {u"perm", 2, 2},       {u"comb", 2, 2},
        {u"mtest", 2, 2},    {u"tdist", 2, 2},   {u"invtdist", 2, 2},   {u"chi", 2, 2},
        {u"invchi", 2, 2},   {u"norm", 3, 3},    {u"invnorm", 3, 3},    {u"fdist", 3, 3},
        {u"invfdist", 3, 3}, {u"bindist", 3, 3}, {u"invbindist", 3, 3}, {u"store", 1, 5},
        {u"mdtest", 1, 3},   {u"sdtest", 1, 3},  {u"pairtest", 1, 3},
    };
    const std::u16string_view pool[] = {
        u"1",
        u"-2.5",
        u"0",
        u"\"m\"",
        u"\"nosuch\"",
        u"\"\"",
        u"{1,2|3,4|5,7}",
        u"{1,2,3}",
        u"2+3i",
        u"1E308*10",
        u"1E308*10-1E308*10",
    };
    const int poolSize = int(std::size(pool));
    const std::set<int> documented = {6, 9, 14, 51, 55, 56, 62, 101, 102, 103, 104, 105};
    int runs = 0;
    for (const Function& f : functions)
        for (int count = f.fewest; count <= f.most; ++count) {
            int combinations = 1;
            for (int i = 0; i < count; ++i) combinations *= poolSize;
            // Long lists take every seventh combination only.
            const int step = count > 3 ? 7 : 1;
            for (int c = 0; c < combinations; c += step) {
                runAll({u"m={1,2|3,4|5,7}"});
                std::u16string line(f.name);
                line += u'(';
                for (int i = 0, rest = c; i < count; ++i, rest /= poolSize) {
                    if (i > 0) line += u',';
                    line += pool[rest % poolSize];
                }
                line += u')';
                const Outcome out = run(line);
                ++runs;
                if (out.status == 0) continue;
                EXPECT_EQ(out.status >> 8, libraryNumber()) << narrow(line);
                EXPECT_TRUE(documented.count(out.code())) << narrow(line) << ": " << out.code();
            }
        }
    for (std::u16string_view v : pool) {
        std::u16string line = u"(";
        line.append(v).append(u")!");
        run(line);
        run(line.insert(0, u"V:"));
        runs += 2;
    }
    EXPECT_GT(runs, 10000);
}

TEST_F(StatisticsRobustnessTest, NaNKeysStayWhereTheInsertionSortLeavesThem) {
    const Outcome out = run(u"sort({3|1E308*10-1E308*10|2|1},1)");
    ASSERT_EQ(out.status, 0);
    const std::vector<double> r = out.reals();
    ASSERT_EQ(r.size(), 4u);
    // Rows before the NaN cannot pass it, nor can rows after it.
    EXPECT_EQ(r[0], 3.0);
    EXPECT_TRUE(std::isnan(r[1]));
    EXPECT_EQ(r[2], 1.0);
    EXPECT_EQ(r[3], 2.0);
}

TEST_F(StatisticsRobustnessTest, LongDataSortAsTheInsertionSortWould) {
    // 3000 rows of keys with many ties, each row tagged with its position.
    for (int i = 1; i <= 3000; ++i) {
        const int key = (i * 7919) % 13;
        std::string text = "store(" + std::to_string(i) + ",\"d\"," + std::to_string(key) + "," +
                           std::to_string(i) + ")";
        run(std::u16string(text.begin(), text.end()));
    }
    const Outcome out = run(u"sort(\"d\",2)");
    ASSERT_EQ(out.status, 0);
    EXPECT_EQ(out.re(), 3000.0);
    const Matrix* d = variable(u"d");
    ASSERT_EQ(d->rows, 3000);
    // Sorted by the tag column, the rows are in their original order.
    for (int i = 0; i < 3000; ++i) ASSERT_EQ(d->re[2 * i + 1], i + 1.0) << i;
    run(u"sort(\"d\",1)");
    for (int i = 1; i < 3000; ++i) {
        const double* a = d->re + 2 * (i - 1);
        const double* b = d->re + 2 * i;
        ASSERT_TRUE(a[0] < b[0] || (a[0] == b[0] && a[1] < b[1])) << "row " << i;
    }
}

TEST_F(StatisticsRobustnessTest, ATraceWithoutMemoryIsNotDrawn) {
    runAll({u"m={1,2|2,4|3,7}"});
    const double buffer[] = {3, 0, 1, 2};
    KeypadCurve curves[KEYPAD_CURVE_COUNT]{};
    int16_t traces = 0;
    Matrix* stack = engine::valueStack();
    int16_t* top = engine::stackTopAddress();
    *top = engine::kBlockStartTop + 1;
    copyStrMatrix(&stack[*top], u"m");
    {
        orvana::testing::HeapFailures failures(0, 1);
        EXPECT_EQ(library().doGraph(const_cast<double*>(buffer + 1), curves, &traces, 0x1E15, 0, 0,
                                    stack, top, engine::hostServices()),
                  0);
        EXPECT_EQ(traces, 0);
        EXPECT_EQ(curves[0].y, nullptr);
    }
    EXPECT_NE(library().doGraph(const_cast<double*>(buffer + 1), curves, &traces, 0x1E15, 0, 0,
                                stack, top, engine::hostServices()),
              0);
    EXPECT_EQ(traces, 1);
    *top = engine::kBlockStartTop;
    platformHeapFree(curves[0].y);
    platformHeapFree(curves[0].penUp);
}

}  // namespace
}  // namespace statistics::testing
