// The Workspace-wide operations behind the shell's commands and its start-up:
// emptying the Workspace, the fixed-name files of the program folder
// ("startup.ovw", "default.ovw"), loading a file, saving under a chosen name,
// exporting it as text and choosing the script directory.
#ifndef ORVANA_SHELL_WORKSPACE_COMMANDS_H
#define ORVANA_SHELL_WORKSPACE_COMMANDS_H

#include <cstdint>
#include <string>
#include <string_view>

#include "shell/shell_state.h"

namespace shell {

inline constexpr char16_t kStartupFileName[] = u"startup.ovw";
inline constexpr char16_t kDefaultFileName[] = u"default.ovw";

// Commits the edit line (EXE in commit-only mode).
void commitEditLine(ShellState& state);

// Clears the script cache and the variables no block uses, and leaves the
// running scope.
void clearVariables(ShellState& state);
// The private message 1023 (sent when called Workspaces changed on disk):
// the loaded scripts are forgotten and the running scope left.
void forgetLoadedScripts(ShellState& state);
// Every block replaced by one empty block, the note emptied, the undo record
// cleared, the list scrolled to its top.
void clearBlocks(ShellState& state);

// Loads "startup.ovw" with the start-up flag and evaluates every block; the
// last block becomes active and is shown with the block above it.
void loadStartupWorkspace(ShellState& state);
// The Load Default steps with the given load flags: false when the file could
// not be loaded (nothing changed then).
bool loadDefaultWorkspace(ShellState& state, uint32_t flags);
// Loads a file chosen by the user or named on the command line: a failure
// reports message 59 and the steps go on with what the load left.
void loadWorkspaceFile(ShellState& state, const std::u16string& path, uint32_t flags);
// Saves to a file of the program folder (no flags); false on failure.
bool saveProgramFile(ShellState& state, std::u16string_view fileName);

// The commands that ask for a file or folder first.
void loadWithDialog(ShellState& state);
void saveWithDialog(ShellState& state);
void exportWithDialog(ShellState& state);
void chooseScriptDirectory(ShellState& state);
void loadDefaultWithDialog(ShellState& state);
// Whether a Workspace name holds a character that keeps it from being called
// as a function (a digit or one of "+,;=[]").
bool nameBlocksCalling(std::u16string_view name);

}  // namespace shell

#endif
