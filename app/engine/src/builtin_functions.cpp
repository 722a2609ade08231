// The built-ins that run code lists of their own: eval of a text, and user
// functions (named blocks) with and without parameters.
#include <array>
#include <memory>

#include "builtins.h"
#include "engine/answer_source.h"
#include "engine/code_list.h"
#include "engine/evaluator.h"
#include "engine/parser.h"
#include "engine/user_functions.h"
#include "engine/variables.h"
#include "operands.h"
#include "scratch_records.h"

namespace engine {
namespace {

struct CodeListFree {
    void operator()(Token* list) const { freeCode(list); }
};
using OwnedCodeList = std::unique_ptr<Token, CodeListFree>;

struct MatrixFree {
    void operator()(Matrix* m) const {
        if (m != nullptr) delMatrix(m);
    }
};
using OwnedMatrix = std::unique_ptr<Matrix, MatrixFree>;

OwnedMatrix temporaryRecord() { return OwnedMatrix(newMatrix(0, 0)); }

// Finds x, y or z among the globals even while a called Workspace's locals
// of the same names are active; a parameter variable that has been removed
// is created again, as FOR does with its loop variable.
Matrix* parameterVariable(std::u16string_view name) {
    LocalScope* scope = activeScope();
    setActiveScope(nullptr);
    uint16_t ref = findVariable(name);
    if (ref == kNoVariable) ref = addVariable(name, nullptr);
    setActiveScope(scope);
    return variableAt(ref);
}

// Puts the callers' values of the parameter variables back however the
// function's evaluation ended.
class SavedParameters {
public:
    bool save(std::array<Matrix*, 3> vars, int count) {
        for (int i = 0; i < count; ++i) {
            OwnedMatrix copy = temporaryRecord();
            if (copy == nullptr || vars[i] == nullptr) return false;
            copyMatMatrix(copy.get(), vars[i]);
            saved_[i] = {vars[i], std::move(copy)};
        }
        return true;
    }
    ~SavedParameters() {
        for (auto& [var, value] : saved_)
            if (var != nullptr && value != nullptr) copyMatMatrix(var, value.get());
    }

private:
    std::array<std::pair<Matrix*, OwnedMatrix>, 3> saved_{};
};

Status callWithParameters(const UserFunction& fn, Token* list, Matrix* answer, const Frame& f) {
    // The arguments sit on top: x, then y, then z.
    const int count = fn.parameters == 3 ? 3 : fn.parameters == 2 ? 2 : 1;
    const std::array<Matrix*, 3> vars{parameterVariable(u"x"),
                                      count >= 2 ? parameterVariable(u"y") : nullptr,
                                      count >= 3 ? parameterVariable(u"z") : nullptr};
    const int first = *f.top - count + 1;
    Status status = kOk;
    {
        SavedParameters saved;
        if (!saved.save(vars, count)) return kInvalidFunctionReference;
        for (int i = 0; i < count; ++i) copyMatMatrix(vars[i], &f.at(first + i));
        status = runCode(list, answer, f.angleMode);
    }
    copyMatMatrix(&f.at(first), answer);
    *f.top = int16_t(first);
    return status;
}

}  // namespace

Status applyEval(const Frame& f) {
    Matrix& x = f.x();
    if (!isString(x) || x.re == nullptr) return kIncompatibleDataTypes;
    Token* compiled = nullptr;
    const Status parsed = compileExpression(reinterpret_cast<const char16_t*>(x.re), &compiled);
    const OwnedCodeList list(compiled);
    // Nothing that goes wrong inside is reported: a text that does not
    // compile, or whose evaluation fails, is worth 0.
    if (parsed != kOk) {
        copyValMatrix(&x, 0.0, 0.0);
        return kOk;
    }
    Matrix* out = evalScratch();
    if (runCode(list.get(), out, f.angleMode) != kOk) {
        copyValMatrix(&x, 0.0, 0.0);
    } else {
        copyMatMatrix(&x, out);
    }
    return kOk;
}

Status applyUserFunction(uint32_t routed, const Frame& f) {
    const UserFunction* fn = userFunctionAt(userFunctionSlotOf(routed));
    // The slot was emptied after this list was compiled.
    if (fn == nullptr) return kInvalidFunctionReference;
    Token* list = fn->codeList != nullptr ? *fn->codeList : nullptr;

    OwnedMatrix temporary;
    Matrix* answer = answerSource() != nullptr ? answerSource()->functionAnswer(*fn) : nullptr;
    if (answer == nullptr) {
        temporary = temporaryRecord();
        answer = temporary.get();
        if (answer == nullptr) return kInvalidFunctionReference;
    }
    if ((routed & 0xFu) == KEYPAD_CLASS_FUNCTION) return callWithParameters(*fn, list, answer, f);

    const Status status = runCode(list, answer, f.angleMode);
    copyMatMatrix(&f.push(), answer);
    return status;
}

}  // namespace engine
