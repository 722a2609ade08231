// Shared by the evaluator's tests: a fixture that puts the engine back to
// its start-up state, and running one line of text from compile to answer.
#ifndef ORVANA_ENGINE_TESTS_EVALUATOR_SUPPORT_H
#define ORVANA_ENGINE_TESTS_EVALUATOR_SUPPORT_H

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "lattix.h"

namespace engine::evaluation_testing {

struct MatrixFree {
    void operator()(Matrix* m) const { delMatrix(m); }
};
using OwnedMatrix = std::unique_ptr<Matrix, MatrixFree>;

struct Outcome {
    uint16_t status = 0;
    OwnedMatrix value;  // the answer runCode copied out
    std::string text;   // the answer as plain text
};

std::string narrow(std::u16string_view text);
std::string textOf(const Matrix* value);

class EvaluatorTest : public ::testing::Test {
protected:
    void SetUp() override { resetEngine(); }
    void TearDown() override { resetEngine(); }

    static void resetEngine();
    // Compiles and runs one line as a block would (top index 4). A line that
    // does not compile gives its compile code and no value.
    static Outcome run(std::u16string_view line, int32_t angleMode = 0);
    // Runs lines in order and gives the last outcome.
    static Outcome runAll(std::initializer_list<std::u16string_view> lines);
};

}  // namespace engine::evaluation_testing

#endif
