// The shell's dialogs asked through the platform's prompt and list dialogs.
#include "shell/prompted_dialogs.h"

#include "engine/script_folder.h"
#include "engine/variables.h"
#include "shell/answer_viewer.h"
#include "shell/files_dialog.h"
#include "shell/format_dialog.h"
#include "shell/library_selection_dialog.h"
#include "shell/new_variable_dialog.h"
#include "shell/shell_state.h"
#include "shell/workspace_options_dialog.h"

namespace shell {
namespace {

int files(ShellState& state, FilesMode mode, std::u16string& path) {
    return runFilesDialogByPrompts(state.windows.main, mode, path, engine::scriptFolder());
}

int32_t workspaceOptions(ShellState& state) { return runWorkspaceOptionsByPrompt(state.windows.main); }

void showValue(ShellState& state, const Matrix* value) {
    const AnswerViewer viewer(value, state.formats.inUse(), state.document.activeBlock().degrees());
    platformMessageBox(state.windows.main, viewer.tabSeparated().c_str(), u"Var", PLATFORM_MB_OK);
}

void answerViewer(ShellState& state) { showValue(state, activeAnswer(state)); }

bool format(ShellState& state) { return runFormatDialogByLists(state.windows.main, state.formats); }

void librarySelection(ShellState& state) {
    runLibrarySelectionByLists(state.windows.main, state.quickSelect);
}

engine::VariableChoice variables(ShellState& state) {
    return toVariableChoice(chooseVariableByPrompts(state));
}

void variableViewer(ShellState& state, std::u16string_view name) {
    viewVariableByPrompts(state, name);
}

}  // namespace

ShellDialogs promptedDialogs() {
    return ShellDialogs{files,  workspaceOptions, answerViewer, format, librarySelection,
                        variables, variableViewer};
}

VariablesResult chooseVariableByPrompts(ShellState& state) {
    VariablesResult result =
        runVariablesDialogByList(state.windows.main, state.formats.inUse(), engine::scriptFolder());
    if (result.code == kChoseNewVariable) {
        const int index = runNewVariableByPrompt(state.windows.main);
        result.name = std::u16string(engine::globalVariableName(index));
    }
    return result;
}

void viewVariableByPrompts(ShellState& state, std::u16string_view name) {
    showValue(state, engine::variableAt(engine::findVariable(name)));
}

}  // namespace shell
