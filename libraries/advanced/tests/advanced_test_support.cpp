#include "advanced_test_support.h"

#include "engine/engine_state.h"
#include "engine/evaluator.h"
#include "engine/library_loader.h"
#include "engine/library_table.h"
#include "engine/parser.h"
#include "engine/user_functions.h"
#include "engine/value_stack.h"
#include "engine/variables.h"

namespace advanced_testing {

std::vector<double> Outcome::reals() const {
    std::vector<double> out;
    for (int i = 0; i < rows() * cols(); ++i) out.push_back(value->re[i]);
    return out;
}

std::string narrow(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) out += c < 128 ? char(c) : '?';
    return out;
}

void AdvancedTest::SetUpTestSuite() {
    engine::unloadKeypadLibraries();
    engine::resetLibraries();
    ASSERT_EQ(engine::loadKeypadLibraryFile(ADVANCED_MODULE_PATH), 1);
}

void AdvancedTest::TearDownTestSuite() {
    engine::unloadKeypadLibraries();
}

void AdvancedTest::SetUp() {
    engine::engineState().reset();
}

void AdvancedTest::TearDown() {
    EXPECT_EQ(engine::stackTop(), engine::kBlockStartTop);
    engine::engineState().reset();
}

const KeypadLibrary& AdvancedTest::library() {
    return *engine::libraryAt(1);
}

Outcome AdvancedTest::run(std::u16string_view line, int32_t angleMode) {
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

void AdvancedTest::runOk(std::u16string_view line) {
    EXPECT_EQ(run(line).status, 0) << narrow(line);
}

Outcome AdvancedTest::variable(const char16_t* name) {
    Outcome out;
    out.value.reset(newMatrix(0, 0));
    const uint16_t handle = ::findVariable(name);
    if (handle != KEYPAD_NO_VARIABLE) copyMatMatrix(out.value.get(), ::variableAt(handle));
    return out;
}

void AdvancedTest::setMatrix(const char16_t* name, int rows, int cols,
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

}  // namespace advanced_testing
