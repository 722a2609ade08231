// The names the main program and each loaded keypad library answer, with
// their operator codes, for help listings. A library lists its names through
// its optional KeypadNames export (keypad.h), looked up by name in its
// module; a library without it lists none and works as before.
#ifndef ORVANA_ENGINE_LIBRARY_NAMES_H
#define ORVANA_ENGINE_LIBRARY_NAMES_H

#include <cstdint>
#include <string>
#include <vector>

namespace engine {

struct NamedCode {
    std::u16string name;
    uint16_t code = 0;  // the code its owner gives it
};

// The main program's keywords, in table order.
std::vector<NamedCode> mainProgramNames();

// The names of the library with this number (1-based), in the module's
// order; empty for an unknown number or a module without the export.
std::vector<NamedCode> libraryNames(int number);

}  // namespace engine

#endif
