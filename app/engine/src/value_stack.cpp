// Owner of the value stack, its top index and the scratch records.
#include "engine/value_stack.h"

#include <array>

#include "engine_state_data.h"
#include "scratch_records.h"

namespace engine {
namespace {

StackStorage& storage() { return theEngineState.stack; }

constinit int16_t& top = theEngineState.stackTop;

void shrink(Matrix& m) {
    if (m.capacity == 1) return;
    resizeMatrix(&m, 0, 0);
    copyValMatrix(&m, 0.0, 0.0);
}

}  // namespace

Matrix* valueStack() { return storage().slots.data(); }

int16_t stackTop() { return top; }

void setStackTop(int16_t t) { top = t; }

int16_t* stackTopAddress() { return &top; }

void resetStack() {
    StackStorage& s = storage();
    for (Matrix& m : s.slots) shrink(m);
    shrink(s.build);
    shrink(s.eval);
}

Matrix* buildScratch() { return &storage().build; }

Matrix* evalScratch() { return &storage().eval; }

}  // namespace engine
