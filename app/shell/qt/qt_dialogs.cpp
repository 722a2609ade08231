// The dialog entries the window installs.
#include "qt_dialogs.h"

#include <QPointer>

#include "answer_viewer_view.h"
#include "engine/script_folder.h"
#include "engine/variables.h"
#include "files_dialog_view.h"
#include "format_dialog_view.h"
#include "library_selection_view.h"
#include "shell/prompted_dialogs.h"
#include "shell/shell_state.h"
#include "variables_dialog_view.h"
#include "workspace_options_view.h"

namespace orvana::qt {
namespace {

QPointer<QWidget> owner;
int ownerScale = 1;

int files(shell::ShellState&, shell::FilesMode mode, std::u16string& path) {
    return showFilesDialog(owner, ownerScale, mode, path, engine::scriptFolder());
}

int32_t workspaceOptions(shell::ShellState&) { return showWorkspaceOptions(owner, ownerScale); }

void showValue(shell::ShellState& state, const Matrix* value) {
    const shell::AnswerViewer viewer(value, state.formats.inUse(),
                                     state.document.activeBlock().degrees());
    showAnswerViewer(owner, ownerScale, viewer);
}

void answerViewer(shell::ShellState& state) { showValue(state, shell::activeAnswer(state)); }

bool format(shell::ShellState& state) {
    const shell::FormatSlot before = state.formats.inUse();
    showFormatDialog(owner, ownerScale, state.formats);
    const shell::FormatSlot after = state.formats.inUse();
    return after.formatCode != before.formatCode || after.stored != before.stored;
}

void librarySelection(shell::ShellState& state) {
    showLibrarySelection(owner, ownerScale, state.quickSelect);
}

}  // namespace

void setDialogOwner(QWidget* window, int scale) {
    owner = window;
    ownerScale = scale;
}

engine::VariableChoice variables(shell::ShellState& state) {
    return shell::toVariableChoice(chooseVariable(state, false));
}

void variableViewer(shell::ShellState& state, std::u16string_view name) {
    viewVariable(state, name, false);
}

shell::ShellDialogs qtDialogs() {
    return shell::ShellDialogs{files,  workspaceOptions, answerViewer, format, librarySelection,
                               variables, variableViewer};
}

shell::ShellDialogs windowDialogs(bool scripted) {
    return scripted ? shell::promptedDialogs() : qtDialogs();
}

shell::VariablesResult chooseVariable(shell::ShellState& state, bool scripted) {
    if (scripted) return shell::chooseVariableByPrompts(state);
    return showVariablesDialog(owner, ownerScale, state.formats.inUse(), engine::scriptFolder());
}

void viewVariable(shell::ShellState& state, std::u16string_view name, bool scripted) {
    if (scripted) {
        shell::viewVariableByPrompts(state, name);
        return;
    }
    showValue(state, engine::variableAt(engine::findVariable(name)));
}

}  // namespace orvana::qt
