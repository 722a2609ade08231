// Starting the shell core and tearing it down: the start-up sequence the
// window runs before its message loop (everything but the one-instance rule
// and the toolkit's own windows), and the destroy handling that saves the
// Workspace and the preferences and unloads the keypad libraries.
#ifndef ORVANA_SHELL_SHELL_LIFECYCLE_H
#define ORVANA_SHELL_SHELL_LIFECYCLE_H

#include <string>

#include "shell/shell_state.h"

namespace shell {

struct StartupOptions {
    // The one optional path of the command line.
    std::u16string commandLine;
    // Where the keypad modules lie; empty: beside the program (or installed
    // in ../lib/orvana).
    std::string moduleFolder;
};

// Runs the start-up steps in order on a fresh state: engine and display
// defaults, the keypad libraries, the preferences, the number format,
// "startup.ovw" with its blocks evaluated, RPN mode when the preferences
// turned it on, the graph range, the document to open ("default.ovw", or a
// ".ovw" file named on the command line) and the current library.
void startShell(ShellState& state, const StartupOptions& options);

// The destroy handling: saves the Workspace to "default.ovw" and the
// preferences to "prefs.prf" in the program folder (failures are not
// reported), frees the blocks, the copied block and the user functions,
// unloads the keypad libraries and asks the window to close. Runs once.
void destroyShell(ShellState& state);

// The preferences as the state holds them now.
Preferences currentPreferences(const ShellState& state);

// Whether a command-line path names a Workspace file to open.
bool opensWorkspaceFile(std::u16string_view commandLine);

}  // namespace shell

#endif
