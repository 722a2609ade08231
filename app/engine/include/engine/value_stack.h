// The value stack every evaluation runs on: 90 Matrix records created once as
// the scalar 0 and reused, and the 16-bit top index. Keypad libraries get the
// address of record 0 and of the top index, so both must stay where they are
// for the life of the program.
#ifndef ORVANA_ENGINE_VALUE_STACK_H
#define ORVANA_ENGINE_VALUE_STACK_H

#include <cstdint>

#include "lattix.h"

namespace engine {

constexpr int kStackSlots = 90;
// Slots 0-3 hold zeros so that an operator taking more operands than exist
// reads zeros instead of foreign memory.
constexpr int kFirstValueSlot = 4;
// Values live in slots 4-79; 80-89 are headroom for operators that push
// before they pop.
constexpr int kLastValueSlot = 79;
// Where the top index stands before a block is evaluated.
constexpr int16_t kBlockStartTop = 4;

// Record 0 of the stack.
Matrix* valueStack();
int16_t stackTop();
void setStackTop(int16_t top);
int16_t* stackTopAddress();

// Gives back the storage of every slot (and of the evaluator's scratch
// records) that grew beyond one element: each becomes the scalar 0 with room
// for one element again.
void resetStack();

}  // namespace engine

#endif
