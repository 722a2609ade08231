// A list of scalar arithmetic decoded once and run many times, for a script
// loop whose lists and variable table stay as they are while it runs. Each
// run gives what runScalarList gives for the same list and values: the same
// slots, answer, assignment and token count.
#ifndef ORVANA_ENGINE_SCALAR_PROGRAM_H
#define ORVANA_ENGINE_SCALAR_PROGRAM_H

#include <array>
#include <cstdint>

#include "direct_loop_blocks.h"
#include "engine/value_stack.h"
#include "keypad.h"
#include "lattix.h"
#include "scalar_run.h"

namespace engine {

class ScalarProgram {
public:
    // Decodes `list` for runs whose pushes land above `at`. False when
    // runScalarList would not run it to the end whatever the variables hold:
    // a token other than scalar arithmetic or a final assignment to a whole
    // variable, an operand missing or a stack too full, a variable reference
    // with no variable, a list longer than a block's.
    bool decode(const Token* list, ListBase at);

    // Computes the list on the variables' current values into `re` and `im`
    // (indexed by stack slot), changing nothing else; false when a variable
    // holds no scalar (an empty one included) or a quotient is left to the
    // matrix arithmetic.
    bool run(double* re, double* im) const;

    // Makes the run's effect on the variables (the assignment) and keeps the
    // slots and answer it leaves for `leave`.
    void commit(const double* re, const double* im);

    // Writes what the last committed run left: the stack slots and the answer.
    void leave(Matrix* stack, Matrix& answer) const;

    uint32_t tokens() const { return tokens_; }

private:
    enum class Op : uint8_t { Push, Read, Add, Subtract, Multiply, Divide, Negate, Assign };
    struct Step {
        Op op;
        const Matrix* variable;  // Read
        double re;               // Push
        double im;
    };
    // A list of at most 99 characters has fewer tokens than this.
    static constexpr int kMaxSteps = 64;
    // The most slots a run leaves, from its lowest readable one to its top.
    static constexpr int kMaxKept = 16;

    // Left uninitialized: a loop sets up many programs and uses only their
    // first count_ steps.
    std::array<Step, kMaxSteps> steps_;
    int count_ = 0;
    uint32_t tokens_ = 0;
    Matrix* target_ = nullptr;  // the assigned variable, if any
    int lowest_ = 0;            // the slots a run leaves: lowest_..top_
    int start_ = 0;
    int top_ = 0;
    bool fromBottom_ = false;
    std::array<ScalarValue, kMaxKept> kept_;
};

}  // namespace engine

#endif
