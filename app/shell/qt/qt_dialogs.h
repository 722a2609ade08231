// The shell's dialog entries for the window: the Qt views, owned by the main
// window and drawn at its scale; in key mode the prompt-driven forms, whose
// questions the backend answers from the answer list.
#ifndef ORVANA_SHELL_QT_QT_DIALOGS_H
#define ORVANA_SHELL_QT_QT_DIALOGS_H

#include <QWidget>

#include "shell/dialogs.h"
#include "shell/variables_dialog.h"

namespace orvana::qt {

// The window the views belong to and its scale; set again when the scale
// changes.
void setDialogOwner(QWidget* owner, int scale);

// The entries showing the Qt views.
shell::ShellDialogs qtDialogs();
// The entries for the window: the views, or the prompt-driven forms when
// `scripted` (key mode).
shell::ShellDialogs windowDialogs(bool scripted);

// The Variables/Scripts dialog of the variables key, in either form.
shell::VariablesResult chooseVariable(shell::ShellState& state, bool scripted);
// The answer viewer on a variable's value, in either form.
void viewVariable(shell::ShellState& state, std::u16string_view name, bool scripted);

}  // namespace orvana::qt

#endif
