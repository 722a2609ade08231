#include "scripting_test_support.h"

#include <cstdlib>
#include <filesystem>

#include "engine/block_list.h"
#include "engine/messages.h"
#include "engine/script_cache.h"
#include "engine/script_folder.h"
#include "engine/scripts.h"
#include "engine/workspace_file.h"

namespace scripting::testing {

std::vector<double> reals(const Outcome& out) {
    std::vector<double> values;
    const Matrix* m = out.value.get();
    if (m == nullptr || m->re == nullptr || m->kind == LATTIX_KIND_STRING) return values;
    for (size_t i = 0; i < size_t(m->rows) * m->cols; ++i) values.push_back(m->re[i]);
    return values;
}

void ScriptingTest::SetUpTestSuite() {
    loadOnly(SCRIPTING_MODULE_PATH);
    engine::installScriptSupport();
}

void ScriptingTest::SetUp() {
    EngineModuleTest::SetUp();
    std::string pattern =
        (std::filesystem::temp_directory_path() / "orvana-scripting-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    engine::setScriptFolder(std::u16string(folder_.begin(), folder_.end()));
    engine::clearScriptCache();
    engine::clearScriptAbort();
}

void ScriptingTest::TearDown() {
    engine::clearScriptCache();
    engine::setScriptFolder(u"");
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
    EngineModuleTest::TearDown();
}

std::string ScriptingTest::message(uint16_t status) {
    return narrowView(engine::messageText(status));
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
