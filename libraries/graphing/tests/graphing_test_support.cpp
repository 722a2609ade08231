#include "graphing_test_support.h"

#include "keypad_support/stack_values.h"

namespace graphing_testing {

void GraphingTest::SetUp() {
    EngineModuleTest::SetUp();
    // The graph view's sample buffer: its count, then one x per column.
    samples_.assign(241, 0.0);
    samples_[0] = 240;
    for (int i = 0; i < 240; ++i) samples_[size_t(i) + 1] = -18.0 + 0.15 * i;
    for (KeypadCurve& c : curves_) c.colour = 1;
    runOk(u"cleargraph()");
}

void GraphingTest::TearDown() {
    for (KeypadCurve& c : curves_) keypad_support::releaseCurveArrays(c);
    EngineModuleTest::TearDown();
}

uint16_t GraphingTest::graph(std::u16string_view line, int32_t angleMode) {
    const std::u16string text(line);
    Token* list = nullptr;
    EXPECT_EQ(compileExpression(text.c_str(), &list), 0) << narrow(line);
    engine::setStackTop(engine::kBlockStartTop);
    const uint16_t r = runCodeForGraph(samples_.data() + 1, curves_.data(), &traceCount_, list,
                                       1, angleMode);
    freeCode(list);
    EXPECT_EQ(engine::stackTop(), engine::kBlockStartTop) << narrow(line);
    return r;
}

}  // namespace graphing_testing
