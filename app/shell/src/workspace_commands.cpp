// Emptying, loading, saving and exporting the Workspace for the commands and
// the start-up sequence.
#include "shell/workspace_commands.h"

#include <algorithm>
#include <vector>

#include "engine/messages.h"
#include "engine/script_cache.h"
#include "engine/script_folder.h"
#include "engine/text_export.h"
#include "engine/variables.h"
#include "engine/workspace_file.h"
#include "engine/workspace_note.h"
#include "shell/dialogs.h"
#include "shell/program_folder.h"

namespace shell {
namespace {

constexpr uint16_t kMessageCantOpenFile = 59;
constexpr uint16_t kMessageCantSaveWorkspace = 64;

// Shows the last block as the active one, at the top of the list.
void activateLast(ShellState& state, int firstVisible) {
    state.document.setActive(state.blocks().count() - 1);
    state.view.setFirstVisible(state.blocks(), firstVisible);
    state.pending.updateScrollBar = true;
}

// A format that travels with the Workspace changes with the file.
void applyFormatOfWorkspace(ShellState& state) {
    if (state.formats.current == 0) applyNumberFormat(state.formats);
}

bool loadInto(ShellState& state, const std::u16string& path, uint32_t flags) {
    return engine::loadWorkspace(path.c_str(), flags, engine::LoadWhich::workspace(),
                                 &state.blocks());
}

// The file name of a path: what follows its last '/'.
std::u16string_view fileNameOf(std::u16string_view path) {
    const size_t slash = path.rfind(u'/');
    return slash == std::u16string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace

void commitEditLine(ShellState& state) { state.view.exe(state.document, ExeMode::CommitOnly); }

void clearVariables(ShellState& state) {
    engine::clearScriptCache();
    std::vector<Token*> lists;
    const engine::BlockList& blocks = state.blocks();
    for (int k = 0; k < blocks.count(); ++k) lists.push_back(blocks.block(k).parsed());
    engine::compactVariables(lists);
    engine::setActiveScope(nullptr);
}

void forgetLoadedScripts(ShellState&) {
    engine::clearScriptCache();
    engine::setActiveScope(nullptr);
}

void clearBlocks(ShellState& state) {
    state.document.clear();
    engine::setWorkspaceNote(u"");
    state.view.setFirstVisible(state.blocks(), 0);
    state.pending.updateScrollBar = true;
}

void loadStartupWorkspace(ShellState& state) {
    if (loadInto(state, programFilePath(kStartupFileName), engine::kLoadStartup))
        state.document.blocksReplaced();
    state.document.evaluateAll();
    activateLast(state, state.blocks().count() - 1);
}

bool loadDefaultWorkspace(ShellState& state, uint32_t flags) {
    if (!loadInto(state, programFilePath(kDefaultFileName), flags)) return false;
    state.document.blocksReplaced();
    state.view.setFirstVisible(state.blocks(), 0);
    state.document.evaluateAll();
    activateLast(state, state.blocks().count() - 1);
    applyFormatOfWorkspace(state);
    state.pending.redrawClient = true;
    state.rpnMenuChecked = state.rpnMode;
    return true;
}

void loadWorkspaceFile(ShellState& state, const std::u16string& path, uint32_t flags) {
    if (loadInto(state, path, flags))
        state.document.blocksReplaced();
    else
        engine::showError(kMessageCantOpenFile, state.windows.main);
    state.document.evaluateAll();
    activateLast(state, state.blocks().count() - 1);
    engine::setActiveScope(nullptr);
    state.document.undoRecord() = engine::UndoRecord{};
    applyFormatOfWorkspace(state);
}

bool saveProgramFile(ShellState& state, std::u16string_view fileName) {
    return engine::saveWorkspace(programFilePath(fileName).c_str(), false, &state.blocks());
}

bool nameBlocksCalling(std::u16string_view name) {
    return name.find_first_of(u"0123456789+,;=[]") != std::u16string_view::npos;
}

void loadWithDialog(ShellState& state) {
    std::u16string path = engine::scriptFolder();
    if (state.dialogs.files(state, FilesMode::Load, path) != kDialogConfirmed) return;
    const int32_t flags = state.dialogs.workspaceOptions(state);
    if (flags == kDialogCancelled) return;
    loadWorkspaceFile(state, path, uint32_t(flags));
    state.rpnMenuChecked = state.rpnMode;
}

void saveWithDialog(ShellState& state) {
    commitEditLine(state);
    std::u16string path = engine::scriptFolder();
    if (state.dialogs.files(state, FilesMode::Save, path) != kDialogConfirmed) return;
    if (nameBlocksCalling(fileNameOf(path)))
        platformMessageBox(state.windows.main,
                           u"The workspace name contains digits or symbols and so can not be "
                           u"called as a function",
                           u"Warning", PLATFORM_MB_OK | PLATFORM_MB_ICONEXCLAMATION);
    if (!engine::saveWorkspace(path.c_str(), false, &state.blocks()))
        engine::showError(kMessageCantSaveWorkspace, state.windows.main);
    engine::dropCachedScript(path);
}

void exportWithDialog(ShellState& state) {
    std::u16string path = engine::scriptFolder();
    if (state.dialogs.files(state, FilesMode::Export, path) != kDialogConfirmed) return;
    const FormatSlot slot = state.formats.inUse();
    engine::exportText(state.blocks(), path.c_str(), slot.formatCode, slot.polar, state.windows.main);
}

void chooseScriptDirectory(ShellState& state) {
    std::u16string path = engine::scriptFolder();
    if (state.dialogs.files(state, FilesMode::SelectFolder, path) != kDialogConfirmed) return;
    if (path.empty()) {
        platformMessageBox(state.windows.main, u"No script selected, Script Directory not updated",
                           u"Script Directory", PLATFORM_MB_OK | PLATFORM_MB_ICONINFORMATION);
        return;
    }
    // A path whose fourth character from the end is '.' names a file: keep
    // its folder.
    if (path.size() >= 4 && path[path.size() - 4] == u'.') {
        const size_t slash = path.rfind(u'/');
        if (slash == std::u16string::npos)
            path.push_back(u'/');
        else
            path.resize(slash + 1);
    } else if (path.back() != u'/') {
        path.push_back(u'/');
    }
    engine::setScriptFolder(path);
}

void loadDefaultWithDialog(ShellState& state) {
    const int32_t flags = state.dialogs.workspaceOptions(state);
    if (flags == kDialogCancelled) return;
    loadDefaultWorkspace(state, uint32_t(flags));
}

}  // namespace shell
