// Workspace files (".ovw"): the header, the note, the settings record
// (workspace_settings.h), the global variables, the user functions and the
// blocks. All integers are little-endian, texts UTF-16 with their
// terminator, doubles IEEE 754.
//
// The reader trusts nothing in the file. It reads the whole file before it
// changes anything, so that a file that is not what it claims to be (a value
// record whose size does not match its shape, an unknown kind, an odd text
// size, an unsupported version) is refused with nothing changed. A file that
// simply ends early loads what it holds completely: the records before the
// end are taken, the cut record and everything after it are not. Nothing is
// allocated for a size the file does not hold.
#ifndef ORVANA_ENGINE_WORKSPACE_FILE_H
#define ORVANA_ENGINE_WORKSPACE_FILE_H

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/block_list.h"

namespace engine {

inline constexpr uint16_t kWorkspaceVersion = 5;

// Load options.
inline constexpr uint32_t kLoadKeepBlocks = 0x01;      // keep the blocks, note and settings
inline constexpr uint32_t kLoadKeepFunctions = 0x02;   // keep the user functions
inline constexpr uint32_t kLoadSkipVariables = 0x04;   // leave the variables alone
inline constexpr uint32_t kLoadClearVariables = 0x10;  // clear the variables first
inline constexpr uint32_t kLoadStartup = 0x20;         // the start-up and default loads

// Which part of a file a load takes.
struct LoadWhich {
    enum class Kind { Workspace, AllVariables, OneVariable };
    Kind kind = Kind::Workspace;
    std::u16string name;  // OneVariable

    static LoadWhich workspace() { return {}; }
    static LoadWhich allVariables() { return {Kind::AllVariables, {}}; }
    static LoadWhich variable(std::u16string_view n) {
        return {Kind::OneVariable, std::u16string(n)};
    }
};

// Writes the Workspace (the note, the settings record, the globals from
// index 2 on, then the user functions and blocks of `blocks`) to `path`,
// replacing the file in one step. With variablesOnly the function and block
// sections are two zero counts and `blocks` may be null. False when the file
// cannot be written (the previous file is then unchanged). After a save the
// script cache forgets the Workspace of that name.
bool saveWorkspace(const char16_t* path, bool variablesOnly, const BlockList* blocks);

// The bytes saveWorkspace writes.
std::string workspaceBytes(bool variablesOnly, const BlockList* blocks);

// Loads a file of version 1 to 5. A Workspace load replaces the note, the
// settings, the user functions and the blocks (each as the options allow)
// and compiles the texts again; the caller evaluates the blocks. It adds the
// globals x, y, z and t when they are missing. AllVariables reads only the
// variable section into the global table; OneVariable only that variable
// (false when the file has none of that name, nothing changed). False when
// the file cannot be opened, its version is 0 or 6 and above, or it is
// malformed; nothing has changed then. `blocks` may be null except for a
// Workspace load.
bool loadWorkspace(const char16_t* path, uint32_t options, const LoadWhich& which,
                   BlockList* blocks);

// What the last Workspace load found, for a front end to report: whether
// the file ended early, how many blocks it gives and how many were loaded
// (at most 101).
struct LoadSummary {
    bool cutShort = false;
    int blocksInFile = 0;
    int blocksLoaded = 0;
};
LoadSummary lastLoadSummary();

// The options of the last Workspace load that succeeded (the start-up flag
// among them), for the shell.
uint32_t lastLoadOptions();

}  // namespace engine

#endif
