// Choosing the current library and stepping through the quick selects.
#include "shell/quick_selects.h"

namespace shell {

bool chooseLibrary(QuickSelectSlots& slots, int16_t& current, int n, int libraryCount) {
    if (n < 0 || n >= libraryCount) return false;
    current = int16_t(n);
    if (slots[0] != n && slots[1] != n && slots[2] != n) slots[3] = int16_t(n);
    return true;
}

void stepQuickSelect(const QuickSelectSlots& slots, int16_t& cursor, int16_t& current,
                     bool right) {
    int slot = cursor;
    for (int step = 0; step < kQuickSelectCursorSlots; ++step) {
        slot = right ? (slot + kQuickSelectCursorSlots - 1) % kQuickSelectCursorSlots
                     : (slot + 1) % kQuickSelectCursorSlots;
        if (slots[size_t(slot)] != kNoLibrary) break;
    }
    if (slots[size_t(slot)] == kNoLibrary) return;
    cursor = int16_t(slot);
    current = slots[size_t(slot)];
}

int32_t fullScreenKeypadTop(int32_t activeTop) {
    return activeTop < 151 ? 112 : 0;
}

}  // namespace shell
