// The engine's table of loaded keypad libraries, owner of that state.
#include "engine/library_table.h"

#include <utility>
#include <vector>

#include "engine_state_data.h"

namespace engine {
namespace {

constinit std::vector<LibraryEntry>& entries = theEngineState.libraries;

}  // namespace

int addLibrary(const KeypadLibrary& library, std::u16string name) {
    if (int(entries.size()) >= kMaxLibraries) return 0;
    if (library.GetStrOperator == nullptr || library.GetOperator == nullptr) return 0;
    // Records never move once entered: LoadBMP and others receive their address.
    if (entries.capacity() < size_t(kMaxLibraries)) entries.reserve(kMaxLibraries);
    // The display name holds at most 29 units plus its terminator.
    if (name.size() >= KEYPAD_LIBRARY_NAME_UNITS) name.resize(KEYPAD_LIBRARY_NAME_UNITS - 1);
    entries.push_back({library, std::move(name)});
    return int(entries.size());
}

int libraryCount() { return int(entries.size()); }

const KeypadLibrary* libraryAt(int number) {
    if (number < 1 || number > int(entries.size())) return nullptr;
    return &entries[number - 1].library;
}

const std::u16string* libraryName(int number) {
    if (number < 1 || number > int(entries.size())) return nullptr;
    return &entries[number - 1].name;
}

void resetLibraries() { entries.clear(); }

}  // namespace engine
