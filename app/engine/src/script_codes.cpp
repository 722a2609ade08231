// The evaluator's handler for the script codes: the run-time effects of the
// control keywords, Workspace calls, and the load and save built-ins.
#include <memory>
#include <string>

#include "builtins.h"
#include "engine/code_list.h"
#include "engine/script_folder.h"
#include "engine/scripts.h"
#include "engine/value_stack.h"
#include "engine/variables.h"
#include "engine/workspace_file.h"
#include "for_step.h"
#include "operands.h"
#include "scalar_run.h"
#include "script_run_state.h"

namespace engine {
namespace {

struct MatrixFree {
    void operator()(Matrix* m) const {
        if (m != nullptr) delMatrix(m);
    }
};

// The text of a string value, bounded by the record's storage; it lasts as
// long as the value is not changed.
std::u16string_view textView(const Matrix& m) {
    if (!isString(m) || m.re == nullptr) return {};
    const auto* units = reinterpret_cast<const char16_t*>(m.re);
    const size_t limit = size_t(m.capacity) * 4;
    size_t n = 0;
    while (n < limit && units[n] != 0) ++n;
    return std::u16string_view(units, n);
}

std::u16string textOf(const Matrix& m) {
    return std::u16string(textView(m));
}

// A condition without a number (a string, an empty value) counts as false.
bool isFalse(const Matrix& m) {
    const std::optional<double> v = firstReal(m);
    return !v || *v == 0.0;
}

// The argument count a token with a pushed count finds on top, popped.
std::optional<int> popCount(const Frame& f) {
    const std::optional<int64_t> n = truncatedFirst(f.x());
    f.pop();
    if (!n || *n < 0 || *n > 6) return std::nullopt;
    return int(*n);
}

Status applyFor(const Token& t, const Frame& f, ScriptRunState& run) {
    const int base = *f.top - 3;
    if (base < kFirstValueSlot) return kNotEnoughParameters;
    const Matrix& nameValue = f.at(base);
    if (!isString(nameValue)) return kInvalidParameter;
    const std::u16string_view name = textView(nameValue);
    if (name.empty()) return kInvalidParameter;
    uint16_t ref = findVariable(name);
    if (ref == kNoVariable) {
        if (name.size() > kVariableNameLimit) return kSyntaxError;
        ref = addVariable(name, nullptr);
    }
    Matrix* k = variableAt(ref);
    const std::optional<double> start = firstReal(f.at(base + 1));
    const std::optional<double> step = firstReal(f.at(base + 2));
    const std::optional<double> end = firstReal(f.at(base + 3));
    if (k == nullptr || !start || !step || !end) return kInvalidParameter;

    if (!run.reentry && *step == 0.0) return kInvalidParameter;
    const ForStep next = forStep(*k, *start, *step, *end, run.reentry);
    storeScalar(*k, next.value, 0.0);
    if (!next.goOn) run.next = jumpTarget(t);
    *f.top = int16_t(base);
    storeScalar(f.x(), next.value, 0.0);
    return kOk;
}

Status applyContinueIfGraphing(const Frame& f, ScriptRunState& run) {
    const std::optional<int> n = popCount(f);
    if (!n) return kWrongParameterCount;
    if (*f.top - *n < kFirstValueSlot - 1) return kNotEnoughParameters;
    if (*n == 1 && run.returnRecord != nullptr) copyMatMatrix(run.returnRecord, &f.x());
    f.pop(*n);
    if (!graphViewShowing() && run.graph == nullptr) run.next = -1;
    return kOk;
}

Status applyWorkspaceCall(const Token& t, const Frame& f) {
    const std::optional<int64_t> n = truncatedFirst(f.x());
    if (!n || *n < 0 || *n > 6) return kWrongParameterCount;
    const int count = int(*n);
    const int first = *f.top - count;
    if (first < kFirstValueSlot) return kNotEnoughParameters;
    const char16_t* name = tokenText(t);
    if (name == nullptr) return kCantLoadScript;

    const std::unique_ptr<Matrix, MatrixFree> value(newMatrix(1, 1));
    if (value == nullptr) return kCantLoadScript;
    // The arguments stay below the top while the call runs above them.
    const Status s =
        callWorkspaceIn(name, &f.at(first), count, value.get(), workspaceCallGraphTarget());
    copyMatMatrix(&f.at(first), value.get());
    *f.top = int16_t(first);
    return s;
}

Status applyLoad(const Frame& f) {
    const std::optional<int64_t> n = truncatedFirst(f.x());
    if (!n || (*n != 1 && *n != 2)) return kWrongParameterCount;
    const int first = *f.top - int(*n);
    if (first < kFirstValueSlot) return kNotEnoughParameters;
    *f.top = int16_t(first);
    if (!isString(f.at(first))) return kRequiresString;
    LoadWhich which = LoadWhich::allVariables();
    if (*n == 2) {
        if (!isString(f.at(first + 1))) return kRequiresString;
        which = LoadWhich::variable(textOf(f.at(first + 1)));
    }
    const std::u16string path = workspacePath(textOf(f.at(first)));
    return loadWorkspace(path.c_str(), 0, which, nullptr) ? kOk : kCantOpenFile;
}

Status applySave(const Frame& f) {
    if (!isString(f.x())) return kRequiresString;
    const std::u16string path = workspacePath(textOf(f.x()));
    return saveWorkspace(path.c_str(), true, nullptr) ? kOk : kCantSaveWorkspace;
}

Status handleScriptCode(const Token& t, int32_t angleMode, Matrix* stack, int16_t* top) {
    const Frame f{stack, top, angleMode};
    ScriptRunState& run = currentRun();
    switch (Code(t.code)) {
        case Code::While:
        case Code::If:
            if (isFalse(f.x())) run.next = jumpTarget(t);
            return kOk;
        case Code::Else:
            run.next = jumpTarget(t);
            return kOk;
        case Code::EndBlock:
            run.next = jumpTarget(t);
            storeScalar(f.push(), t.value, 0.0);
            return kOk;
        case Code::Return:
            if (run.returnRecord != nullptr) copyMatMatrix(run.returnRecord, &f.x());
            f.pop();
            run.next = -1;
            return kOk;
        case Code::ContinueIfGraphing:
            return applyContinueIfGraphing(f, run);
        case Code::For:
            return applyFor(t, f, run);
        case Code::Local:
        case Code::Global:
            return isString(f.x()) ? kOk : kInvalidParameter;
        case Code::Func:
            if (!isString(f.x())) return kInvalidParameter;
            copyValMatrix(&f.x(), double(run.parameterCount), 0.0);
            return kOk;
        case Code::WorkspaceCall:
            return applyWorkspaceCall(t, f);
        case Code::Load:
            return applyLoad(f);
        case Code::Save:
            return applySave(f);
        default:
            return kOk;
    }
}

}  // namespace

void installScriptSupport() {
    setScriptCodeHandler(handleScriptCode);
}

}  // namespace engine
