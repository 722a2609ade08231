// For the tests of keypad modules through the expression engine: one module
// loaded as the only library (so its library number is 1 and its codes come
// back as 256 + code), lines compiled and run as a block is evaluated, and
// global variables set and read. Test executables that use it link the
// engine.
#ifndef ORVANA_KEYPAD_SUPPORT_TESTING_ENGINE_MODULE_FIXTURE_H
#define ORVANA_KEYPAD_SUPPORT_TESTING_ENGINE_MODULE_FIXTURE_H

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_state.h"
#include "engine/evaluator.h"
#include "engine/library_loader.h"
#include "engine/library_table.h"
#include "engine/parser.h"
#include "engine/user_functions.h"
#include "engine/value_stack.h"
#include "engine/variables.h"
#include "keypad.h"
#include "lattix.h"

namespace keypad_testing {

struct MatrixFree {
    void operator()(Matrix* m) const { delMatrix(m); }
};
using OwnedMatrix = std::unique_ptr<Matrix, MatrixFree>;

// A line's status and answer.
struct Outcome {
    uint16_t status = 0;
    OwnedMatrix value;

    double re(int i = 0) const { return value->re[i]; }
    std::u16string text() const {
        if (!value || value->kind != LATTIX_KIND_STRING) return u"<not a string>";
        return reinterpret_cast<const char16_t*>(value->re);
    }
};

inline std::string narrowView(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) out += c < 128 ? char(c) : '?';
    return out;
}

class EngineModuleTest : public ::testing::Test {
  public:
    static constexpr uint16_t routed(uint16_t code) { return uint16_t(256 + code); }

  protected:
    static void loadOnly(const char* path) {
        engine::unloadKeypadLibraries();
        engine::resetLibraries();
        ASSERT_EQ(engine::loadKeypadLibraryFile(path), 1) << path;
    }
    static void TearDownTestSuite() { engine::unloadKeypadLibraries(); }

    void SetUp() override { engine::engineState().reset(); }
    void TearDown() override {
        EXPECT_EQ(engine::stackTop(), engine::kBlockStartTop);
        engine::engineState().reset();
    }

    // Compiles and runs one line at the block start.
    static Outcome run(std::u16string_view line, int32_t angleMode = 0) {
        Outcome out;
        const std::u16string text(line);
        Token* list = nullptr;
        out.status = compileExpression(text.c_str(), &list);
        if (out.status != 0) return out;
        out.value.reset(newMatrix(0, 0));
        engine::setStackTop(engine::kBlockStartTop);
        out.status = runCode(list, out.value.get(), angleMode);
        freeCode(list);
        EXPECT_EQ(engine::stackTop(), engine::kBlockStartTop) << narrowView(line);
        return out;
    }
    static void runOk(std::u16string_view line) {
        EXPECT_EQ(run(line).status, 0) << narrowView(line);
    }

    // Sets a global variable to a real rows x cols matrix given row by row.
    static void setMatrix(const char16_t* name, int rows, int cols,
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
    // The real part of a variable's first element; NaN when there is none.
    static double variable(const char16_t* name) {
        const uint16_t handle = ::findVariable(name);
        const Matrix* m = handle == KEYPAD_NO_VARIABLE ? nullptr : ::variableAt(handle);
        return m != nullptr && m->re != nullptr && m->rows > 0 ? m->re[0] : std::nan("");
    }
};

}  // namespace keypad_testing

#endif
