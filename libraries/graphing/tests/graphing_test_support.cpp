#include "graphing_test_support.h"

#include "engine/evaluator.h"
#include "engine/library_loader.h"
#include "engine/library_table.h"
#include "engine/parser.h"
#include "engine/user_functions.h"
#include "engine/value_stack.h"
#include "engine/variables.h"
#include "platform/heap.h"

namespace graphing_testing {

std::u16string Outcome::text() const {
    if (!value || value->kind != LATTIX_KIND_STRING) return u"<not a string>";
    return reinterpret_cast<const char16_t*>(value->re);
}

std::string narrow(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) out += c < 128 ? char(c) : '?';
    return out;
}

void GraphingTest::SetUpTestSuite() {
    engine::unloadKeypadLibraries();
    engine::resetLibraries();
    ASSERT_EQ(engine::loadKeypadLibraryFile(GRAPHING_MODULE_PATH), 1);
}

void GraphingTest::TearDownTestSuite() {
    engine::unloadKeypadLibraries();
}

void GraphingTest::SetUp() {
    engine::resetVariables();
    engine::resetUserFunctions();
    engine::setStackTop(engine::kBlockStartTop);
    // The graph view's sample buffer: its count, then one x per column.
    samples_.assign(241, 0.0);
    samples_[0] = 240;
    for (int i = 0; i < 240; ++i) samples_[size_t(i) + 1] = -18.0 + 0.15 * i;
    for (KeypadCurve& c : curves_) c.colour = 1;
    runOk(u"cleargraph()");
}

void GraphingTest::TearDown() {
    EXPECT_EQ(engine::stackTop(), engine::kBlockStartTop);
    for (KeypadCurve& c : curves_) {
        platformHeapFree(c.x);
        platformHeapFree(c.y);
        platformHeapFree(c.auxiliary);
        platformHeapFree(c.penUp);
    }
    engine::resetVariables();
    engine::resetStack();
}

Outcome GraphingTest::run(std::u16string_view line, int32_t angleMode) {
    Outcome out;
    const std::u16string text(line);
    Token* list = nullptr;
    out.status = compileExpression(text.c_str(), &list);
    if (out.status != 0) return out;
    out.value.reset(newMatrix(0, 0));
    engine::setStackTop(engine::kBlockStartTop);
    out.status = runCode(list, out.value.get(), angleMode);
    freeCode(list);
    EXPECT_EQ(engine::stackTop(), engine::kBlockStartTop) << narrow(line);
    return out;
}

void GraphingTest::runOk(std::u16string_view line) {
    EXPECT_EQ(run(line).status, 0) << narrow(line);
}

void GraphingTest::setMatrix(const char16_t* name, int rows, int cols,
                             const std::vector<double>& elements) {
    uint16_t handle = ::findVariable(name);
    if (handle == KEYPAD_NO_VARIABLE) handle = ::createVariable(name);
    Matrix* m = ::variableAt(handle);
    ASSERT_NE(m, nullptr);
    resizeMatrix(m, uint16_t(rows), uint16_t(cols));
    for (int i = 0; i < rows * cols; ++i) {
        m->re[i] = elements[size_t(i)];
        m->im[i] = 0.0;
    }
}

double GraphingTest::variable(const char16_t* name) {
    const uint16_t handle = ::findVariable(name);
    if (handle == KEYPAD_NO_VARIABLE) return -1.0;
    return ::variableAt(handle)->re[0];
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
