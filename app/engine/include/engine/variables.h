// Variables: the global table, the local scope of a called Workspace, and the
// reference codes compiled lists use to name them.
#ifndef ORVANA_ENGINE_VARIABLES_H
#define ORVANA_ENGINE_VARIABLES_H

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "keypad.h"

namespace engine {

constexpr int kGlobalNames = 100;
constexpr int kGlobalRecords = 105;
constexpr size_t kVariableNameLimit = 10;

// Reference codes.
constexpr uint16_t kLocalBase = 0x1000;       // local x, y, z, a, b, c: +0 to +5
constexpr uint16_t kNamedLocalBase = 0x1006;  // n-th named local: +n
constexpr uint16_t kNoVariable = KEYPAD_NO_VARIABLE;
constexpr std::u16string_view kFixedLocals = u"xyzabc";
constexpr uint8_t kNoParameter = 100;

// The local variables of one called Workspace. The names and the parameter
// map are set up when the Workspace is loaded; the values exist only while a
// call is running (beginCall to endCall).
struct LocalScope {
    std::vector<std::u16string> namedLocals;
    // Byte i: the local slot that receives the i-th parameter.
    std::array<uint8_t, 6> parameterMap{kNoParameter, kNoParameter, kNoParameter,
                                        kNoParameter, kNoParameter, kNoParameter};
    // 6 fixed locals, then one per named local.
    std::vector<Matrix*> values;
};

// Creates the scope's values, all empty. False when memory ran out (the
// scope then holds no values).
bool beginCall(LocalScope& scope);
// Frees the scope's values.
void endCall(LocalScope& scope);
// The scope that findVariable and variableAt consult first; null for none.
void setActiveScope(LocalScope* scope);
LocalScope* activeScope();

// Locals of the active scope first, then the globals; kNoVariable otherwise.
uint16_t findVariable(std::u16string_view name);
// The value of a reference; null for a reference that names nothing.
Matrix* variableAt(uint16_t reference);
// Appends a name (cut to 10 units) to the scope's named locals, or without a
// scope to the globals; a full global table gives up its last entry. An
// empty name adds nothing and gives 0.
uint16_t addVariable(std::u16string_view name, LocalScope* scope);

// Empties every global and drops the names no code list refers to, then
// renumbers the references in those lists. The lists of the user-function
// slots are scanned and renumbered too (each list once, even when it is also
// among the given ones).
void compactVariables(std::span<Token* const> codeLists);

int globalVariableCount();
// The name of a global, empty for an index outside the table.
std::u16string_view globalVariableName(int index);

// Back to the start-up table: the six predefined names with the scalar 0, no
// active scope.
void resetVariables();

}  // namespace engine

// The forms handed to keypad libraries through HostServices.
extern "C" {
uint16_t findVariable(const char16_t* name);
Matrix* variableAt(uint16_t handle);
uint16_t createVariable(const char16_t* name);
}

#endif
