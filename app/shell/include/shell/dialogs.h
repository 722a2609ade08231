// The dialogs the shell's commands open, one entry per dialog. The window
// installs the real dialogs; until then (and in tests that script them) each
// entry may be replaced. The defaults cancel without showing anything.
#ifndef ORVANA_SHELL_DIALOGS_H
#define ORVANA_SHELL_DIALOGS_H

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/key_host.h"

namespace shell {

struct ShellState;

enum class FilesMode { Load = 0, Save = 1, Export = 2, SelectFolder = 3 };

inline constexpr int kDialogConfirmed = 1;
inline constexpr int kDialogCancelled = -1;

struct ShellDialogs {
    // The Files dialog: opens on `path` and leaves the chosen path there.
    // kDialogConfirmed or kDialogCancelled.
    int (*files)(ShellState& state, FilesMode mode, std::u16string& path);
    // The Workspace Options dialog: the load flags, or -1 when cancelled.
    int32_t (*workspaceOptions)(ShellState& state);
    // The answer viewer on the active block's answer.
    void (*answerViewer)(ShellState& state);
    // The Format dialog; true when the user confirmed a new format.
    bool (*format)(ShellState& state);
    // The Library Selection dialog (quick selects 0 to 2).
    void (*librarySelection)(ShellState& state);
    // The Variables/Scripts dialog of the variables key: what was chosen.
    engine::VariableChoice (*variables)(ShellState& state);
    // The "Var" dialog on a variable that has a value.
    void (*variableViewer)(ShellState& state, std::u16string_view name);
};

// Entries that cancel and change nothing.
ShellDialogs inactiveDialogs();

}  // namespace shell

#endif
