// The user-function slot table, the only owner of that process-wide state.
#include "engine/user_functions.h"

#include <array>
#include <optional>
#include <utility>

#include "engine_state_data.h"

namespace engine {
namespace {

constinit std::array<std::optional<UserFunction>, kUserFunctionSlots>& slots =
    theEngineState.userFunctions;

bool inTable(int slot) { return slot >= 0 && slot < kUserFunctionSlots; }

}  // namespace

bool setUserFunction(int slot, UserFunction function) {
    if (!inTable(slot)) return false;
    slots[slot] = std::move(function);
    return true;
}

void clearUserFunction(int slot) {
    if (inTable(slot)) slots[slot].reset();
}

void resetUserFunctions() {
    for (auto& s : slots) s.reset();
}

const UserFunction* userFunctionAt(int slot) {
    if (!inTable(slot) || !slots[slot]) return nullptr;
    return &*slots[slot];
}

int findUserFunction(std::u16string_view name) {
    for (int s = 0; s < kUserFunctionSlots; ++s)
        if (slots[s] && slots[s]->name == name) return s;
    return -1;
}

}  // namespace engine
