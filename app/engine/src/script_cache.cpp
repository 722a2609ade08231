// The script cache, and loading a called Workspace into a script record: the
// blocks compiled with the Workspace's own scope, its LOCAL, FUNC and GLOBAL
// declarations processed in block order, then the control flow linked.
#include <algorithm>

#include "engine/code_list.h"
#include "engine/script_cache.h"
#include "engine/script_folder.h"
#include "engine/workspace_file.h"
#include "engine/scripts.h"
#include "engine_state_data.h"
#include "script_record.h"
#include "workspace_image.h"

namespace engine {
namespace {

constinit std::vector<std::shared_ptr<ScriptRecord>>& cache = theEngineState.scriptCache;

std::vector<std::u16string> declaredNames(std::u16string_view text, bool wholeName) {
    std::vector<std::u16string> names;
    if (text.find(u',') != std::u16string_view::npos) {
        size_t start = 0;
        while (start <= text.size()) {
            size_t end = text.find(u',', start);
            if (end == std::u16string_view::npos) end = text.size();
            if (end > start) names.emplace_back(text.substr(start, end - start));
            start = end + 1;
        }
    } else if (wholeName) {
        if (!text.empty()) names.emplace_back(text);
    } else {
        for (char16_t c : text) names.emplace_back(1, c);
    }
    return names;
}

// The local slot of a name that is already local, or -1.
int localSlotOf(const LocalScope& scope, std::u16string_view name) {
    if (name.size() == 1)
        if (size_t p = kFixedLocals.find(name[0]); p != std::u16string_view::npos) return int(p);
    const std::u16string_view cut = name.substr(0, kVariableNameLimit);
    for (size_t n = 0; n < scope.namedLocals.size(); ++n)
        if (scope.namedLocals[n] == cut) return int(6 + n);
    return -1;
}

void declare(ScriptRecord& record, uint32_t kind, std::u16string_view text) {
    LocalScope& scope = record.scope;
    const bool func = kind == code(Code::Func);
    for (const std::u16string& name : declaredNames(text, func)) {
        if (kind == code(Code::Global)) {
            if (findVariable(name) == kNoVariable) addVariable(name, nullptr);
            continue;
        }
        int slot = localSlotOf(scope, name);
        if (slot < 0) slot = int(addVariable(name, &scope) - kLocalBase);
        if (!func) continue;
        auto free = std::find(scope.parameterMap.begin(), scope.parameterMap.end(), kNoParameter);
        if (free != scope.parameterMap.end()) *free = uint8_t(slot);
    }
}

void processDeclarations(ScriptRecord& record, const Token* list) {
    if (list == nullptr) return;
    for (const Token* t = list; t->code != 0; ++t) {
        const bool declaration = t->code == code(Code::Local) || t->code == code(Code::Func) ||
                                 t->code == code(Code::Global);
        if (!declaration || t == list || (t - 1)->code != code(Code::StringLiteral)) continue;
        if (const char16_t* text = tokenText(*(t - 1))) declare(record, t->code, text);
    }
}

std::shared_ptr<ScriptRecord> loadRecord(std::u16string_view name) {
    ReadPlan plan;
    plan.note = plan.settings = plan.functions = false;
    plan.variables = ReadPlan::Variables::Skip;
    WorkspaceImage image;
    // A file of a newer version than this program writes fails to load.
    if (readWorkspaceImage(workspacePath(name).c_str(), plan, image) != ReadOutcome::Read ||
        image.version > kWorkspaceVersion)
        return nullptr;
    if (image.blocks.empty()) return nullptr;

    auto record = std::make_shared<ScriptRecord>();
    record->name = std::u16string(name);
    LocalScope* outer = activeScope();
    setActiveScope(&record->scope);
    for (const StoredBlock& stored : image.blocks) {
        auto block = std::make_unique<EquationBlock>();
        block->setFlags(stored.flags);
        block->setText(stored.text);  // a text too long gives the block code 7
        processDeclarations(*record, block->parsed());
        record->blocks.push_back(std::move(block));
    }
    setActiveScope(outer);

    std::vector<Token*> lists;
    for (auto& b : record->blocks) lists.push_back(b->parsed());
    record->linkStatus = linkControlFlow(lists);
    return record;
}

}  // namespace

std::shared_ptr<ScriptRecord> cachedScript(std::u16string_view name) {
    name = name.substr(0, kScriptNameLimit);
    for (auto& r : cache)
        if (r->name == name) return r;
    std::shared_ptr<ScriptRecord> record = loadRecord(name);
    if (record == nullptr) return nullptr;
    if (int(cache.size()) < kScriptCacheSize) {
        cache.push_back(record);
        return record;
    }
    for (auto& r : cache) {
        if (r->busy == 0) {
            r = record;
            return record;
        }
    }
    return nullptr;
}

void dropCachedScript(std::u16string_view path) {
    const size_t slash = path.rfind(u'/');
    std::u16string_view file = slash == std::u16string_view::npos ? path : path.substr(slash + 1);
    if (file.size() < 4) return;
    file.remove_suffix(4);
    std::erase_if(cache, [&](const std::shared_ptr<ScriptRecord>& r) { return r->name == file; });
}

void clearScriptCache() {
    cache.clear();
}

int cachedScriptCount() {
    return int(cache.size());
}

bool isScriptCached(std::u16string_view name) {
    return std::any_of(cache.begin(), cache.end(),
                       [&](const std::shared_ptr<ScriptRecord>& r) { return r->name == name; });
}

}  // namespace engine
