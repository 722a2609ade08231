// The one level of undo: what the last undoable step was and the texts it
// needs to take that step back. EXE records kinds 0, 1 and "block n
// changed"; RPN entry records 2, 3, 4, 5 and 7, and a key that changed the
// edit line records 6.
#ifndef ORVANA_ENGINE_UNDO_RECORD_H
#define ORVANA_ENGINE_UNDO_RECORD_H

#include <cstdint>
#include <string>

namespace engine {

// The kinds keep their stored values; a negative kind -1 - n means "EXE
// changed the text of block n" (see changedBlockKind).
enum class UndoKind : int16_t {
    Nothing = 0,                 // redraw only
    AppendedBlock = 1,           // EXE on the last block appended a new block
    RpnReplacedTwoAbove = 2,     // an RPN operation replaced the two blocks above the last
    RpnReplacedAbove = 3,        // an RPN operation replaced the block above the last
    RpnReplacedAboveAndLast = 4, // ... the block above the last and the last
    RpnComposedEditLine = 5,     // an RPN operation rewrote the edit line only
    EditLineChanged = 6,         // a key changed the edit line
    RpnSwappedAbove = 7,         // the two blocks above the last changed places
};

// The kind for "EXE changed the text of block n", and back.
constexpr UndoKind changedBlockKind(int block) { return UndoKind(int16_t(-1 - block)); }
constexpr bool isChangedBlock(UndoKind kind) { return int16_t(kind) < 0; }
constexpr int changedBlockOf(UndoKind kind) { return -1 - int(kind); }

struct UndoRecord {
    UndoKind kind = UndoKind::Nothing;
    std::u16string first;   // the first saved text (at most 99 characters)
    std::u16string second;  // the second saved text
};

}  // namespace engine

#endif
