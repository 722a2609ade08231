// The dialog entries in force until the window installs its own.
#include "shell/dialogs.h"

namespace shell {
namespace {

int cancelFiles(ShellState&, FilesMode, std::u16string&) { return kDialogCancelled; }
int32_t cancelOptions(ShellState&) { return kDialogCancelled; }
void showNothing(ShellState&) {}
bool keepFormat(ShellState&) { return false; }
engine::VariableChoice chooseNothing(ShellState&) { return {}; }
void viewNothing(ShellState&, std::u16string_view) {}

}  // namespace

ShellDialogs inactiveDialogs() {
    return ShellDialogs{cancelFiles, cancelOptions, showNothing, keepFormat, showNothing,
                        chooseNothing, viewNothing};
}

}  // namespace shell
