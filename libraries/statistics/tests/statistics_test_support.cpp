#include "statistics_test_support.h"

#include <cmath>

#include "engine/engine_state.h"
#include "engine/answer_index.h"
#include "engine/evaluator.h"
#include "engine/library_loader.h"
#include "engine/library_table.h"
#include "engine/messages.h"
#include "engine/parser.h"
#include "engine/user_functions.h"
#include "engine/value_stack.h"
#include "engine/variables.h"

namespace statistics::testing {
namespace {

int loadedNumber = 0;

}  // namespace

namespace {

bool hasElement(const Matrix* m, size_t i) {
    return m != nullptr && m->re != nullptr && i < size_t(m->rows) * m->cols;
}

}  // namespace

double Outcome::re(size_t i) const {
    return hasElement(value.get(), i) ? value->re[i] : NAN;
}
double Outcome::im(size_t i) const {
    return hasElement(value.get(), i) ? value->im[i] : NAN;
}

std::vector<double> Outcome::reals() const {
    std::vector<double> out;
    if (value == nullptr || value->re == nullptr) return out;
    const size_t n = size_t(value->rows) * value->cols;
    for (size_t i = 0; i < n; ++i) out.push_back(value->re[i]);
    return out;
}

std::string narrow(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) out += c < 128 ? char(c) : '?';
    return out;
}

void StatisticsTest::SetUpTestSuite() {
    engine::unloadKeypadLibraries();
    loadedNumber = engine::loadKeypadLibraryFile(STATISTICS_MODULE_PATH);
    ASSERT_NE(loadedNumber, 0) << "cannot load " << STATISTICS_MODULE_PATH;
}

void StatisticsTest::TearDownTestSuite() {
    engine::unloadKeypadLibraries();
    loadedNumber = 0;
}

void StatisticsTest::SetUp() {
    ASSERT_NE(loadedNumber, 0);
    engine::engineState().reset();
}

const KeypadLibrary& StatisticsTest::library() {
    return *engine::libraryAt(loadedNumber);
}

int StatisticsTest::libraryNumber() {
    return loadedNumber;
}

Outcome StatisticsTest::run(std::u16string_view line) {
    Outcome out;
    const std::u16string text(line);
    Token* list = nullptr;
    out.status = compileExpression(text.c_str(), &list);
    if (out.status != 0) return out;
    out.value.reset(newMatrix(0, 0));
    engine::setStackTop(engine::kBlockStartTop);
    out.status = runCode(list, out.value.get(), 0);
    freeCode(list);
    EXPECT_EQ(engine::stackTop(), engine::kBlockStartTop) << narrow(line);
    return out;
}

Outcome StatisticsTest::runAll(std::initializer_list<std::u16string_view> lines) {
    Outcome last;
    for (std::u16string_view line : lines) {
        last = run(line);
        EXPECT_EQ(last.status, 0) << narrow(line);
    }
    return last;
}

std::string StatisticsTest::message(uint16_t status) {
    return narrow(engine::messageText(status));
}

const Matrix* StatisticsTest::variable(std::u16string_view name) {
    const uint16_t handle = engine::findVariable(name);
    return handle == engine::kNoVariable ? nullptr : engine::variableAt(handle);
}

}  // namespace statistics::testing
