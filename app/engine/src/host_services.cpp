// The HostServices table keypad libraries receive with every call.
#include <string_view>

#include "engine/evaluator.h"
#include "engine/name_lookup.h"
#include "engine/parser.h"
#include "engine/variables.h"
#include "platform/text.h"

namespace engine {
namespace {

uint32_t lookupNameEntry(const char16_t* name) {
    if (name == nullptr) return 0;
    return lookupName(std::u16string_view(name, platformTextLength(name)));
}

uint32_t lookupOperatorCharEntry(char16_t character) { return lookupOperatorChar(character); }

const HostServices services{
    ::compileExpression, ::runCode,          ::freeCode,
    ::variableAt,        ::findVariable,     ::createVariable,
    lookupNameEntry,     lookupOperatorCharEntry, nullptr,
};

}  // namespace

const HostServices* hostServices() { return &services; }

}  // namespace engine
