// The preferences file "prefs.prf": RPN mode, display-format slots 1 and 2
// with the index of the slot in use, the quick-select libraries by name and
// the script directory. Little-endian, 900 bytes when complete:
//
//   0    1    version (3; files of version 1 hold four quick selects)
//   1   15    zero
//  16   64    settings: byte 0 RPN mode; 2-8 slot 1 and 9-15 slot 2 (format
//             code as two bytes low first, evaluation flag, polar flag, answer
//             rows, columns per line, stored flag); 23 the slot in use
//  80  300    five quick-select fields of 30 UTF-16 units: a library name,
//             0-terminated, or for an empty slot the settings' first 60 bytes
// 380  520    script directory, 260 UTF-16 units, 0-terminated
//
// The reader never trusts the file: each part that does not arrive leaves
// the defaults in force.
#ifndef ORVANA_SHELL_PREFERENCES_H
#define ORVANA_SHELL_PREFERENCES_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "shell/format_slots.h"

namespace shell {

inline constexpr size_t kPreferencesSize = 900;
inline constexpr int kQuickSelectSlots = 5;
inline constexpr int16_t kNoLibrary = -1;
inline constexpr char16_t kPreferencesFileName[] = u"prefs.prf";

struct Preferences {
    bool rpnMode = false;
    FormatSlots formats;
    // Library indices (0-based positions in load order), or kNoLibrary.
    std::array<int16_t, kQuickSelectSlots> quickSelects{0, kNoLibrary, kNoLibrary, kNoLibrary,
                                                        kNoLibrary};
    // The library of the first non-empty quick-select slot.
    int16_t currentLibrary = 0;
    // Empty (the current folder) unless the file names one.
    std::u16string scriptDirectory;
};

// Reads preferences from the bytes of a file; `file` null means the file
// could not be opened. `libraryNames` are the loaded libraries in load order;
// `documents` is the script directory of a file too short to hold one.
// Slot 0's answer rows in the Workspace settings are limited to 3 as well.
Preferences readPreferencesBytes(const unsigned char* file, size_t size,
                                 const std::vector<std::u16string>& libraryNames,
                                 std::u16string_view documents);

// The complete 900-byte file for these preferences.
std::string preferencesBytes(const Preferences& preferences,
                             const std::vector<std::u16string>& libraryNames);

// The file at `path`: read (a missing file gives the defaults) or replaced in
// one step (false when it cannot be written; nothing is reported).
Preferences readPreferencesFile(const char16_t* path,
                                const std::vector<std::u16string>& libraryNames,
                                std::u16string_view documents);
bool writePreferencesFile(const char16_t* path, const Preferences& preferences,
                          const std::vector<std::u16string>& libraryNames);

// The names of the engine's library table in load order.
std::vector<std::u16string> loadedLibraryNames();

}  // namespace shell

#endif
