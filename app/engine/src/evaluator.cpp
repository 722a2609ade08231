// runCode and runCodeForGraph: one code list on the value stack, token by
// token, with the stack checks after every token; library tokens go to their
// library, built-in tokens to applyBuiltin.
#include "engine/evaluator.h"

#include <algorithm>

#include "engine/code_list.h"
#include "engine/library_table.h"
#include "engine/long_run.h"
#include "engine/round_significant.h"
#include "engine/value_stack.h"
#include "engine_state_data.h"
#include "builtins.h"
#include "operand_reach.h"
#include "scalar_run.h"
#include "variable_read.h"

namespace engine {
namespace {

constinit bool& evaluating = theEngineState.evaluating;
constinit bool& elementwise = theEngineState.elementwise;
constinit int& nesting = theEngineState.nesting;

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
// as library number x 256 + r, except the stop 65.
Status callLibrary(const Token& t, int32_t angleMode, Matrix* stack, int16_t* top) {
    const uint32_t number = keypadRoutedLibrary(t.code);
    const KeypadLibrary* library = libraryAt(int(number));
    // The library that owned the operator is no longer in the table.
    if (library == nullptr || library->doOperation == nullptr) return kInvalidFunctionReference;
    const int32_t r = library->doOperation(keypadRoutedOperator(t.code), angleMode,
                                           elementwise ? 1 : 0, stack, top, hostServices());
    if (r == 0) return kOk;
    // A stop belongs to the whole run, not to the library that noticed it.
    if (r == kInterrupted) return kInterrupted;
    return Status(number * 256u + (uint32_t(r) & 0xFFFFu));
}

// What one token's step asks of the loop: go on, or end the list with a code.
struct Step {
    bool stop = false;
    Status status = kOk;
};
constexpr Step kGoOn{};
Step stopWith(Status s) {
    return Step{true, s};
}

using TokenStep = Step (*)(const Token& t, int32_t angleMode, Matrix* stack, int16_t* top);

Step evaluateToken(const Token& t, int32_t angleMode, Matrix* stack, int16_t* top) {
    const Status s = keypadRoutedLibrary(t.code) != 0 ? callLibrary(t, angleMode, stack, top)
                                                      : applyBuiltin(t, angleMode, stack, top);
    return s == kOk ? kGoOn : stopWith(s);
}

// The graph run in progress (innermost), read by its token step.
struct GraphRun {
    GraphTarget target;
    bool graphThisBlock = false;
};
const GraphRun* graphRun = nullptr;
// Set only while a Workspace call token of a graph run is applied.
const GraphTarget* workspaceCallTarget = nullptr;

// A graph run offers each library token to the library's doGraph first; a
// library that drew the block's trace itself ends the list. Failures of
// operators only end the list: the graph view then samples the block itself.
Step graphToken(const Token& t, int32_t angleMode, Matrix* stack, int16_t* top) {
    const GraphRun& run = *graphRun;
    const uint32_t number = keypadRoutedLibrary(t.code);
    if (number != 0) {
        const KeypadLibrary* library = libraryAt(int(number));
        if (library == nullptr || library->doOperation == nullptr) return stopWith(kOk);
        const OperatorCode op = keypadRoutedOperator(t.code);
        const int32_t flag = elementwise ? 1 : 0;
        if (run.graphThisBlock && library->doGraph != nullptr &&
            library->doGraph(const_cast<double*>(run.target.samples), run.target.curves,
                             run.target.traceCount, op, angleMode, flag, stack, top,
                             hostServices()) != 0)
            return stopWith(kGraphDrawnByLibrary);
        library->doOperation(op, angleMode, flag, stack, top, hostServices());
        return kGoOn;
    }
    if (t.code == code(Code::WorkspaceCall)) {
        const GraphTarget* outer = workspaceCallTarget;
        workspaceCallTarget = &run.target;
        const Status s = applyBuiltin(t, angleMode, stack, top);
        workspaceCallTarget = outer;
        return s == kOk ? kGoOn : stopWith(s);
    }
    return applyBuiltin(t, angleMode, stack, top) == kOk ? kGoOn : stopWith(kOk);
}

// The tokens most lists are made of: numbers, variables and the four
// operators. They are applied here, without the general dispatch; scalar
// operands are combined in place with the same operations, in the same
// order, as the matrix arithmetic uses for 1 x 1 values. Texts and the
// control keywords of scripts go straight to the built-ins, as every run
// (graph runs included) would send them there.
enum class Quick { None, Numeral, Variable, Add, Subtract, Multiply, Divide, Text, Control };

Quick quickKind(uint32_t c) {
    switch (Code(c)) {
        case Code::Numeral: return Quick::Numeral;
        case Code::Variable: return Quick::Variable;
        case Code::Add: return Quick::Add;
        case Code::Subtract: return Quick::Subtract;
        case Code::Multiply: return Quick::Multiply;
        case Code::Divide: return Quick::Divide;
        case Code::StringLiteral: return Quick::Text;
        case Code::While:
        case Code::If:
        case Code::Else:
        case Code::EndBlock:
        case Code::For: return Quick::Control;
        default: return Quick::None;
    }
}

// copyMatMatrix, with a scalar source written directly.
void copyValue(Matrix& to, const Matrix& from) {
    if (from.kind == LATTIX_KIND_SCALAR && from.re != nullptr && from.im != nullptr)
        storeScalar(to, from.re[0], from.im[0]);
    else
        copyMatMatrix(&to, &from);
}

bool bothScalars(const Matrix& y, const Matrix& x) {
    return !elementwise && y.kind == LATTIX_KIND_SCALAR && x.kind == LATTIX_KIND_SCALAR;
}

Status quickBinary(Quick kind, const Token& t, Matrix* stack, int16_t* top) {
    Matrix& x = stack[*top];
    Matrix& y = stack[*top - 1];
    --*top;
    if (ScalarValue z; bothScalars(y, x) &&
                       combineScalars(t.code, {y.re[0], y.im[0]}, {x.re[0], x.im[0]}, z)) {
        y.re[0] = z.re;
        y.im[0] = z.im;
        return kOk;
    }
    const int flag = elementwise ? 1 : 0;
    switch (kind) {
        case Quick::Add: return addMatrix(&y, &x, flag);
        case Quick::Subtract: return subMatrix(&y, &x, flag);
        case Quick::Multiply: return multMatrix(&y, &x, flag);
        default: return divMatrix(&y, &x, flag);
    }
}

Status quickStep(Quick kind, const Token& t, int32_t angleMode, Matrix* stack, int16_t* top) {
    switch (kind) {
        case Quick::Text:
        case Quick::Control: return applyBuiltin(t, angleMode, stack, top);
        case Quick::Numeral:
            ++*top;
            storeScalar(stack[*top], t.value, 0.0);
            return kOk;
        case Quick::Variable: {
            const Matrix* value = readVariable(t);
            // A local reference outside the Workspace call it was compiled for.
            if (value == nullptr) return kValueOutOfBounds;
            ++*top;
            copyValue(stack[*top], *value);
            return kOk;
        }
        default: return quickBinary(kind, t, stack, top);
    }
}

Status runTokens(const Token* list, Matrix* result, int32_t angleMode, TokenStep step,
                 bool forceElementwise = false) {
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
    // A run from the bottom (a block, a graph sample, a script's block)
    // starts on slot 4 holding 0, so an operator one operand short reads 0
    // and never a value an earlier block left there. A nested run (eval, a
    // user function, a Workspace call, a library's call back) starts on its
    // caller's top value: an operator that would read it or anything below
    // is refused before it runs, so the caller's values never change.
    const bool fromBottom = nesting == 0 && *top <= kBlockStartTop;
    const int lowestRead = fromBottom ? kBlockStartTop : *top + 1;
    const int lowestTop = fromBottom ? kFirstValueSlot : *top;

    // The platform's period is begun only if the list goes through the
    // loop below (its operators and libraries may poll it).
    const LongRunWatch watch(nesting == 0, true);
    const RunScope scope(top, forceElementwise || list[0].code == code(Code::ElementwiseMarker));
    if (fromBottom) {
        storeScalar(stack[kBlockStartTop], 0.0, 0.0);
        *top = kBlockStartTop;
    }
    // A stop met when an earlier list of this run was counted: this one
    // does nothing and answers 65.
    Status status = longRunRefusesList() ? kInterrupted : kOk;
    // Lists of scalar arithmetic run on plain values when their operands
    // turn out to be scalars; anything else goes through the loop.
    const bool ranScalar =
        status == kOk && !evaluating && runScalarList(list, stack, top, lowestRead, status);
    // Tokens that ran to the end of their step, counted towards the long run
    // together once the list is over (a list is straight: its nested runs
    // count their own); a stop asked for meanwhile is left for the next list.
    uint32_t ran = 0;
    if (!ranScalar) longRunBeginPeriod();
    for (const Token* t = list; status == kOk && !ranScalar && t->code != 0; ++t) {
        const Quick quick = quickKind(t->code);
        // Numbers, variables and texts read nothing; the operators read one
        // below.
        int64_t reach = 1;
        if (quick == Quick::None || quick == Quick::Control)
            reach = operandReach(*t, stack, *top);
        else if (quick == Quick::Numeral || quick == Quick::Variable || quick == Quick::Text)
            reach = -1;
        if (*top - reach < lowestRead) {
            status = kNotEnoughParameters;
            break;
        }
        Step next = kGoOn;
        if (quick == Quick::None) {
            next = step(*t, angleMode, stack, top);
        } else if (const Status s = quickStep(quick, *t, angleMode, stack, top); s != kOk) {
            // A graph run ends the list on a failed built-in without a code.
            next = stopWith(step == graphToken ? kOk : s);
        }
        // A failed operator may have left the index anywhere: its code is
        // the answer. A graph run's list that ends with 0 still gets the
        // stack checks.
        if (next.stop && next.status != kOk) {
            status = next.status;
            break;
        }
        if (*top < lowestTop) {
            status = kNotEnoughParameters;
            break;
        }
        if (*top > kLastValueSlot) {
            status = kStackOverflow;
            break;
        }
        if (next.stop) break;
        ++ran;
        const uint32_t cls = keypadOperatorClass(t->code);
        if (evaluating && (cls == KEYPAD_CLASS_ADDITIVE || cls == KEYPAD_CLASS_FUNCTION))
            roundNumber(stack[*top], kOperatorDigits);
    }
    if (ran != 0) longRunTokens(ran);

    // A library may have left the index anywhere; read the nearest slot.
    Matrix& answer = stack[std::clamp<int>(*top, 0, kStackSlots - 1)];
    if (evaluating) roundNumber(answer, kAnswerDigits);
    if (result != nullptr && result != &answer) copyValue(*result, answer);
    // An operator that reached into the guard slots may have written there.
    if (*top < kFirstValueSlot)
        for (int i = 0; i < kFirstValueSlot; ++i) copyValMatrix(&stack[i], 0.0, 0.0);
    return status;
}

// Makes a graph run the innermost one for its duration.
class GraphRunScope {
public:
    explicit GraphRunScope(const GraphRun* run) : outer_(graphRun) { graphRun = run; }
    ~GraphRunScope() { graphRun = outer_; }
    GraphRunScope(const GraphRunScope&) = delete;
    GraphRunScope& operator=(const GraphRunScope&) = delete;

private:
    const GraphRun* outer_;
};

}  // namespace

void setEvaluationFlag(bool on) { evaluating = on; }

bool evaluationFlag() { return evaluating; }

bool elementwiseFlag() { return elementwise; }

const GraphTarget* workspaceCallGraphTarget() { return workspaceCallTarget; }

namespace {

// A run of evaluateToken steps. Only memory for texts can run out here
// (Lattix reports its own); the run's scope has put the stack back.
Status evaluateList(const Token* list, Matrix* result, int32_t angleMode, bool forceElementwise) {
    try {
        return runTokens(list, result, angleMode, evaluateToken, forceElementwise);
    } catch (...) {
        return kMatrixTooBig;
    }
}

}  // namespace

Status runCodeElementwise(const Token* list, Matrix* result, int32_t angleMode) {
    return evaluateList(list, result, angleMode, true);
}

}  // namespace engine

extern "C" uint16_t runCode(const Token* list, Matrix* result, int32_t angleMode) {
    return engine::evaluateList(list, result, angleMode, false);
}

extern "C" uint16_t runCodeForGraph(const double* samples, KeypadCurve* curves,
                                    int16_t* traceCount, const Token* list,
                                    int32_t graphThisBlock, int32_t angleMode) {
    const engine::GraphRun run{{samples, curves, traceCount}, graphThisBlock != 0};
    try {
        const engine::GraphRunScope scope(&run);
        return engine::runTokens(list, nullptr, angleMode, engine::graphToken);
    } catch (...) {
        return engine::kMatrixTooBig;
    }
}
