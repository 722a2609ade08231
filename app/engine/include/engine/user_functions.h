// The 30 user-function slots: named equation blocks whose names act as
// keywords while they exist. The block list fills them; the engine only reads
// a slot's name, its parameter count and its block's code list.
#ifndef ORVANA_ENGINE_USER_FUNCTIONS_H
#define ORVANA_ENGINE_USER_FUNCTIONS_H

#include <string>
#include <string_view>

#include "keypad.h"

namespace engine {

constexpr int kUserFunctionSlots = 30;

struct UserFunction {
    std::u16string name;
    int parameters = 0;  // 0 to 3
    // Where the block keeps its code list, so that renumbering variables can
    // rewrite it; may be null while the block has none.
    Token** codeList = nullptr;
    // The owning block, opaque to the engine's front end.
    void* block = nullptr;
};

// Fills a slot (0 to 29); false for a slot outside the table.
bool setUserFunction(int slot, UserFunction function);
void clearUserFunction(int slot);
// Empties every slot.
void resetUserFunctions();
// The function in a slot, or null when the slot is empty or outside the table.
const UserFunction* userFunctionAt(int slot);
// The first slot whose function has this name, or -1.
int findUserFunction(std::u16string_view name);

}  // namespace engine

#endif
