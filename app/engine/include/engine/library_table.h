// The loaded keypad libraries in load order, as the name lookup asks them.
// The loader fills the table; the engine never cares where an entry's entry
// points came from (tests enter in-process fakes).
#ifndef ORVANA_ENGINE_LIBRARY_TABLE_H
#define ORVANA_ENGINE_LIBRARY_TABLE_H

#include <string>

#include "keypad.h"

namespace engine {

// Library numbers are 1 to 15: the routed-code field has four bits and 0 is
// the main program, so a sixteenth library could not own a single operator.
constexpr int kMaxLibraries = int(KEYPAD_MAX_LIBRARY_NUMBER);

// Appends a library and returns its library number, or 0 when the table is
// full or the record lacks GetStrOperator or GetOperator.
int addLibrary(const KeypadLibrary& library, std::u16string name);
int libraryCount();
// The library with this number (1-based), or null.
const KeypadLibrary* libraryAt(int number);
const std::u16string* libraryName(int number);
// Forgets every entry (the modules themselves belong to the loader).
void resetLibraries();

}  // namespace engine

#endif
