// The start-up sequence and the destroy handling.
#include "shell/shell_lifecycle.h"

#include "engine/engine_state.h"
#include "engine/script_folder.h"
#include "engine/workspace_file.h"
#include "engine/workspace_settings.h"
#include "platform/clock.h"
#include "shell/commands.h"
#include "shell/keypad_choice.h"
#include "shell/program_folder.h"
#include "shell/workspace_commands.h"

namespace shell {
namespace {

constexpr char16_t kWorkspaceEnding[] = u".ovw";

void takePreferences(ShellState& state, const Preferences& p) {
    state.rpnMode = p.rpnMode;
    state.formats = p.formats;
    state.quickSelect.slots = p.quickSelects;
    state.currentLibrary = p.currentLibrary;
    engine::setScriptFolder(p.scriptDirectory);
}

}  // namespace

bool opensWorkspaceFile(std::u16string_view commandLine) {
    return commandLine.ends_with(kWorkspaceEnding);
}

Preferences currentPreferences(const ShellState& state) {
    Preferences p;
    p.rpnMode = state.rpnMode;
    p.formats = state.formats;
    p.quickSelects = state.quickSelect.slots;
    p.currentLibrary = state.currentLibrary;
    p.scriptDirectory = engine::scriptFolder();
    return p;
}

void startShell(ShellState& state, const StartupOptions& options) {
    prepareProgramFolder();

    // Engine and display defaults; one empty block is the state's own.
    state.helpMode = false;
    state.page = 0;
    state.hardwareKeyTime = platformTickCount();
    // The six predefined variables, an empty value stack, default Workspace
    // settings (the graph range among them) and number format.
    engine::engineState().reset();
    state.formats = FormatSlots{};

    state.fullScreen = false;
    state.view.setBlockAreaHeight(kBlockAreaNormal);

    // Libraries (with the script support), then the preferences that name
    // them, then the number format.
    state.engine = options.moduleFolder.empty()
                       ? std::make_unique<EngineStartup>(u"")
                       : std::make_unique<EngineStartup>(u"", options.moduleFolder);
    takePreferences(state, readPreferencesFile(programFilePath(kPreferencesFileName).c_str(),
                                               loadedLibraryNames(), documentsFolder()));
    applyNumberFormat(state.formats);
    syncBlockDisplay(state);
    state.rpnMenuChecked = state.rpnMode;

    loadStartupWorkspace(state);

    if (state.rpnMode) {
        state.rpnMode = false;
        runCommand(state, kCmdRpnMode);
    }

    // The graph view takes the range the Workspace brought.
    state.graph = std::make_unique<GraphModel>(state.blocks(), engine::workspaceSettings());

    if (opensWorkspaceFile(options.commandLine)) {
        loadWorkspaceFile(state, options.commandLine, 0);
        state.rpnMenuChecked = state.rpnMode;
    } else {
        loadDefaultWorkspace(state, engine::kLoadStartup);
    }

    state.quickSelect.cursor = 0;
    const int16_t first = state.quickSelect.slots[0];
    state.currentLibrary = first == kNoLibrary ? 0 : first;
    applyNumberFormat(state.formats);
    syncBlockDisplay(state);
    state.pending.redrawClient = true;
    state.pending.updateScrollBar = true;
}

void destroyShell(ShellState& state) {
    if (state.pending.closeWindow) return;
    saveProgramFile(state, kDefaultFileName);
    writePreferencesFile(programFilePath(kPreferencesFileName).c_str(), currentPreferences(state),
                         loadedLibraryNames());
    // Blocks, user functions, the value stack, the variables, the script
    // cache and the copied block go; then the keypad libraries.
    state.document.clear();
    state.blocks().clearFunctions();
    state.copiedBlock.reset();
    engine::engineState().reset();
    state.engine.reset();
    state.pending.closeWindow = true;
}

}  // namespace shell
