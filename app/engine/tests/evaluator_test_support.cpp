#include "evaluator_test_support.h"

#include "engine/engine_state.h"
#include "engine/answer_index.h"
#include "engine/answer_source.h"
#include "engine/display_format.h"
#include "engine/evaluator.h"
#include "engine/library_table.h"
#include "engine/parser.h"
#include "engine/user_functions.h"
#include "engine/value_stack.h"
#include "engine/variables.h"

namespace engine::evaluation_testing {

std::string narrow(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) out += c < 128 ? char(c) : '?';
    return out;
}

std::string textOf(const Matrix* value) { return narrow(valueToText(value, 250)); }

void EvaluatorTest::resetEngine() {
    engineState().reset();
    resetLibraries();
    setScriptCodeHandler(nullptr);
}

Outcome EvaluatorTest::run(std::u16string_view line, int32_t angleMode) {
    Outcome out;
    const std::u16string text(line);
    Token* list = nullptr;
    out.status = compileExpression(text.c_str(), &list);
    if (out.status != 0) return out;
    out.value.reset(newMatrix(0, 0));
    setStackTop(kBlockStartTop);
    out.status = runCode(list, out.value.get(), angleMode);
    freeCode(list);
    EXPECT_EQ(stackTop(), kBlockStartTop) << narrow(line) << ": top index not restored";
    out.text = textOf(out.value.get());
    return out;
}

Outcome EvaluatorTest::runAll(std::initializer_list<std::u16string_view> lines) {
    Outcome last;
    for (std::u16string_view line : lines) last = run(line);
    return last;
}

}  // namespace engine::evaluation_testing
