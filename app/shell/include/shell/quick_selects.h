// The quick selects: five slots of library indices (kNoLibrary when empty)
// and a cursor over the first four. Slot 0 always names a library once the
// preferences are read, slots 1 and 2 are the user's choice, slot 3
// remembers the last library chosen from the Library menu that is in none of
// the others, and slot 4 stays empty.
#ifndef ORVANA_SHELL_QUICK_SELECTS_H
#define ORVANA_SHELL_QUICK_SELECTS_H

#include <array>
#include <cstddef>
#include <cstdint>

#include "shell/preferences.h"

namespace shell {

// The slots the Left and Right keys step through.
inline constexpr int kQuickSelectCursorSlots = 4;

using QuickSelectSlots = std::array<int16_t, kQuickSelectSlots>;

// Command 7000 + n: library n becomes the current one, and takes slot 3 when
// it is in none of slots 0 to 2. False (nothing changes) for n outside
// 0..count - 1.
bool chooseLibrary(QuickSelectSlots& slots, int16_t& current, int n, int libraryCount);

// The Left and Right keys on a page other than 0: Right moves the cursor to
// the slot before (0 wraps to 3), Left to the slot after (3 wraps to 0),
// passing over empty slots; the current library becomes the slot's.
void stepQuickSelect(const QuickSelectSlots& slots, int16_t& cursor, int16_t& current,
                     bool right);

// Where the keypad view goes when it is shown over the full-screen list: at
// the bottom when the active block's top is above y 151, else at the top.
int32_t fullScreenKeypadTop(int32_t activeTop);

}  // namespace shell

#endif
