// The three display-format slots. Slot 0 travels with the Workspace (the
// engine's WorkspaceSettings holds it); slots 1 and 2 and the index of the
// slot in use travel with the preferences and live here.
#ifndef ORVANA_SHELL_FORMAT_SLOTS_H
#define ORVANA_SHELL_FORMAT_SLOTS_H

#include <array>
#include <cstdint>

#include "engine/display_format.h"

namespace shell {

struct FormatSlot {
    uint16_t formatCode = engine::kDefaultFormatCode;  // kind high byte, digits low byte
    int16_t answerRows = 1;                            // 0 "Script", 1 to 3
    int16_t answerColumns = 1;                         // always 1
    bool polar = false;                                // complex numbers in polar form
    bool evaluation = false;                           // the evaluator's rounding flag
    bool stored = true;                                // kept and written back only
};

inline constexpr int kFormatSlotCount = 3;

struct FormatSlots {
    std::array<FormatSlot, 2> saved{};  // slots 1 and 2
    int16_t current = 0;                // 0..2

    // The settings of slot 0, 1 or 2 (slot 0 read from the Workspace's
    // settings); an index outside 0..2 reads slot 0.
    FormatSlot slot(int index) const;
    FormatSlot inUse() const { return slot(current); }
    // Stores settings into a slot (slot 0 into the Workspace's settings).
    void setSlot(int index, const FormatSlot& values);
};

// Builds the number format of the slot in use and sets the evaluator's
// rounding flag from it.
void applyNumberFormat(const FormatSlots& slots);

}  // namespace shell

#endif
