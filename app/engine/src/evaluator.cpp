// runCode: one code list on the value stack, token by token, with the stack
// checks after every token; library tokens go to their library, built-in
// tokens to applyBuiltin.
#include "engine/evaluator.h"

#include <algorithm>

#include "engine/code_list.h"
#include "engine/library_table.h"
#include "engine/round_significant.h"
#include "engine/value_stack.h"

namespace engine {
namespace {

bool evaluating = false;   // the evaluation flag
bool elementwise = false;  // set while a "V:" list runs
int nesting = 0;

// Significant digits kept by the evaluation flag: after operators, and for
// the final answer.
constexpr int kOperatorDigits = 14;
constexpr int kAnswerDigits = 12;

// Puts back what a run changed around itself, whichever way it ends.
class RunScope {
public:
    RunScope(int16_t* top, bool elementwiseList)
        : top_(top), savedTop_(*top), savedElementwise_(elementwise) {
        ++nesting;
        elementwise = elementwiseList;
    }
    ~RunScope() {
        *top_ = savedTop_;
        elementwise = savedElementwise_;
        --nesting;
    }
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

private:
    int16_t* top_;
    int16_t savedTop_;
    bool savedElementwise_;
};

void roundNumber(Matrix& m, int digits) {
    if (m.kind == LATTIX_KIND_SCALAR || m.kind == LATTIX_KIND_MATRIX_VALUE)
        roundSignificant(&m, digits);
}

// A library token: its doOperation on the same stack; its code r comes back
// as library number x 256 + r.
Status callLibrary(const Token& t, int32_t angleMode, Matrix* stack, int16_t* top) {
    const uint32_t number = keypadRoutedLibrary(t.code);
    const KeypadLibrary* library = libraryAt(int(number));
    // The library that owned the operator is no longer in the table.
    if (library == nullptr || library->doOperation == nullptr) return kInvalidFunctionReference;
    const int32_t r = library->doOperation(keypadRoutedOperator(t.code), angleMode,
                                           elementwise ? 1 : 0, stack, top, hostServices());
    if (r == 0) return kOk;
    return Status(number * 256u + (uint32_t(r) & 0xFFFFu));
}

// The step for one token. A graph run will use a step of its own that offers
// library tokens to doGraph first.
using TokenStep = Status (*)(const Token& t, int32_t angleMode, Matrix* stack, int16_t* top);

Status evaluateToken(const Token& t, int32_t angleMode, Matrix* stack, int16_t* top) {
    if (keypadRoutedLibrary(t.code) != 0) return callLibrary(t, angleMode, stack, top);
    return applyBuiltin(t, angleMode, stack, top);
}

Status runTokens(const Token* list, Matrix* result, int32_t angleMode, TokenStep step) {
    if (list == nullptr) {
        if (result != nullptr) copyValMatrix(result, 0.0, 0.0);
        return kOk;
    }
    Matrix* stack = valueStack();
    int16_t* top = stackTopAddress();
    if (*top > kLastValueSlot) return kStackOverflow;
    // A push would land outside the stack.
    if (*top < kFirstValueSlot - 1) return kNotEnoughParameters;
    if (nesting >= kMaxNesting) return kStackOverflow;

    const RunScope scope(top, list[0].code == code(Code::ElementwiseMarker));
    Status status = kOk;
    for (const Token* t = list; t->code != 0; ++t) {
        status = step(*t, angleMode, stack, top);
        if (status != kOk) break;
        if (*top < kFirstValueSlot) {
            status = kNotEnoughParameters;
            break;
        }
        if (*top > kLastValueSlot) {
            status = kStackOverflow;
            break;
        }
        const uint32_t cls = keypadOperatorClass(t->code);
        if (evaluating && (cls == KEYPAD_CLASS_ADDITIVE || cls == KEYPAD_CLASS_FUNCTION))
            roundNumber(stack[*top], kOperatorDigits);
    }

    // A library may have left the index anywhere; read the nearest slot.
    Matrix& answer = stack[std::clamp<int>(*top, 0, kStackSlots - 1)];
    if (evaluating) roundNumber(answer, kAnswerDigits);
    if (result != nullptr && result != &answer) copyMatMatrix(result, &answer);
    // An operator that reached into the guard slots may have written there.
    if (*top < kFirstValueSlot)
        for (int i = 0; i < kFirstValueSlot; ++i) copyValMatrix(&stack[i], 0.0, 0.0);
    return status;
}

}  // namespace

void setEvaluationFlag(bool on) { evaluating = on; }

bool evaluationFlag() { return evaluating; }

bool elementwiseFlag() { return elementwise; }

}  // namespace engine

extern "C" uint16_t runCode(const Token* list, Matrix* result, int32_t angleMode) {
    try {
        return engine::runTokens(list, result, angleMode, engine::evaluateToken);
    } catch (...) {
        // Only memory for texts can run out here (Lattix reports its own);
        // the run's scope has put the stack back.
        return engine::kMatrixTooBig;
    }
}
