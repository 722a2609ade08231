// The fields of the engine state, one member group per owning file. Only the
// engine's sources see them; each file binds its members once (as
// references at file level) and keeps using its own names for them.
#ifndef ORVANA_ENGINE_ENGINE_STATE_DATA_H
#define ORVANA_ENGINE_ENGINE_STATE_DATA_H

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/answer_source.h"
#include "engine/call_failure.h"
#include "engine/display_format.h"
#include "engine/engine_state.h"
#include "engine/evaluator.h"
#include "engine/user_functions.h"
#include "engine/value_stack.h"
#include "engine/variables.h"
#include "engine/workspace_settings.h"
#include "keypad.h"
#include "lattix.h"
#include "platform/drawing.h"
#include "platform/module.h"
#include "script_run_state.h"

namespace engine {

struct ScriptRecord;

// The value stack's records are plain Matrix values whose arrays Lattix
// allocates; they are never freed as records (libraries hold their
// addresses), only emptied.
struct StackStorage {
    std::array<Matrix, kStackSlots> slots{};
    Matrix build{};
    Matrix eval{};

    StackStorage() {
        for (Matrix& m : slots) copyValMatrix(&m, 0.0, 0.0);
        copyValMatrix(&build, 0.0, 0.0);
        copyValMatrix(&eval, 0.0, 0.0);
    }
    ~StackStorage() {
        for (Matrix& m : slots) resizeMatrix(&m, 0, 0);
        resizeMatrix(&build, 0, 0);
        resizeMatrix(&eval, 0, 0);
    }
    StackStorage(const StackStorage&) = delete;
    StackStorage& operator=(const StackStorage&) = delete;
};

// The global variables; filled with the predefined names on first use.
struct GlobalTable {
    bool ready = false;
    int count = 0;
    std::array<std::u16string, kGlobalNames> names;
    std::array<Matrix*, kGlobalRecords> values{};
    // The last name findVariable resolved and its reference, good while no
    // name was added or dropped and the active scope stayed the same. Held
    // in place (names are at most kVariableNameLimit units) so that a lookup
    // never allocates.
    std::array<char16_t, kVariableNameLimit> lastName{};
    size_t lastLength = 0;
    uint16_t lastReference = 0;
    bool lastValid = false;
};

// One entry of the library table: the bound record and its display name.
struct LibraryEntry {
    KeypadLibrary library;
    std::u16string name;
};

// A module the loader opened, with its title bitmap.
struct LoadedModule {
    PlatformModule* module;
    PlatformSurface* title;
};

struct EngineStateData final : EngineState {
    // value_stack.cpp
    StackStorage stack;
    int16_t stackTop = kBlockStartTop;

    // variables.cpp
    GlobalTable globals;
    LocalScope* scope = nullptr;

    // user_functions.cpp
    std::array<std::optional<UserFunction>, kUserFunctionSlots> userFunctions;

    // answer_index.cpp and builtin_answers.cpp: which block ANS means, and the
    // document (or called Workspace) whose answers are read.
    int answerIndex = -1;
    AnswerSource* answerSource = nullptr;

    // evaluator.cpp
    bool evaluating = false;   // the evaluation flag
    bool elementwise = false;  // set while a "V:" list runs
    int nesting = 0;

    // display_format.cpp: the format text of the current number format.
    char16_t numberFormat[kFormatLength + 1] = u"% #0.05G";

    // script_cache.cpp. Records are shared with the calls running them, so
    // that dropping one from the cache while it runs (a Workspace saving a
    // file of its own name) never frees what a call still uses.
    std::vector<std::shared_ptr<ScriptRecord>> scriptCache;

    // script_runner.cpp
    ScriptRunState scratchRun;
    ScriptRunState* innermostRun = nullptr;
    bool aborted = false;
    bool graphShowing = false;
    // The wait cursor stays while any run is going, until the outermost ends
    // or a run is aborted.
    int waitDepth = 0;
    bool cursorShown = false;

    // direct_loop_blocks.cpp: plain FOR and END blocks of a script run
    // without the evaluator.
    bool directLoopBlocks = true;

    // call_failure.cpp
    std::optional<CallFailure> callFailure;

    // workspace_settings.cpp, workspace_note.cpp, workspace_load.cpp
    WorkspaceSettings settings;
    std::u16string note;
    uint32_t lastLoadOptions = 0;

    // Installed at start-up and kept by reset(): builtin_dispatch.cpp,
    // script_folder.cpp, library_table.cpp, library_loader.cpp.
    ScriptCodeHandler scriptHandler = nullptr;
    std::u16string scriptFolder;
    std::vector<LibraryEntry> libraries;
    std::vector<LoadedModule> loadedModules;
};

// The one instance.
extern EngineStateData theEngineState;

}  // namespace engine

#endif
