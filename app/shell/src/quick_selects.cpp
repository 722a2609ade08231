// Choosing the current library and stepping through the quick selects.
#include "shell/quick_selects.h"

namespace shell {

bool chooseLibrary(QuickSelects& quick, int16_t& current, int n, int libraryCount) {
    if (n < 0 || n >= libraryCount) return false;
    current = int16_t(n);
    if (quick.slots[0] != n && quick.slots[1] != n && quick.slots[2] != n)
        quick.slots[3] = int16_t(n);
    return true;
}

void stepQuickSelect(QuickSelects& quick, int16_t& current, bool right) {
    int slot = quick.cursor;
    for (int step = 0; step < kQuickSelectCursorSlots; ++step) {
        slot = right ? (slot + kQuickSelectCursorSlots - 1) % kQuickSelectCursorSlots
                     : (slot + 1) % kQuickSelectCursorSlots;
        if (quick.slots[size_t(slot)] >= 0) break;
    }
    if (quick.slots[size_t(slot)] < 0) return;
    quick.cursor = slot;
    current = quick.slots[size_t(slot)];
}

int32_t fullScreenKeypadTop(int32_t activeTop) {
    return activeTop < 151 ? 112 : 0;
}

}  // namespace shell
