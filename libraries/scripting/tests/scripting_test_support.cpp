#include "scripting_test_support.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "engine/answer_index.h"
#include "engine/block_list.h"
#include "engine/evaluator.h"
#include "engine/library_loader.h"
#include "engine/messages.h"
#include "engine/parser.h"
#include "engine/script_cache.h"
#include "engine/script_folder.h"
#include "engine/scripts.h"
#include "engine/user_functions.h"
#include "engine/value_stack.h"
#include "engine/variables.h"
#include "engine/workspace_file.h"

namespace scripting::testing {
namespace {

int loadedNumber = 0;

bool hasElement(const Matrix* m, size_t i) {
    return m != nullptr && m->re != nullptr && m->kind != LATTIX_KIND_STRING &&
           i < size_t(m->rows) * m->cols;
}

void resetEngine() {
    engine::clearScriptCache();
    engine::resetVariables();
    engine::resetUserFunctions();
    engine::clearScriptAbort();
    engine::setAnswerIndex(-1);
    engine::setStackTop(engine::kBlockStartTop);
    engine::resetStack();
}

}  // namespace

std::vector<double> Outcome::reals() const {
    std::vector<double> out;
    for (size_t i = 0; hasElement(value.get(), i); ++i) out.push_back(value->re[i]);
    return out;
}
double Outcome::re(size_t i) const {
    return hasElement(value.get(), i) ? value->re[i] : NAN;
}
double Outcome::im(size_t i) const {
    return hasElement(value.get(), i) ? value->im[i] : NAN;
}

std::string narrow(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) out += c < 128 ? char(c) : '?';
    return out;
}

void ScriptingTest::SetUpTestSuite() {
    engine::unloadKeypadLibraries();
    loadedNumber = engine::loadKeypadLibraryFile(SCRIPTING_MODULE_PATH);
    ASSERT_NE(loadedNumber, 0) << "cannot load " << SCRIPTING_MODULE_PATH;
    engine::installScriptSupport();
}

void ScriptingTest::TearDownTestSuite() {
    engine::unloadKeypadLibraries();
    loadedNumber = 0;
}

void ScriptingTest::SetUp() {
    ASSERT_NE(loadedNumber, 0);
    std::string pattern =
        (std::filesystem::temp_directory_path() / "orvana-scripting-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    engine::setScriptFolder(std::u16string(folder_.begin(), folder_.end()));
    resetEngine();
}

void ScriptingTest::TearDown() {
    resetEngine();
    engine::setScriptFolder(u"");
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

int ScriptingTest::libraryNumber() {
    return loadedNumber;
}

Outcome ScriptingTest::run(std::u16string_view line, bool degrees) {
    Outcome out;
    const std::u16string text(line);
    Token* list = nullptr;
    out.status = compileExpression(text.c_str(), &list);
    if (out.status != 0) return out;
    out.value.reset(newMatrix(0, 0));
    engine::setStackTop(engine::kBlockStartTop);
    out.status = runCode(list, out.value.get(), degrees ? 1 : 0);
    freeCode(list);
    EXPECT_EQ(engine::stackTop(), engine::kBlockStartTop) << narrow(line);
    return out;
}

std::string ScriptingTest::message(uint16_t status) {
    return narrow(engine::messageText(status));
}

const Matrix* ScriptingTest::global(std::u16string_view name) {
    const uint16_t handle = engine::findVariable(name);
    return handle < engine::kLocalBase ? engine::variableAt(handle) : nullptr;
}

void ScriptingTest::saveScript(std::u16string_view name,
                               std::initializer_list<std::u16string_view> lines) {
    engine::BlockList blocks;
    for (std::u16string_view line : lines) blocks.append(line);
    if (blocks.count() > 1) blocks.dropFirst();
    ASSERT_TRUE(engine::saveWorkspace(engine::workspacePath(name).c_str(), false, &blocks));
}

}  // namespace scripting::testing
