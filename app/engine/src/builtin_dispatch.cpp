// applyBuiltin: sends each built-in code to the file of its theme, and the
// codes of scripts and files to the script component's handler.
#include <cstring>

#include "builtins.h"
#include "engine/code_list.h"
#include "engine/evaluator.h"
#include "engine/value_stack.h"
#include "engine_state_data.h"
#include "operands.h"

namespace engine {
namespace {

constinit ScriptCodeHandler& scriptHandler = theEngineState.scriptHandler;

// Without the script component: the failure each code would report when its
// part of the work cannot be done.
Status scriptCodeUnavailable(uint32_t c) {
    switch (Code(c)) {
        case Code::WorkspaceCall: return kCantLoadScript;
        case Code::Load: return kCantOpenFile;
        case Code::Save: return kCantSaveWorkspace;
        default: return kMissingControlStructure;
    }
}

Status pushVariable(const Token& t, const Frame& f) {
    const Matrix* value = variableOfToken(t);
    // A local reference outside the Workspace call it was compiled for.
    if (value == nullptr) return kValueOutOfBounds;
    copyMatMatrix(&f.push(), value);
    return kOk;
}

Status pushString(const Token& t, const Frame& f) {
    const char16_t* text = tokenText(t);
    copyStrMatrix(&f.push(), text != nullptr ? text : u"");
    return kOk;
}

}  // namespace

bool isScriptCode(uint32_t routed) {
    switch (Code(routed)) {
        case Code::While:
        case Code::If:
        case Code::Else:
        case Code::EndBlock:
        case Code::Return:
        case Code::For:
        case Code::ContinueIfGraphing:
        case Code::Local:
        case Code::Func:
        case Code::Global:
        case Code::WorkspaceCall:
        case Code::Load:
        case Code::Save: return true;
        default: return false;
    }
}

void setScriptCodeHandler(ScriptCodeHandler handler) { scriptHandler = handler; }

Status applyBuiltin(const Token& t, int32_t angleMode, Matrix* stack, int16_t* top) {
    if (stack == nullptr || top == nullptr) return kNotEnoughParameters;
    // Every operator reads at most three slots below the top and pushes at
    // most one above it.
    if (*top < kFirstValueSlot - 1) return kNotEnoughParameters;
    if (*top > kLastValueSlot) return kStackOverflow;
    const Frame f{stack, top, angleMode};

    switch (Code(t.code)) {
        case Code::Numeral: copyValMatrix(&f.push(), t.value, 0.0); return kOk;
        case Code::StringLiteral: return pushString(t, f);
        case Code::Variable: return pushVariable(t, f);
        case Code::ImaginaryUnit: copyValMatrix(&f.push(), 0.0, 1.0); return kOk;

        case Code::Add:
        case Code::Subtract:
        case Code::Multiply:
        case Code::Divide:
        case Code::Negate:
        case Code::NegatePower:
        case Code::Inverse:
        case Code::Determinant:
        case Code::Transpose:
        case Code::ReducedEchelon:
        case Code::RealPart:
        case Code::ImaginaryPart:
        case Code::Round: return applyArithmetic(t.code, f);

        case Code::Identity:
        case Code::Zero:
        case Code::BuildMatrix:
        case Code::MatrixLiteral:
        case Code::Range:
        case Code::AllOfDimension: return applyMatrixBuilding(t.code, f);

        case Code::IndexList:
        case Code::ApplyIndex:
        case Code::IndexedVariable: return applyIndexing(t, f);

        case Code::Assign: return applyAssignment(t, f);

        case Code::Answer:
        case Code::AnswerBack:
        case Code::AnswerAsText: return applyAnswer(t, f);

        case Code::Eval: return applyEval(f);

        case Code::While:
        case Code::If:
        case Code::Else:
        case Code::EndBlock:
        case Code::Return:
        case Code::For:
        case Code::ContinueIfGraphing:
        case Code::Local:
        case Code::Func:
        case Code::Global:
        case Code::WorkspaceCall:
        case Code::Load:
        case Code::Save:
            return scriptHandler != nullptr ? scriptHandler(t, angleMode, stack, top)
                                            : scriptCodeUnavailable(t.code);

        default:
            if (isUserFunctionCode(t.code)) return applyUserFunction(t.code, f);
            return kOk;  // the element-wise marker and unknown codes
    }
}

}  // namespace engine
