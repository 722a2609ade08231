// solve: a zero of a formula given as text, in x or a named variable,
// between two bounds or stepped out from 0.
#include <optional>

#include "formula.h"
#include "operators.h"
#include "root_search.h"
#include "stack_arguments.h"

namespace advanced {

Status solveOperator(const Call& call) {
    Arguments args(call.stack, 0, 0);
    if (const Status s = variableArguments(call.stack, call.top, args); s != kOk) return s;
    const int n = args.count();
    if (n < 1 || n > 4) return kWrongParameterCount;
    if (!isString(args[0])) return kRequiresString;
    const bool named = n == 2 || n == 4;
    const char16_t* name = u"x";
    if (named) {
        if (!isString(args.last())) return kRequiresString;
        name = reinterpret_cast<const char16_t*>(args.last().re);
    }
    std::optional<Bounds> bounds;
    if (n >= 3) {
        Bounds b;
        if (const Status s = firstReal(args[1], b.lower); s != kOk) return s;
        if (const Status s = firstReal(args[2], b.upper); s != kOk) return s;
        bounds = b;
    }

    Variable variable;
    if (const Status s = Variable::find(call.services, name, variable); s != kOk) return s;
    Formula formula(call.services, call.angleMode);
    if (const Status s = formula.compile(args[0]); s != kOk) return s;

    Root root;
    {
        // A variable without storage is made 0 first, so that it comes back
        // as a number.
        const Matrix& before = *variable.value();
        if (before.kind == LATTIX_KIND_EMPTY || before.re == nullptr)
            copyValMatrix(variable.value(), 0.0, 0.0);
        const SavedValue saved(variable);
        copyValMatrix(variable.value(), 0.0, 0.0);
        // Only the first run of the unbounded start may fail: it is tried
        // again a little off 0.
        root = findRoot([&](double at) { return formula.at(variable, at); },
                        [&] { return formula.takeFailure(); }, bounds);
    }
    if (const Status s = formula.failure(); s != kOk) root = {0.0, s};
    copyValMatrix(&args[0], root.value, 0.0);
    *call.top = int16_t(args.firstSlot());
    return root.status;
}

}  // namespace advanced
