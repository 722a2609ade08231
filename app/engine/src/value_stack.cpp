// Owner of the value stack, its top index and the scratch records.
#include "engine/value_stack.h"

#include <array>

#include "scratch_records.h"

namespace engine {
namespace {

// The records are plain Matrix values whose arrays Lattix allocates; they are
// never freed as records (libraries hold their addresses), only emptied.
struct StackStorage {
    std::array<Matrix, kStackSlots> slots{};
    Matrix build{};
    Matrix eval{};

    StackStorage() {
        for (Matrix& m : slots) copyValMatrix(&m, 0.0, 0.0);
        copyValMatrix(&build, 0.0, 0.0);
        copyValMatrix(&eval, 0.0, 0.0);
    }
    ~StackStorage() {
        for (Matrix& m : slots) resizeMatrix(&m, 0, 0);
        resizeMatrix(&build, 0, 0);
        resizeMatrix(&eval, 0, 0);
    }
    StackStorage(const StackStorage&) = delete;
    StackStorage& operator=(const StackStorage&) = delete;
};

StackStorage& storage() {
    static StackStorage s;
    return s;
}

int16_t top = kBlockStartTop;

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
